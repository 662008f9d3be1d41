// The wheel's options in the chooser's state, the size preference shared by
// every chooser, and the context menu that changes them.
#include <algorithm>

#include "chooserids.h"
#include "colorwheel/colorwheelarea.h"
#include "hostservices.h"
#include "moduleresource.h"
#include "utils/chooserview.h"
#include "utils/colorconversions.h"
#include "utils/colorutils.h"
#include "utils/colorvisionmenu.h"
#include "utils/perceptualtools.h"

namespace
{
constexpr std::int32_t kSizes[3] = {140, 215, 290};
constexpr std::int32_t kMenuRgb = 900000;
constexpr std::int32_t kMenuRyb = 900001;
constexpr std::int32_t kMenuSaturation = 900002;
constexpr std::int32_t kMenuValue = 900003;
constexpr std::int32_t kMenuSpread = 900004;
constexpr std::int32_t kMenuFine = 900005;
constexpr std::int32_t kMenuCoarse = 900006;
constexpr std::int32_t kMenuFirstSize = 900007;
constexpr std::int32_t kMenuOklch = 900010;
constexpr std::int32_t kStringOklch = 20137;
constexpr std::int32_t kStringRgb = 20028;
constexpr std::int32_t kStringFirstSize = 20092;
constexpr std::int32_t kAtMouse = 0x7fffffff;
constexpr std::int32_t kMenuFlags = 72;
// The host event that lays out every open dialog again.
constexpr std::int32_t kEventLayout = 604;

std::int32_t SizeIndexFromPreference()
{
  const BaseContainer prefs = GetWorldPreferences();
  if (!prefs.IsValid())
    return 1;
  const std::int32_t index = prefs.GetInt32(ColorWheelArea::kPrefSize, 0);
  return index == 0 || index == 2 ? index : 1;
}

// The perceptual scheme only while its preference is on; RGB in its place
// otherwise, as for any scheme the wheel does not know.
std::int32_t AvailableScheme(std::int32_t scheme)
{
  return scheme == ColorWheelScheme::kOklch && !PerceptualTools::IsOn() ? ColorWheelScheme::kRgb : scheme;
}

void AddItem(BaseContainer& menu, std::int32_t id, std::int32_t stringId, bool checked)
{
  String text = ModuleResource::LoadString(stringId);
  if (checked)
    text = text + "&c&";
  menu.InsertData(id, GeData(text));
}
}  // namespace

std::int32_t ColorWheelArea::SizeFromPreference()
{
  return kSizes[SizeIndexFromPreference()];
}

void ColorWheelArea::WriteDefaults(BaseContainer& state)
{
  state.SetInt32(kOptionSize, SizeFromPreference());
  state.SetBool(kOptionRadius, true);
  state.SetInt32(kOptionHarmony, ColorWheelHarmony::kFree);
  state.SetBool(kOptionLock, false);
  state.SetInt32(kOptionScheme, ColorWheelScheme::kRgb);
  state.SetInt32(kOptionListCount, 0);
  state.SetInt64(kOptionCount, 1);
}

Result<void> ColorWheelArea::LoadOptions()
{
  const BaseContainer& state = _chooser.GetState();
  _lock = state.GetBool(kOptionLock, false);
  _sizeIndex = SizeIndexFromPreference();
  _size = kSizes[_sizeIndex];
  _wheel.SetRadiusIsSaturation(state.GetBool(kOptionRadius, true));
  _wheel.SetScheme(AvailableScheme(state.GetInt32(kOptionScheme, ColorWheelScheme::kRgb)));
  RETURN_IF_ERROR(LoadColors(state));
  RETURN_IF_ERROR(_harmonies.Mono().Load(state, kOptionMonoFactors));
  _harmonies.Analog().SetAnalogMode(state.GetInt32(kOptionAnalogMode, 0));
  _harmony = _harmonies.Get(state.GetInt32(kOptionHarmony, ColorWheelHarmony::kFree)).GetHarmonyId();
  _colorCount = std::max<std::int64_t>(state.GetInt64(kOptionCount, 1), 1);
  if (_list.GetCount() == 0)
  {
    RETURN_IF_ERROR(_list.SetCount(1));
    _list[0].color = _chooser.GetHSV();
    _list.SelectOnly(0);
  }
  _list.SetMaxCount(_harmony == ColorWheelHarmony::kAnalog ? _harmonies.Analog().GetMaxCount() : kMaxColors);
  ApplyOptions();
  return Ok();
}

