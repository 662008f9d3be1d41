#include "swatches/swatchpresettype.h"

#include <memory>

#include "entryguard.h"
#include "hostaccess.h"
#include "hosttext.h"
#include "moduleresource.h"
#include "presetbrowser.h"
#include "registry.h"
#include "swatches/colorswatchpreset.h"
#include "swatches/swatchthumbnail.h"

namespace
{
constexpr std::int32_t kNameString = 20088;
std::unique_ptr<SwatchPresetType> g_type;

// Hosts of these application types have no preset browser.
bool HasNoPresetBrowser()
{
  const std::int32_t type = GetApplicationType();
  return type == 5 || type == 8 || type == 9 || type == 10;
}

ColorSwatchPreset* PresetOf(void* preset)
{
  return static_cast<ColorSwatchPreset*>(preset);
}
}  // namespace

const GxaPresetTypeCallbacks SwatchPresetType::kCallbacks = {
    sizeof(GxaPresetTypeCallbacks), Destroyed, TypeId, TypeName, Open, Close, Thumbnail, Load, Save,
};

bool SwatchPresetType::Register()
{
  if (HasNoPresetBrowser())
    return true;
  const GxaPresetFns* browser = presetbrowser::Find();
  if (!GXA_HAS(browser, complete_registration) || g_type)
    return false;
  auto type = std::make_unique<SwatchPresetType>();
  const String name = ModuleResource::LoadString(kNameString);
  type->_handle = browser->register_type(ColorSwatchPreset::kTypeId, name.GetCString(), &kCallbacks, type.get());
  if (!type->_handle)
    return false;
  if (!browser->complete_registration(type->_handle, 0))
  {
    browser->unregister_type(type->_handle);
    return false;
  }
  g_type = std::move(type);
  return true;
}

void SwatchPresetType::Free()
{
  if (!g_type)
    return;
  const GxaPresetFns* browser = presetbrowser::Find();
  if (GXA_HAS(browser, unregister_type))
    browser->unregister_type(g_type->_handle);
  g_type.reset();
}

SwatchPresetType* SwatchPresetType::Get()
{
  return g_type.get();
}

void SwatchPresetType::Destroyed(void*) {}

std::int32_t SwatchPresetType::TypeId(void*)
{
  return ColorSwatchPreset::kTypeId;
}

std::int64_t SwatchPresetType::TypeName(void*, char* buf, std::size_t cap)
{
  return GuardEntry("SwatchPresetType::TypeName()", std::int64_t(-1),
                    [&] { return WriteHostText(ModuleResource::LoadString(kNameString), buf, cap); });
}

void* SwatchPresetType::Open(void*, const char* url, std::int32_t flags[3])
{
  return GuardEntry("SwatchPresetType::Open()", static_cast<void*>(nullptr), [&]() -> void* {
    if (!url)
      return nullptr;
    auto preset = std::make_unique<ColorSwatchPreset>(String(url));
    // A preset that is not stored yet opens empty; loading it then fails.
    (void)preset->ReadStoredData();
    if (flags)
    {
      flags[0] |= 4;
      flags[1] = 225;
      flags[2] = 300;
    }
    return preset.release();
  });
}

void SwatchPresetType::Close(void*, void* preset)
{
  delete PresetOf(preset);
}

bool SwatchPresetType::Thumbnail(void*, void* preset, GxaBitmap* bitmap)
{
  if (!preset || !bitmap)
    return false;
  return GuardEntry("SwatchPresetType::Thumbnail()", false, [&] {
    Result<BaseContainer> collection = PresetOf(preset)->ReadContainer();
    if (collection.IsError())
      return false;
    Result<BaseArray<SwatchColor>> colors = CollectionColors(collection.GetValue());
    if (colors.IsError())
      return false;
    Result<BaseBitmap> picture = MakeSwatchThumbnail({colors.GetValue().GetData(), colors.GetValue().GetCount()});
    const GxaBitmapFns* fns = HostBitmaps();
    return picture.IsOk() && GXA_HAS(fns, copy_to) && fns->copy_to(picture.GetValue().Get(), bitmap);
  });
}

bool SwatchPresetType::Load(void*, void* preset, GxaContainer* target)
{
  if (!preset)
    return false;
  return GuardEntry("ColorSwatchPreset::LoadPreset()", false, [&] {
    BaseContainer alias = BaseContainer::Alias(target);
    PresetOf(preset)->SetContainerToLoad(target ? &alias : nullptr);
    const bool loaded = PresetOf(preset)->LoadPreset();
    PresetOf(preset)->SetContainerToLoad(nullptr);
    return loaded;
  });
}

std::int32_t SwatchPresetType::Save(void* user, const char* url, std::int32_t)
{
  auto* type = static_cast<SwatchPresetType*>(user);
  if (!type || !url)
    return 0;
  return GuardEntry("SwatchPresetType::Save()", std::int32_t(0), [&] {
    ColorSwatchPreset preset{String(url)};
    preset.SetContainerToSave(type->_pending);
    if (!type->_first.IsEmpty() && !type->_second.IsEmpty())
      preset.SetStrings(type->_first, type->_second);
    const bool stored = type->_pending && preset.Store(ColorSwatchPreset::kTypeId).IsOk();
    type->_pending = nullptr;
    return stored ? std::int32_t(1) : std::int32_t(0);
  });
}
