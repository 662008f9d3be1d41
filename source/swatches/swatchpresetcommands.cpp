#include "swatches/swatchpresetcommands.h"

#include "diagnostics.h"
#include "gedata.h"
#include "hostdialogs.h"
#include "moduleresource.h"
#include "presetbrowser.h"
#include "swatches/icolorswatchdata.h"
#include "swatches/swatchpresetpopup.h"
#include "swatches/swatchpresetstore.h"
#include "swatches/swatchpreseturl.h"

namespace swatchpresetcommands
{
namespace
{
constexpr std::int32_t kStringSaveTitle = 20087;
constexpr std::int32_t kStringPresetType = 20088;
constexpr std::int32_t kStringLoadTitle = 20086;
constexpr std::int32_t kStringReplaceQuestion = 20111;
}  // namespace

Result<bool> SaveAsPreset(const ColorSwatchCollection& groups)
{
  String name;
  bool unused = false;
  if (!ShowTextPrompt(ModuleResource::LoadString(kStringSaveTitle), ModuleResource::LoadString(kStringPresetType), name,
                      String(), unused))
    return false;
  name = name.Trimmed();
  if (name.IsEmpty())
    return false;
  const String url = swatchpreseturl::ForName(name);
  const bool replace = presetbrowser::Exists(url);
  if (replace && !ShowQuestion(ModuleResource::LoadString(kStringReplaceQuestion, name)))
    return false;
  iColorSwatchData data;
  RETURN_IF_ERROR(data.EnsureCollections());
  RETURN_IF_ERROR(data.GetCollection(iColorSwatchData::kDocument)->CopyFrom(groups));
  RETURN_IF_ERROR(swatchpresetstore::Save(data, url, String(), replace));
  return true;
}

Result<String> ChoosePreset()
{
  ASSIGN_OR_RETURN(BaseArray<SwatchPresetThumbnailArea::Item> items,
                   SwatchPresetPopupDialog::ReadFolder(PresetFolder()));
  SwatchPresetPopupDialog popup(std::move(items));
  return popup.Ask(ModuleResource::LoadString(kStringLoadTitle));
}

void OpenFolder(const String& folder)
{
  if (!presetbrowser::OpenBrowser(folder))
    DiagnosticOutput("The preset browser could not be opened at @.", folder.GetStd());
}

String PresetFolder()
{
  const String user = swatchpreseturl::DefaultFolder();
  if (presetbrowser::Exists(user))
    return user;
  return swatchpreseturl::Join(
      swatchpreseturl::Join(String(swatchpreseturl::kScheme), String(swatchpreseturl::kShippedLibrary)),
      ModuleResource::LoadString(kStringPresetType));
}
}  // namespace swatchpresetcommands
