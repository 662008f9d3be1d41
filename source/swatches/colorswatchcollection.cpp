#include "swatches/colorswatchcollection.h"

#include <algorithm>

Result<std::unique_ptr<ColorSwatchGroup>> NewSwatchGroup()
{
  return CatchErrors([] { return std::make_unique<ColorSwatchGroup>(); });
}

ColorSwatchGroup* ColorSwatchCollection::GetGroup(std::int32_t index)
{
  auto* slot = index < 0 ? nullptr : _groups.GetPointer(static_cast<std::size_t>(index));
  return slot ? slot->get() : nullptr;
}

const ColorSwatchGroup* ColorSwatchCollection::GetGroup(std::int32_t index) const
{
  auto* slot = index < 0 ? nullptr : _groups.GetPointer(static_cast<std::size_t>(index));
  return slot ? slot->get() : nullptr;
}

Result<ColorSwatchGroup*> ColorSwatchCollection::Insert(std::int32_t index, std::unique_ptr<ColorSwatchGroup> group)
{
  if (index < 0 || index > GetCount())
    return OutOfRangeError();
  ASSIGN_OR_RETURN(auto* slot, _groups.Insert(static_cast<std::size_t>(index), std::move(group)));
  return slot->get();
}

Result<ColorSwatchGroup*> ColorSwatchCollection::Append(std::unique_ptr<ColorSwatchGroup> group)
{
  return Insert(GetCount(), std::move(group));
}

Result<ColorSwatchGroup*> ColorSwatchCollection::AppendCopyOf(const ColorSwatchGroup& group)
{
  ASSIGN_OR_RETURN(auto copy, NewSwatchGroup());
  RETURN_IF_ERROR(copy->CopyFrom(group));
  return Append(std::move(copy));
}

Result<void> ColorSwatchCollection::Remove(std::int32_t index)
{
  if (index < 0 || index >= GetCount())
    return OutOfRangeError("group index " + std::to_string(index) + " of " + std::to_string(GetCount()));
  return _groups.Erase(static_cast<std::size_t>(index));
}

Result<void> ColorSwatchCollection::AppendCopies(const ColorSwatchCollection& other)
{
  // Counted first: other may be this collection.
  const std::int32_t count = other.GetCount();
  for (std::int32_t i = 0; i < count; ++i)
    RETURN_IF_ERROR(AppendCopyOf(*other.GetGroup(i)));
  return Ok();
}

Result<void> ColorSwatchCollection::CopyFrom(const ColorSwatchCollection& other)
{
  if (&other == this)
    return Ok();
  ColorSwatchCollection copy;
  RETURN_IF_ERROR(copy.AppendCopies(other));
  _groups = std::move(copy._groups);
  return Ok();
}

void ColorSwatchCollection::SelectAll(bool value)
{
  for (auto& group : _groups)
    group->SelectGroup(value);
}

bool ColorSwatchCollection::RemoveSelected()
{
  bool removed = false;
  for (std::int32_t i = GetCount() - 1; i >= 0; --i)
  {
    ColorSwatchGroup* group = GetGroup(i);
    if (group->IsSelected())
    {
      (void)Remove(i);
      removed = true;
    }
    else
    {
      removed = group->RemoveSelectedColors() || removed;
    }
  }
  return removed;
}

bool ColorSwatchCollection::HasSwatches() const
{
  for (const auto& group : _groups)
    if (group->GetCount() > 0)
      return true;
  return false;
}

Result<void> ColorSwatchCollection::ReadFrom(const BaseContainer& stored)
{
  for (const std::int32_t id : StoredGroupIds(stored))
    RETURN_IF_ERROR(ReadSingleGroup(stored.GetContainer(id)));
  return Ok();
}

std::vector<std::int32_t> ColorSwatchCollection::StoredGroupIds(const BaseContainer& stored)
{
  const std::int32_t count = stored.GetInt32(kGroupCount);
  std::vector<std::int32_t> ids;
  for (const BaseContainer::Entry entry : stored)
    if (entry.id >= 1 && entry.id <= count && stored.GetType(entry.id) == GXA_TYPE_CONTAINER)
      ids.push_back(entry.id);
  std::sort(ids.begin(), ids.end());
  return ids;
}

Result<void> ColorSwatchCollection::ReadSingleGroup(const BaseContainer& stored)
{
  ASSIGN_OR_RETURN(auto group, NewSwatchGroup());
  RETURN_IF_ERROR(group->ReadFrom(stored));
  RETURN_IF_ERROR(Append(std::move(group)));
  return Ok();
}

Result<BaseContainer> ColorSwatchCollection::ToContainer() const
{
  BaseContainer stored;
  stored.SetInt32(kGroupCount, GetCount());
  for (std::int32_t i = 0; i < GetCount(); ++i)
  {
    const std::int32_t id = i + 1;
    stored.SetContainer(id, BaseContainer());
    BaseContainer slot = stored.GetContainerInstance(id);
    if (!slot.IsValid())
      return OutOfMemoryError("group container");
    RETURN_IF_ERROR(_groups[static_cast<std::size_t>(i)]->WriteTo(slot));
  }
  return stored;
}
