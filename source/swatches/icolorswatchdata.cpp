#include "swatches/icolorswatchdata.h"

#include "chooserids.h"
#include "diagnostics.h"
#include "hostservices.h"
#include "swatches/swatchstorage.h"

std::unique_ptr<iColorSwatchData> iColorSwatchData::SDKLoad(GxaDocument* doc, bool withGlobal)
{
  Result<std::unique_ptr<iColorSwatchData>> made = CatchErrors([] { return std::make_unique<iColorSwatchData>(); });
  if (made.IsError())
    return nullptr;
  std::unique_ptr<iColorSwatchData> data = std::move(made).GetValue();
  Result<void> read = data->Load(doc, false, withGlobal);
  if (read.IsError())
    ReportError("iColorSwatchData::SDKLoad()", read.GetError());
  return data;
}

bool iColorSwatchData::Reload(GxaDocument* doc, bool append, bool withGlobal)
{
  if (!doc && !withGlobal)
    return false;
  Result<void> read = Load(doc, append, withGlobal);
  if (read.IsError())
  {
    ReportError("iColorSwatchData::SDKLoad()", read.GetError());
    return false;
  }
  return true;
}

Result<void> iColorSwatchData::Load(GxaDocument* doc, bool append, bool withGlobal)
{
  RETURN_IF_ERROR(EnsureCollections());
  if (doc)
  {
    if (!append)
      GetCollection(kDocument)->Flush();
    RETURN_IF_ERROR(swatchstorage::ReadDocument(doc, *GetCollection(kDocument)));
  }
  if (withGlobal)
  {
    if (!append)
      GetCollection(kGlobal)->Flush();
    RETURN_IF_ERROR(swatchstorage::ReadGlobal(*GetCollection(kGlobal)));
  }
  return Ok();
}

bool iColorSwatchData::SDKSave(GxaDocument* doc, bool withGlobal)
{
  Result<void> saved = Save(doc, withGlobal);
  if (saved.IsError())
  {
    ReportError("iColorSwatchData::SDKSave()", saved.GetError());
    return false;
  }
  PostEvent(chooser::kBroadcastEvent, kChangedEvent, 0);
  return true;
}

Result<void> iColorSwatchData::Save(GxaDocument* doc, bool withGlobal)
{
  RETURN_IF_ERROR(EnsureCollections());
  if (doc)
    RETURN_IF_ERROR(swatchstorage::WriteDocument(doc, *GetCollection(kDocument)));
  if (withGlobal)
    RETURN_IF_ERROR(swatchstorage::WriteGlobal(*GetCollection(kGlobal)));
  return Ok();
}

bool iColorSwatchData::SDKSetGroupAtIndex(std::int32_t groupIndex, const ColorSwatchGroup* group,
                                          std::int32_t collection)
{
  ColorSwatchGroup* target = GetGroup(groupIndex, collection);
  if (!group || !target)
    return false;
  Result<void> copied = target->CopyFrom(*group);
  if (copied.IsError())
  {
    ReportError("iColorSwatchData::SDKSetGroupAtIndex()", copied.GetError());
    return false;
  }
  return true;
}

bool iColorSwatchData::SDKInsertGroup(const ColorSwatchGroup* group, std::int32_t groupIndex, std::int32_t collection)
{
  if (EnsureCollections().IsError())
    return false;
  ColorSwatchCollection* groups = GetCollection(collection);
  if (!group || !groups)
    return false;
  Result<void> inserted = [&]() -> Result<void> {
    ASSIGN_OR_RETURN(auto copy, NewSwatchGroup());
    RETURN_IF_ERROR(copy->CopyFrom(*group));
    RETURN_IF_ERROR(groups->Insert(groupIndex, std::move(copy)));
    return Ok();
  }();
  if (inserted.IsError())
  {
    ReportError("iColorSwatchData::SDKInsertGroup()", inserted.GetError());
    return false;
  }
  return true;
}

bool iColorSwatchData::SDKRemoveGroup(std::int32_t groupIndex, std::int32_t collection)
{
  ColorSwatchCollection* groups = GetCollection(collection);
  if (!groups)
    return false;
  Result<void> removed = groups->Remove(groupIndex);
  if (removed.IsError())
  {
    ReportError("iColorSwatchData::SDKRemoveGroup()", removed.GetError());
    return false;
  }
  return true;
}