void ColorWheelArea::ApplyOptions()
{
  if (const ColorListEntry* edited = _list.GetSelectedEntry())
    _wheel.SetFixedComponent(_wheel.GetFixedComponent(edited->color.y, edited->color.z));
  _toolbar.ShowHarmony(_harmony);
  _toolbar.ShowLock(_lock);
}

Result<void> ColorWheelArea::LoadColors(const BaseContainer& state)
{
  RETURN_IF_ERROR(_strip.Read(state, kOptionColors));
  const BaseArray<ColorListEntry>& stored = _strip.GetList().GetEntries();
  // The count wins over a longer list; a damaged state never grows the list
  // past what the wheel holds.
  const std::size_t count = std::min<std::size_t>(
      {stored.GetCount(), static_cast<std::size_t>(std::max(state.GetInt32(kOptionListCount, 0), 0)),
       static_cast<std::size_t>(kMaxColors)});
  // A reload in the same session keeps the colour being edited among
  // several selected ones; the stored form names only the selection.
  const std::int64_t previous = _list.GetSelectedIndex();
  _list.Entries().Flush();
  std::int64_t edited = -1;
  for (std::size_t i = 0; i < count; ++i)
  {
    ColorListEntry entry = stored[i];
    entry.color = entry.color.Clamp01();
    if (entry.selected && edited < 0)
      edited = static_cast<std::int64_t>(i);
    RETURN_IF_ERROR(_list.Entries().Append(entry));
  }
  if (previous >= 0 && previous < static_cast<std::int64_t>(count) &&
      _list[static_cast<std::size_t>(previous)].selected)
    edited = previous;
  if (edited < 0 && count > 0)
    _list[0].selected = true;
  _list.SetSelectedIndex(std::max<std::int64_t>(edited, 0));
  _list.SetLayoutChanged();
  return Ok();
}

Result<void> ColorWheelArea::ConvertStoredColors(BaseContainer& state, std::int32_t code)
{
  if (!state.Contains(kOptionColors))
    return Ok();
  // The strip reads and writes the stored form.
  ColorSwatchesPreviewArea strip(ColorSwatchesPreviewArea::Content::Hsv);
  RETURN_IF_ERROR(strip.Read(state, kOptionColors));
  for (ColorListEntry& entry : strip.GetList().GetEntries())
    entry.color = RgbToHsv(ConvertColorSpace(HsvToRgb(entry.color), code));
  strip.Store(state, kOptionColors);
  return Ok();
}

void ColorWheelArea::StoreColors(BaseContainer& state)
{
  if (_strip.GetList().GetEntries().CopyFrom(_list.Entries()).IsError())
    return;
  _strip.Store(state, kOptionColors);
  state.SetInt32(kOptionListCount, static_cast<std::int32_t>(_list.GetCount()));
}

void ColorWheelArea::StoreOptions()
{
  BaseContainer& state = _chooser.GetState();
  state.SetInt32(kOptionSize, _size);
  state.SetInt32(kOptionScheme, _wheel.GetScheme().GetSchemeId());
  state.SetBool(kOptionRadius, _wheel.IsRadiusSaturation());
  state.SetBool(kOptionLock, _lock);
  state.SetInt32(kOptionHarmony, _harmony);
  state.SetInt32(kOptionAnalogMode, _harmonies.Analog().GetAnalogMode());
  state.SetInt64(kOptionCount, _colorCount);
  StoreColors(state);
  _harmonies.Mono().Store(state, kOptionMonoFactors);
}

bool ColorWheelArea::FollowSize()
{
  const std::int32_t index = SizeIndexFromPreference();
  if (kSizes[index] == _size)
    return false;
  _sizeIndex = index;
  _size = kSizes[index];
  _chooser.GetState().SetInt32(kOptionSize, _size);
  LayoutChanged();
  return true;
}

