#include "swatches/colorstriplist.h"

#include <algorithm>

#include "gxa_api.h"
#include "swatches/swatchgridlayout.h"

std::int32_t ColorStripList::Columns(std::int32_t width, std::int32_t cellSize)
{
  // The same columns as the swatches area's.
  return SwatchGridLayout::Columns(width, cellSize);
}

std::int32_t ColorStripList::Rows(std::int32_t count, std::int32_t columns)
{
  const std::int32_t cells = std::max(0, count) + 1;
  return std::max(1, (cells + columns - 1) / std::max(1, columns));
}

std::int32_t ColorStripList::CellAt(std::int32_t x, std::int32_t y, std::int32_t columns, std::int32_t cellSize)
{
  const std::int32_t pitch = cellSize + 1;
  if (x < 0 || y < 0)
    return kNoIndex;
  const std::int32_t column = x / pitch;
  if (column >= columns)
    return kNoIndex;
  return y / pitch * columns + column;
}

std::int32_t ColorStripList::GetSelectedCount() const
{
  return static_cast<std::int32_t>(
      std::count_if(_entries.begin(), _entries.end(), [](const ColorListEntry& e) { return e.selected; }));
}

Result<void> ColorStripList::CopyFrom(const ColorStripList& other)
{
  RETURN_IF_ERROR(_entries.CopyFrom(other._entries));
  _anchor = other._anchor;
  _lastClicked = other._lastClicked;
  _mono = other._mono;
  return Ok();
}

void ColorStripList::SelectOnly(std::int32_t index)
{
  for (std::int32_t i = 0; i < GetCount(); ++i)
    _entries[i].selected = i == index;
}

void ColorStripList::SelectRange(std::int32_t from, std::int32_t to)
{
  const std::int32_t first = std::min(from, to), last = std::max(from, to);
  for (std::int32_t i = 0; i < GetCount(); ++i)
    _entries[i].selected = i >= first && i <= last;
}

ColorStripList::Press ColorStripList::PressColor(std::int32_t index, std::int32_t qualifiers)
{
  Press press{index, qualifiers, false};
  if (index < 0 || index >= GetCount())
    return press;
  ColorListEntry& entry = _entries[index];
  press.wasSelected = entry.selected;
  if (qualifiers & GXA_QUALIFIER_CTRL)
  {
    entry.selected = true;
    _anchor = index;
  }
  else if (qualifiers & GXA_QUALIFIER_SHIFT)
  {
    std::int32_t from = 0;
    if (_anchor >= 0 && _anchor < GetCount())
      from = _anchor;
    else if (_lastClicked >= 0 && _lastClicked < GetCount())
      from = _lastClicked;
    SelectRange(from, index);
  }
  else
  {
    _anchor = _lastClicked = index;
    if (!entry.selected)
      SelectOnly(index);
  }
  return press;
}

bool ColorStripList::ReleaseColor(const Press& press)
{
  if (press.index < 0 || press.index >= GetCount())
    return false;
  if (press.qualifiers & GXA_QUALIFIER_CTRL)
  {
    // Never leaves the strip without a selected colour.
    if (press.wasSelected && GetSelectedCount() > 1)
      _entries[press.index].selected = false;
    return false;
  }
  if (press.qualifiers & GXA_QUALIFIER_SHIFT)
    return false;
  SelectOnly(press.index);
  return true;
}

std::int32_t ColorStripList::DropGap(std::int32_t cell, std::int32_t offsetX, std::int32_t cellSize) const
{
  const std::int32_t count = GetCount();
  std::int32_t gap = count;
  if (cell <= kHandleCell)
    gap = 0;
  else if (cell - 1 < count)
    gap = (offsetX - 1 <= (cellSize + 1) / 2) ? cell - 1 : cell;
  if (_mono && count > 0)
    gap = std::max(gap, 1);
  return gap;
}

Result<void> ColorStripList::MoveSelected(std::int32_t gap, BaseArray<std::int32_t>& moved)
{
  const std::int32_t count = GetCount();
  gap = std::clamp(gap, 0, count);
  BaseArray<std::int32_t> kept, taken;
  std::int32_t takenBeforeGap = 0;
  for (std::int32_t i = 0; i < count; ++i)
  {
    const bool take = _entries[i].selected && !(_mono && i == 0);
    RETURN_IF_ERROR((take ? taken : kept).Append(i));
    if (take && i < gap)
      ++takenBeforeGap;
  }
  std::int32_t at = gap - takenBeforeGap;
  if (_mono && !kept.IsEmpty())
    at = std::max(at, 1);
  moved.Reset();
  RETURN_IF_ERROR(moved.EnsureCapacity(static_cast<std::size_t>(count)));
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(kept.GetCount()); ++i)
  {
    if (i == at)
      RETURN_IF_ERROR(moved.AppendAll(taken));
    RETURN_IF_ERROR(moved.Append(kept[i]));
  }
  if (at >= static_cast<std::int32_t>(kept.GetCount()))
    RETURN_IF_ERROR(moved.AppendAll(taken));

  BaseArray<ColorListEntry> reordered;
  RETURN_IF_ERROR(reordered.EnsureCapacity(static_cast<std::size_t>(count)));
  for (const std::int32_t old : moved)
    RETURN_IF_ERROR(reordered.Append(_entries[old]));
  _entries = std::move(reordered);
  return Ok();
}

Result<std::int32_t> ColorStripList::Insert(std::int32_t gap, std::span<const ColorListEntry> colors,
                                            std::int32_t maxCount)
{
  const std::int32_t room = std::max(0, maxCount - GetCount());
  const std::int32_t n = std::min(room, static_cast<std::int32_t>(colors.size()));
  gap = std::clamp(gap, 0, GetCount());
  for (std::int32_t i = 0; i < n; ++i)
  {
    ColorListEntry entry = colors[i];
    entry.link1 = entry.link2 = -1;
    entry.selected = false;
    RETURN_IF_ERROR(_entries.Insert(static_cast<std::size_t>(gap + i), entry));
  }
  return n;
}

Result<void> ColorStripList::ReduceToMain()
{
  if (_entries.IsEmpty())
  {
    RETURN_IF_ERROR(_entries.Append(ColorListEntry()));
  }
  else
  {
    RETURN_IF_ERROR(_entries.Erase(1, _entries.GetCount() - 1));
  }
  _anchor = _lastClicked = kNoIndex;
  return Ok();
}
