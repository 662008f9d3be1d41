#include "swatches/swatchselection.h"

#include <algorithm>

#include "gxa_api.h"
#include "swatches/icolorswatchdata.h"

namespace
{
template <typename Visit>
void ForEachGroup(iColorSwatchData& data, Visit&& visit)
{
  for (std::int32_t c = 0; c < iColorSwatchData::kCollectionCount; ++c)
    for (std::int32_t g = 0; g < data.GetGroupCount(c); ++g)
      visit(c, g, *data.GetGroup(g, c));
}
}  // namespace

ColorSwatchGroup* SwatchSelection::GroupOf(const Item& item) const
{
  return item.IsSet() ? _data.GetGroup(item.group, item.collection) : nullptr;
}

std::int64_t SwatchSelection::OrderOf(const Item& item) const
{
  return (static_cast<std::int64_t>(item.collection) << 42) | (static_cast<std::int64_t>(item.group) << 21) |
         static_cast<std::int64_t>(item.swatch + 1);
}

bool SwatchSelection::HasSelection() const
{
  bool any = false;
  ForEachGroup(_data, [&](std::int32_t, std::int32_t, const ColorSwatchGroup& group) {
    any = any || group.IsSelected();
    for (std::int32_t i = 0; !any && i < group.GetCount(); ++i)
      any = group.IsColorSelected(i);
  });
  return any;
}

bool SwatchSelection::HasSelectedGroup() const
{
  bool any = false;
  ForEachGroup(_data,
               [&](std::int32_t, std::int32_t, const ColorSwatchGroup& group) { any = any || group.IsSelected(); });
  return any;
}

void SwatchSelection::DeselectAll()
{
  for (std::int32_t c = 0; c < iColorSwatchData::kCollectionCount; ++c)
    if (ColorSwatchCollection* collection = _data.GetCollection(c))
      collection->SelectAll(false);
}

void SwatchSelection::SelectOnly(const Item& item)
{
  DeselectAll();
  ColorSwatchGroup* group = GroupOf(item);
  if (!group)
    return;
  if (item.IsSwatch())
    group->SetColorSelected(item.swatch, true);
  else
    group->SelectGroup(true);
}

SwatchSelection::Press SwatchSelection::PressSwatch(const Item& item, std::int32_t qualifiers)
{
  Press press{item, qualifiers, false, false};
  ColorSwatchGroup* group = GroupOf(item);
  if (!group || !item.IsSwatch())
    return press;
  press.wasSelected = group->IsColorSelected(item.swatch);
  if (qualifiers & GXA_QUALIFIER_CTRL)
  {
    group->SetColorSelected(item.swatch, true);
    _anchor = item;
  }
  else if (qualifiers & GXA_QUALIFIER_SHIFT)
  {
    if (GroupOf(_anchor))
    {
      SelectSwatchRange(_anchor, item);
    }
    else
    {
      press.withoutAnchor = true;
      SelectOnly(item);
    }
  }
  else
  {
    _anchor = item;
    if (!press.wasSelected)
      SelectOnly(item);
  }
  return press;
}

void SwatchSelection::ReleaseSwatch(const Press& press)
{
  if (press.qualifiers & (GXA_QUALIFIER_CTRL | GXA_QUALIFIER_SHIFT))
    return;
  SelectOnly(press.item);
}

SwatchSelection::Press SwatchSelection::PressGroup(const Item& item, std::int32_t qualifiers)
{
  Item groupItem{item.collection, item.group, -1};
  Press press{groupItem, qualifiers, false, false};
  ColorSwatchGroup* group = GroupOf(groupItem);
  if (!group)
    return press;
  press.wasSelected = group->IsSelected();
  if (qualifiers & GXA_QUALIFIER_CTRL)
  {
    group->SelectGroup(true);
    _anchor = groupItem;
  }
  else if ((qualifiers & GXA_QUALIFIER_SHIFT) && GroupOf(_anchor))
  {
    SelectGroupRange(_anchor, groupItem);
  }
  else if (!press.wasSelected)
  {
    SelectOnly(groupItem);
    _anchor = groupItem;
  }
  else
  {
    _anchor = groupItem;
  }
  return press;
}

void SwatchSelection::SelectSwatchRange(const Item& from, const Item& to)
{
  // A group anchor starts the range at its first swatch.
  Item start = from;
  if (!start.IsSwatch())
    start.swatch = 0;
  const std::int64_t a = std::min(OrderOf(start), OrderOf(to)), b = std::max(OrderOf(start), OrderOf(to));
  DeselectAll();
  ForEachGroup(_data, [&](std::int32_t c, std::int32_t g, ColorSwatchGroup& group) {
    for (std::int32_t i = 0; i < group.GetCount(); ++i)
    {
      const std::int64_t order = OrderOf(Item{c, g, i});
      if (order >= a && order <= b)
        group.SetColorSelected(i, true);
    }
  });
}

void SwatchSelection::SelectGroupRange(const Item& from, const Item& to)
{
  const Item first{from.collection, from.group, -1}, last{to.collection, to.group, -1};
  const std::int64_t a = std::min(OrderOf(first), OrderOf(last)), b = std::max(OrderOf(first), OrderOf(last));
  DeselectAll();
  ForEachGroup(_data, [&](std::int32_t c, std::int32_t g, ColorSwatchGroup& group) {
    const std::int64_t order = OrderOf(Item{c, g, -1});
    if (order >= a && order <= b)
      group.SelectGroup(true);
  });
}