Result<void> ColorWheelArea::HandleMenu()
{
  BaseContainer menu;
  const std::int32_t scheme = _wheel.GetScheme().GetSchemeId();
  AddItem(menu, kMenuRgb, kStringRgb, scheme == ColorWheelScheme::kRgb);
  AddItem(menu, kMenuRyb, kStringRgb + 1, scheme == ColorWheelScheme::kRyb);
  if (PerceptualTools::IsOn())
    AddItem(menu, kMenuOklch, kStringOklch, scheme == ColorWheelScheme::kOklch);
  AddItem(menu, kMenuSaturation, kStringRgb + 2, _wheel.IsRadiusSaturation());
  AddItem(menu, kMenuValue, kStringRgb + 3, !_wheel.IsRadiusSaturation());
  if (_harmony == ColorWheelHarmony::kMono)
    AddItem(menu, kMenuSpread, kStringRgb + 4, false);
  if (_harmony == ColorWheelHarmony::kAnalog)
  {
    AddItem(menu, kMenuFine, kStringRgb + 5, _harmonies.Analog().GetAnalogMode() == 1);
    AddItem(menu, kMenuCoarse, kStringRgb + 6, _harmonies.Analog().GetAnalogMode() == 0);
  }
  for (std::int32_t i = 0; i < 3; ++i)
    AddItem(menu, kMenuFirstSize + i, kStringFirstSize + i, i == _sizeIndex);
  ColorVisionMenu::Append(menu, _chooser.GetState());
  return ChooseMenuItem(ShowPopupMenu(kAtMouse, kAtMouse, menu, kMenuFlags));
}

Result<void> ColorWheelArea::ChooseMenuItem(std::int32_t item)
{
  if (ColorVisionMenu::Choose(item, _chooser.GetState()))
  {
    _chooser.VisionChanged();
    return Ok();
  }
  switch (item)
  {
    case kMenuRgb:
    case kMenuRyb: _wheel.SetScheme(item == kMenuRyb ? ColorWheelScheme::kRyb : ColorWheelScheme::kRgb); break;
    case kMenuOklch: _wheel.SetScheme(AvailableScheme(ColorWheelScheme::kOklch)); break;
    case kMenuSaturation:
    case kMenuValue: _wheel.SetRadiusIsSaturation(item == kMenuSaturation); break;
    case kMenuSpread:
    {
      RETURN_IF_ERROR(_harmonies.Mono().SpreadEvenly(_list.GetCount()));
      const std::int64_t selected = _list.GetSelectedIndex();
      _list.SetSelectedIndex(0);
      const Vector main = _list.GetCount() > 0 ? _list[0].color : Vector();
      const Result<void> spread = _harmonies.Mono().Compute(main, _list);
      _list.SetSelectedIndex(selected);
      RETURN_IF_ERROR(spread);
      break;
    }
    case kMenuFine:
    case kMenuCoarse:
      _harmonies.Analog().SetAnalogMode(item == kMenuFine ? 1 : 0);
      _list.SetMaxCount(_harmonies.Analog().GetMaxCount());
      RETURN_IF_ERROR(ApplyHarmonyCount());
      break;
    case kMenuFirstSize:
    case kMenuFirstSize + 1:
    case kMenuFirstSize + 2: return SetSizeIndex(item - kMenuFirstSize);
    default: return Ok();
  }
  ApplyOptions();
  RETURN_IF_ERROR(ComputeFromSelected());
  RedrawAll();
  Report(false);
  StoreOptions();
  return Ok();
}

Result<void> ColorWheelArea::SetSizeIndex(std::int32_t index)
{
  if (index == _sizeIndex && kSizes[index] == _size)
    return Ok();
  BaseContainer prefs = GetWorldPreferences();
  if (!prefs.IsValid())
    return UnexpectedError("The world preferences are missing.");
  prefs.SetInt32(kPrefSize, index);
  _sizeIndex = index;
  _size = kSizes[index];
  StoreOptions();
  LayoutChanged();
  ChooserView::PostBroadcast(chooser::kBroadcastWheelOptions, &_chooser);
  PostEvent(kEventLayout, chooser::kBroadcastWheelOptions, 0);
  return Ok();
}
