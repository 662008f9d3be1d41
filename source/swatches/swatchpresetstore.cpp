#include "swatches/swatchpresetstore.h"

#include "presetbrowser.h"
#include "swatches/colorswatchpreset.h"
#include "swatches/swatchpresetapply.h"

namespace swatchpresetstore
{
Result<void> Save(iColorSwatchData& data, const String& url, const String& text, bool overwrite)
{
  const ColorSwatchCollection* document = data.GetCollection(iColorSwatchData::kDocument);
  if (!document)
    return IllegalArgumentError("the swatch data is incomplete");
  if (!document->HasSwatches())
    return IllegalArgumentError("the document swatches hold no colour");
  if (presetbrowser::Exists(url))
  {
    if (!overwrite)
      return IllegalArgumentError("a preset named " + url.GetStd() + " exists");
    if (!presetbrowser::DeleteItem(url))
      return UnexpectedError("the preset at " + url.GetStd() + " could not be replaced");
  }
  ASSIGN_OR_RETURN(const BaseContainer collection, document->ToContainer());
  ColorSwatchPreset preset(url);
  preset.SetContainerToSave(&collection);
  RETURN_IF_ERROR(preset.Store(ColorSwatchPreset::kTypeId));
  if (!text.IsEmpty())
    presetbrowser::SetItemText(url, text);
  return Ok();
}

Result<void> Load(iColorSwatchData& data, const String& url, bool merge)
{
  ColorSwatchPreset preset(url);
  RETURN_IF_ERROR(preset.ReadStoredData());
  ASSIGN_OR_RETURN(const BaseContainer collection, preset.ReadContainer());
  return AddPresetGroups(data, collection, merge);
}

bool IsSwatchPreset(const String& url)
{
  const auto info = presetbrowser::ItemInfo(url);
  return info && info->kind == GXA_PRESET_KIND_PRESET && info->type_id == ColorSwatchPreset::kTypeId;
}
}  // namespace swatchpresetstore
