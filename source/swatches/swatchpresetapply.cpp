#include "swatches/swatchpresetapply.h"

#include "chooserids.h"
#include "hostservices.h"

Result<void> AddPresetGroups(iColorSwatchData& data, const BaseContainer& preset, bool merge)
{
  ColorSwatchCollection loaded;
  RETURN_IF_ERROR(loaded.ReadFrom(preset));
  loaded.SelectAll(true);
  RETURN_IF_ERROR(data.EnsureCollections());
  if (merge)
  {
    data.GetCollection(iColorSwatchData::kGlobal)->SelectAll(false);
    data.GetCollection(iColorSwatchData::kDocument)->SelectAll(false);
  }
  else
  {
    data.GetCollection(iColorSwatchData::kDocument)->Flush();
  }
  return data.GetCollection(iColorSwatchData::kDocument)->AppendCopies(loaded);
}

Result<void> ApplySwatchPreset(const BaseContainer& preset)
{
  GxaDocument* doc = GetActiveDocument();
  if (!doc)
    return IllegalArgumentError("no active document");
  iColorSwatchData data;
  RETURN_IF_ERROR(data.Load(doc, false, true));
  RETURN_IF_ERROR(AddPresetGroups(data, preset, true));
  RETURN_IF_ERROR(data.Save(doc, true));
  PostEvent(chooser::kBroadcastEvent, iColorSwatchData::kChangedEvent, 0);
  return Ok();
}