Result<BaseArray<SwatchColor>> SwatchSelection::SelectedColors() const
{
  BaseArray<SwatchColor> colors;
  Result<void> status = Ok();
  ForEachGroup(_data, [&](std::int32_t, std::int32_t, const ColorSwatchGroup& group) {
    if (status.IsError())
      return;
    Result<BaseArray<SwatchColor>> selected = group.GetColors(true);
    status = selected.IsError() ? Result<void>(selected.GetError()) : colors.AppendAll(selected.GetValue());
  });
  RETURN_IF_ERROR(status);
  return colors;
}

Result<SwatchSelection::Item> SwatchSelection::AppendGroup(std::int32_t collection, const String& name,
                                                           std::span<const SwatchColor> colors)
{
  DeselectAll();
  const std::int32_t index = _data.GetGroupCount(collection);
  if (!_data.CreateGroup(collection, name, true, index, colors))
    return OutOfMemoryError("new swatch group");
  _anchor = Item{collection, index, -1};
  return _anchor;
}

Result<SwatchSelection::Item> SwatchSelection::NewGroupFromSelection(bool copy, std::int32_t collection,
                                                                     const String& name)
{
  ASSIGN_OR_RETURN(const BaseArray<SwatchColor> colors, SelectedColors());
  if (!copy)
    ForEachGroup(_data, [](std::int32_t, std::int32_t, ColorSwatchGroup& group) { group.RemoveSelectedColors(); });
  return AppendGroup(collection, name, {colors.GetData(), colors.GetCount()});
}

Result<void> SwatchSelection::PutSwatches(const Item& target, bool copy)
{
  ColorSwatchGroup* group = GroupOf(target);
  if (!group)
    return IllegalArgumentError("no group to drop the swatches in");
  ASSIGN_OR_RETURN(const BaseArray<SwatchColor> colors, SelectedColors());
  std::int32_t index = std::clamp(target.swatch, 0, group->GetCount());
  if (!copy)
  {
    // Swatches taken out before the drop position shift it.
    for (std::int32_t i = 0; i < target.swatch && i < group->GetCount(); ++i)
      if (group->IsColorSelected(i))
        --index;
    ForEachGroup(_data, [](std::int32_t, std::int32_t, ColorSwatchGroup& g) { g.RemoveSelectedColors(); });
  }
  return InsertColors(Item{target.collection, target.group, index}, {colors.GetData(), colors.GetCount()});
}

Result<void> SwatchSelection::InsertColors(const Item& target, std::span<const SwatchColor> colors)
{
  ColorSwatchGroup* group = GroupOf(target);
  if (!group)
    return IllegalArgumentError("no group to drop the swatches in");
  DeselectAll();
  const std::int32_t index = std::clamp(target.swatch, 0, group->GetCount());
  RETURN_IF_ERROR(group->AddColors(colors, true, true, index));
  _anchor = Item{target.collection, target.group, index};
  return Ok();
}

Result<void> SwatchSelection::PutGroups(std::int32_t collection, std::int32_t gap, bool copy)
{
  ColorSwatchCollection* into = _data.GetCollection(collection);
  if (!into)
    return IllegalArgumentError("no collection to drop the groups in");
  ColorSwatchCollection moving;
  for (std::int32_t c = 0; c < iColorSwatchData::kCollectionCount; ++c)
  {
    ColorSwatchCollection* from = _data.GetCollection(c);
    for (std::int32_t g = 0; from && g < from->GetCount(); ++g)
      if (from->GetGroup(g)->IsSelected())
        RETURN_IF_ERROR(moving.AppendCopyOf(*from->GetGroup(g)));
  }
  gap = std::clamp(gap, 0, into->GetCount());
  if (!copy)
  {
    for (std::int32_t g = 0; g < std::min(gap, into->GetCount()); ++g)
      if (into->GetGroup(g)->IsSelected())
        --gap;
    for (std::int32_t c = 0; c < iColorSwatchData::kCollectionCount; ++c)
    {
      ColorSwatchCollection* from = _data.GetCollection(c);
      for (std::int32_t g = from->GetCount() - 1; g >= 0; --g)
        if (from->GetGroup(g)->IsSelected())
          RETURN_IF_ERROR(from->Remove(g));
    }
  }
  DeselectAll();
  for (std::int32_t g = 0; g < moving.GetCount(); ++g)
  {
    ASSIGN_OR_RETURN(std::unique_ptr<ColorSwatchGroup> group, NewSwatchGroup());
    RETURN_IF_ERROR(group->CopyFrom(*moving.GetGroup(g)));
    group->SelectGroup(true);
    RETURN_IF_ERROR(into->Insert(gap + g, std::move(group)));
  }
  _anchor = Item{collection, gap, -1};
  return Ok();
}

Result<void> SwatchSelection::CopyToOtherCollection(const Item& item)
{
  const ColorSwatchGroup* group = GroupOf(item);
  ColorSwatchCollection* other = _data.GetCollection(1 - item.collection);
  if (!group || !other)
    return IllegalArgumentError("no group to copy");
  RETURN_IF_ERROR(other->AppendCopyOf(*group));
  return Ok();
}

bool SwatchSelection::HasEmptyGroup() const
{
  bool any = false;
  ForEachGroup(_data, [&](std::int32_t, std::int32_t, const ColorSwatchGroup& g) { any = any || g.GetCount() == 0; });
  return any;
}

bool SwatchSelection::RemoveEmptyGroups()
{
  bool removed = false;
  for (std::int32_t c = 0; c < iColorSwatchData::kCollectionCount; ++c)
    for (std::int32_t g = _data.GetGroupCount(c) - 1; g >= 0; --g)
      if (_data.GetGroup(g, c)->GetCount() == 0)
        removed = _data.SDKRemoveGroup(g, c) || removed;
  _anchor = Item();
  return removed;
}

bool SwatchSelection::DeleteSelection()
{
  _anchor = Item();
  return _data.RemoveSelected();
}
