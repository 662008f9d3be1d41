#pragma once
// The colours of a strip under the wheel or the picture: the entries, which
// of them the chooser edits (the selected index), how many the owner allows,
// and whether the strip must lay out again because the count changed.
#include <cstddef>
#include <cstdint>

#include "basearray.h"
#include "result.h"
#include "utils/colorlistentry.h"

class ColorList
{
public:
  static constexpr std::int64_t kDefaultMaxCount = 256;

  BaseArray<ColorListEntry>& Entries() { return _entries; }
  const BaseArray<ColorListEntry>& Entries() const { return _entries; }
  std::size_t GetCount() const { return _entries.GetCount(); }
  ColorListEntry& operator[](std::size_t index) { return _entries[index]; }
  const ColorListEntry& operator[](std::size_t index) const { return _entries[index]; }

  std::int64_t GetSelectedIndex() const { return _selected; }
  void SetSelectedIndex(std::int64_t index) { _selected = index; }
  // The entry at the selected index, or null when it lies outside the list.
  ColorListEntry* GetSelectedEntry();
  std::int64_t GetMaxCount() const { return _maxCount; }
  void SetMaxCount(std::int64_t count) { _maxCount = count; }

  void SetLayoutChanged() { _layoutChanged = true; }
  // Answers the flag and clears it.
  bool TakeLayoutChanged();

  // Cuts the list or appends unset, unselected black entries.
  Result<void> SetCount(std::size_t count);
  // Every entry deselected but index, which is selected and becomes the
  // selected index (nothing selected for an index outside the list).
  void SelectOnly(std::int64_t index);
  std::size_t CountSelected() const;
  Result<void> CopyFrom(const ColorList& other);

private:
  BaseArray<ColorListEntry> _entries;
  std::int64_t _selected = 0;
  std::int64_t _maxCount = kDefaultMaxCount;
  bool _layoutChanged = false;
};
