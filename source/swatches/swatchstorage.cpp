#include "swatches/swatchstorage.h"

#include "hostservices.h"

namespace swatchstorage
{
namespace
{
struct Rgb8
{
  int red, green, blue;
};

constexpr Rgb8 kDefaultSwatches[] = {
    {0, 0, 0},     {64, 64, 64},   {128, 128, 128}, {191, 191, 191}, {191, 96, 96}, {191, 143, 96}, {191, 191, 96},
    {96, 191, 96}, {96, 191, 191}, {96, 143, 191},  {89, 97, 105},   {96, 96, 191}, {143, 96, 191}, {191, 96, 191},
};

double From8Bit(int v)
{
  const double c = v * (1.0 / 255.0);
  return c < 0.0 ? 0.0 : (c > 1.0 ? 1.0 : c);
}

// An earlier layout kept one group directly in the preference. Its flag was
// an int32; this host's booleans have a type of their own, so both count.
bool IsSingleGroup(const BaseContainer& stored)
{
  const std::int32_t flag = stored.GetType(ColorSwatchGroup::kSelected);
  return stored.GetType(ColorSwatchGroup::kName) == GXA_TYPE_STRING &&
         (flag == GXA_TYPE_INT32 || flag == GXA_TYPE_BOOL) &&
         stored.GetType(ColorSwatchGroup::kRecords) == GXA_TYPE_BYTEARRAY;
}
}  // namespace

Result<void> ReadDocument(GxaDocument* doc, ColorSwatchCollection& into)
{
  BaseContainer data = GetDocumentData(doc);
  if (!data.IsValid() || data.GetType(kDocumentData) != GXA_TYPE_CONTAINER)
    return Ok();
  const BaseContainer swatches = data.GetContainer(kDocumentData);
  if (swatches.GetType(kDocumentCollection) != GXA_TYPE_CONTAINER)
    return Ok();
  return into.ReadFrom(swatches.GetContainer(kDocumentCollection));
}

Result<void> WriteDocument(GxaDocument* doc, const ColorSwatchCollection& from)
{
  BaseContainer data = GetDocumentData(doc);
  if (!data.IsValid())
    return IllegalArgumentError("the document has no data container");
  ASSIGN_OR_RETURN(BaseContainer collection, from.ToContainer());
  BaseContainer swatches;
  swatches.SetContainer(kDocumentCollection, collection);
  data.SetContainer(kDocumentData, swatches);
  MarkDocumentChanged(doc);
  return Ok();
}

Result<void> ReadGlobal(ColorSwatchCollection& into)
{
  BaseContainer prefs = GetWorldPreferences();
  if (!prefs.IsValid())
    return UnexpectedError("no world preferences");
  if (prefs.GetType(kGlobalSwatches) != GXA_TYPE_CONTAINER)
  {
    ColorSwatchCollection defaults;
    RETURN_IF_ERROR(AddDefaultGroup(defaults));
    RETURN_IF_ERROR(WriteGlobal(defaults));
    return into.AppendCopies(defaults);
  }
  const BaseContainer stored = prefs.GetContainer(kGlobalSwatches);
  if (IsSingleGroup(stored))
    return into.ReadSingleGroup(stored);
  return into.ReadFrom(stored);
}

Result<void> WriteGlobal(const ColorSwatchCollection& from)
{
  BaseContainer prefs = GetWorldPreferences();
  if (!prefs.IsValid())
    return UnexpectedError("no world preferences");
  ASSIGN_OR_RETURN(BaseContainer collection, from.ToContainer());
  prefs.SetContainer(kGlobalSwatches, collection);
  return Ok();
}

Result<void> AddDefaultGroup(ColorSwatchCollection& into)
{
  ASSIGN_OR_RETURN(auto group, NewSwatchGroup());
  for (const Rgb8& c : kDefaultSwatches)
    RETURN_IF_ERROR(
        group->AddColor({From8Bit(c.red), From8Bit(c.green), From8Bit(c.blue), 1.0}, false, ColorSwatchGroup::kAppend));
  RETURN_IF_ERROR(into.Append(std::move(group)));
  return Ok();
}
}  // namespace swatchstorage
