#include "utils/colorlist.h"

ColorListEntry* ColorList::GetSelectedEntry()
{
  if (_selected < 0)
    return nullptr;
  return _entries.GetPointer(static_cast<std::size_t>(_selected));
}

bool ColorList::TakeLayoutChanged()
{
  const bool changed = _layoutChanged;
  _layoutChanged = false;
  return changed;
}

Result<void> ColorList::SetCount(std::size_t count)
{
  if (count == _entries.GetCount())
    return Ok();
  RETURN_IF_ERROR(_entries.Resize(count));
  SetLayoutChanged();
  return Ok();
}

void ColorList::SelectOnly(std::int64_t index)
{
  for (std::size_t i = 0; i < _entries.GetCount(); ++i)
    _entries[i].selected = static_cast<std::int64_t>(i) == index;
  _selected = index;
}

std::size_t ColorList::CountSelected() const
{
  std::size_t count = 0;
  for (const ColorListEntry& entry : _entries)
    count += entry.selected ? 1 : 0;
  return count;
}

Result<void> ColorList::CopyFrom(const ColorList& other)
{
  RETURN_IF_ERROR(_entries.CopyFrom(other._entries));
  _selected = other._selected;
  _maxCount = other._maxCount;
  return Ok();
}