bool iColorSwatchData::Merge(const iColorSwatchData* other, bool includeGlobal)
{
  if (!other)
    return false;
  Result<void> merged = MergeFrom(*other, includeGlobal);
  if (merged.IsError())
  {
    ReportError("iColorSwatchData::Merge()", merged.GetError());
    return false;
  }
  return true;
}

Result<void> iColorSwatchData::MergeFrom(const iColorSwatchData& other, bool includeGlobal)
{
  if (!other.HoldsBothCollections())
    return Ok();
  RETURN_IF_ERROR(EnsureCollections());
  if (includeGlobal)
    RETURN_IF_ERROR(GetCollection(kGlobal)->AppendCopies(*other.GetCollection(kGlobal)));
  return GetCollection(kDocument)->AppendCopies(*other.GetCollection(kDocument));
}

bool iColorSwatchData::CopyFrom(const iColorSwatchData* other)
{
  if (!other)
    return false;
  Result<void> copied = CopyCollections(other);
  if (copied.IsError())
  {
    ReportError("iColorSwatchData::CopyFrom()", copied.GetError());
    return false;
  }
  return true;
}

Result<void> iColorSwatchData::CopyCollections(const iColorSwatchData* other)
{
  if (other == this)
    return Ok();
  RETURN_IF_ERROR(EnsureCollections());
  if (!other->HoldsBothCollections())
  {
    Flush();
    return Ok();
  }
  for (std::int32_t i = 0; i < kCollectionCount; ++i)
    RETURN_IF_ERROR(GetCollection(i)->CopyFrom(*other->GetCollection(i)));
  return Ok();
}

std::int32_t iColorSwatchData::GetGroupCount(std::int32_t collection) const
{
  const ColorSwatchCollection* groups = GetCollection(collection);
  return groups ? groups->GetCount() : 0;
}

ColorSwatchGroup* iColorSwatchData::GetGroup(std::int32_t groupIndex, std::int32_t collection)
{
  ColorSwatchCollection* groups = GetCollection(collection);
  return groups ? groups->GetGroup(groupIndex) : nullptr;
}

ColorSwatchGroup* iColorSwatchData::CreateGroup(std::int32_t collection, const String& name, bool selected,
                                                std::int32_t groupIndex, std::span<const SwatchColor> colors)
{
  ColorSwatchCollection* groups = GetCollection(collection);
  if (!groups || groupIndex < 0 || groupIndex > groups->GetCount())
    return nullptr;
  Result<ColorSwatchGroup*> made = [&]() -> Result<ColorSwatchGroup*> {
    ASSIGN_OR_RETURN(auto group, NewSwatchGroup());
    group->SetName(name);
    if (!colors.empty())
      RETURN_IF_ERROR(group->AddColors(colors, selected, false, 0));
    group->SelectGroup(selected);
    return groups->Insert(groupIndex, std::move(group));
  }();
  return made.IsOk() ? made.GetValue() : nullptr;
}

bool iColorSwatchData::RemoveSelected()
{
  bool removed = false;
  for (auto& groups : _collections)
    removed = groups->RemoveSelected() || removed;
  return removed;
}

void iColorSwatchData::Flush()
{
  for (auto& groups : _collections)
    groups->Flush();
}

ColorSwatchCollection* iColorSwatchData::GetCollection(std::int32_t collection)
{
  if (collection < 0 || collection >= kCollectionCount || !HoldsBothCollections())
    return nullptr;
  return _collections[static_cast<std::size_t>(collection)].get();
}

const ColorSwatchCollection* iColorSwatchData::GetCollection(std::int32_t collection) const
{
  return const_cast<iColorSwatchData*>(this)->GetCollection(collection);
}

Result<void> iColorSwatchData::EnsureCollections()
{
  if (_collections.GetCount() > kCollectionCount)
    RETURN_IF_ERROR(_collections.Erase(kCollectionCount, _collections.GetCount() - kCollectionCount));
  while (_collections.GetCount() < kCollectionCount)
  {
    ASSIGN_OR_RETURN(auto groups, CatchErrors([] { return std::make_unique<ColorSwatchCollection>(); }));
    RETURN_IF_ERROR(_collections.Append(std::move(groups)));
  }
  return Ok();
}
