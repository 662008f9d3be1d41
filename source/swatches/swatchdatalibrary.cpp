#include "swatches/swatchdatalibrary.h"

#include "entryguard.h"
#include "swatches/swatchgrouplibrary.h"
#include "swatches/swatchpresetlibrary.h"

namespace
{
GxaSwatchData* Load(GxaDocument* doc, bool withGlobal)
{
  return GuardEntry("iColorSwatchData::SDKLoad()", static_cast<GxaSwatchData*>(nullptr), [&] {
    return reinterpret_cast<GxaSwatchData*>(iColorSwatchData::SDKLoad(doc, withGlobal).release());
  });
}

void Free(GxaSwatchData** data)
{
  if (!data)
    return;
  delete FromHandle(*data);
  *data = nullptr;
}

bool Reload(GxaSwatchData* data, GxaDocument* doc, bool append, bool withGlobal)
{
  return data && GuardEntry("iColorSwatchData::SDKLoad()", false,
                            [&] { return FromHandle(data)->Reload(doc, append, withGlobal); });
}

bool Save(GxaSwatchData* data, GxaDocument* doc, bool withGlobal)
{
  return data &&
         GuardEntry("iColorSwatchData::SDKSave()", false, [&] { return FromHandle(data)->SDKSave(doc, withGlobal); });
}

bool MergeData(GxaSwatchData* data, const GxaSwatchData* other, bool includeGlobal)
{
  return data && GuardEntry("iColorSwatchData::Merge()", false,
                            [&] { return FromHandle(data)->Merge(FromHandle(other), includeGlobal); });
}

bool CopyFrom(GxaSwatchData* data, const GxaSwatchData* other)
{
  return data && GuardEntry("iColorSwatchData::CopyFrom()", false,
                            [&] { return FromHandle(data)->CopyFrom(FromHandle(other)); });
}

std::int32_t GroupCount(const GxaSwatchData* data, std::int32_t collection)
{
  return data ? FromHandle(data)->GetGroupCount(collection) : 0;
}

GxaSwatchGroup* GroupAt(GxaSwatchData* data, std::int32_t index, std::int32_t collection)
{
  return data ? ToHandle(FromHandle(data)->GetGroup(index, collection)) : nullptr;
}

bool SetGroupAt(GxaSwatchData* data, std::int32_t index, const GxaSwatchGroup* group, std::int32_t collection)
{
  return data && GuardEntry("iColorSwatchData::SDKSetGroupAtIndex()", false,
                            [&] { return FromHandle(data)->SDKSetGroupAtIndex(index, FromHandle(group), collection); });
}

GxaSwatchGroup* CreateGroup(GxaSwatchData* data, std::int32_t collection, const char* name, bool selected,
                            std::int32_t index, const double* rgba, std::int32_t count)
{
  if (!data)
    return nullptr;
  return GuardEntry("iColorSwatchData::CreateGroup()", static_cast<GxaSwatchGroup*>(nullptr), [&] {
    std::span<const SwatchColor> colors;
    if (rgba && count > 0)
      colors = {reinterpret_cast<const SwatchColor*>(rgba), static_cast<std::size_t>(count)};
    return ToHandle(FromHandle(data)->CreateGroup(collection, String(name), selected, index, colors));
  });
}

bool InsertGroup(GxaSwatchData* data, const GxaSwatchGroup* group, std::int32_t index, std::int32_t collection)
{
  return data && GuardEntry("iColorSwatchData::SDKInsertGroup()", false,
                            [&] { return FromHandle(data)->SDKInsertGroup(FromHandle(group), index, collection); });
}

bool RemoveGroup(GxaSwatchData* data, std::int32_t index, std::int32_t collection)
{
  return data && FromHandle(data)->SDKRemoveGroup(index, collection);
}

bool RemoveSelected(GxaSwatchData* data)
{
  return data && FromHandle(data)->RemoveSelected();
}

void Flush(GxaSwatchData* data)
{
  if (data)
    FromHandle(data)->Flush();
}
}  // namespace

void FillSwatchDataTable(GxaSwatchDataTable& t)
{
  t.load = Load;
  t.free = Free;
  t.reload = Reload;
  t.save = Save;
  FillSwatchPresetEntries(t);
  t.merge = MergeData;
  t.copy_from = CopyFrom;
  t.group_count = GroupCount;
  t.group_at = GroupAt;
  t.set_group_at = SetGroupAt;
  t.create_group = CreateGroup;
  t.insert_group = InsertGroup;
  t.remove_group = RemoveGroup;
  t.remove_selected = RemoveSelected;
  t.flush = Flush;
}
