#include "swatches/newswatchgroup.h"

#include "hostservices.h"
#include "moduleresource.h"
#include "swatches/icolorswatchdata.h"
#include "swatches/swatchgrouprenamedialog.h"

namespace
{
constexpr std::int32_t kStringTitleWithCount = 20068;

String TitleFor(std::size_t count)
{
  return ModuleResource::LoadString(kStringTitleWithCount, String::FromInt(static_cast<std::int64_t>(count)));
}
}  // namespace

Result<bool> AddColorsAsNewGroup(std::span<const SwatchColor> colors)
{
  SwatchGroupRenameDialog dialog(ColorSwatchGroup::DefaultName(), true);
  if (!dialog.Ask(TitleFor(colors.size())))
    return false;
  GxaDocument* doc = GetActiveDocument();
  std::unique_ptr<iColorSwatchData> data = iColorSwatchData::SDKLoad(doc, true);
  if (!data)
    return OutOfMemoryError("swatch data");
  RETURN_IF_ERROR(data->EnsureCollections());
  for (std::int32_t c = 0; c < iColorSwatchData::kCollectionCount; ++c)
    data->GetCollection(c)->SelectAll(false);
  const std::int32_t collection =
      SwatchGroupRenameDialog::IsGlobalChosen() ? iColorSwatchData::kGlobal : iColorSwatchData::kDocument;
  if (!data->CreateGroup(collection, dialog.GetName(), true, data->GetGroupCount(collection), colors))
    return OutOfMemoryError("new swatch group");
  if (!data->SDKSave(doc, true))
    return UnexpectedError("the swatches could not be saved");
  return true;
}
