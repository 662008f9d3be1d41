#pragma once
// The colour list of a strip and every rule that works on it without a
// host: cell geometry, what a press does to the selection, where a drop
// lands, moving the selected colours and inserting dropped ones. The strip
// gadget (ColorSwatchesPreviewArea) draws and routes input; this class
// decides.
#include <cstdint>
#include <span>

#include "basearray.h"
#include "result.h"
#include "utils/colorlistentry.h"

class ColorStripList
{
public:
  static constexpr std::int32_t kNoIndex = -1;
  // Cell 0 of a strip is its handle; colour k sits in cell k + 1.
  static constexpr std::int32_t kHandleCell = 0;

  // Columns for a strip width; at least 1.
  static std::int32_t Columns(std::int32_t width, std::int32_t cellSize);
  // Rows for count colours (and the handle cell); at least 1.
  static std::int32_t Rows(std::int32_t count, std::int32_t columns);
  // The cell under a local point, or kNoIndex outside the cells.
  static std::int32_t CellAt(std::int32_t x, std::int32_t y, std::int32_t columns, std::int32_t cellSize);

  BaseArray<ColorListEntry>& GetEntries() { return _entries; }
  const BaseArray<ColorListEntry>& GetEntries() const { return _entries; }
  std::int32_t GetCount() const { return static_cast<std::int32_t>(_entries.GetCount()); }
  std::int32_t GetSelectedCount() const;

  // The colour last pressed, kept for shift ranges (may lie past the end).
  std::int32_t GetAnchor() const { return _anchor; }
  void SetAnchor(std::int32_t index) { _anchor = index; }
  std::int32_t GetLastClicked() const { return _lastClicked; }

  // A Mono list keeps colour 0 first through every move.
  void SetMono(bool mono) { _mono = mono; }
  bool IsMono() const { return _mono; }

  Result<void> CopyFrom(const ColorStripList& other);

  // Selection rules of a press on colour index with input qualifiers.
  struct Press
  {
    std::int32_t index = kNoIndex;
    std::int32_t qualifiers = 0;
    bool wasSelected = false;
  };
  Press PressColor(std::int32_t index, std::int32_t qualifiers);
  // The press ended where it began. True when it made the pressed colour
  // the one selected colour by a plain click.
  bool ReleaseColor(const Press& press);
  void SelectOnly(std::int32_t index);

  // The gap a drop at (cell, offset within the cell pitch) lands in, 0..count.
  std::int32_t DropGap(std::int32_t cell, std::int32_t offsetX, std::int32_t cellSize) const;
  // Moves the selected colours, in their order, to gap. moved[i] receives the
  // old index of the colour now at i.
  Result<void> MoveSelected(std::int32_t gap, BaseArray<std::int32_t>& moved);
  // Inserts colours (unselected, links unset) at gap, no more than fit under
  // maxCount. The number inserted.
  Result<std::int32_t> Insert(std::int32_t gap, std::span<const ColorListEntry> colors, std::int32_t maxCount);
  // Keeps colour 0 only; an empty list gets one black, unselected colour.
  Result<void> ReduceToMain();

private:
  void SelectRange(std::int32_t from, std::int32_t to);

  BaseArray<ColorListEntry> _entries;
  std::int32_t _anchor = kNoIndex;
  std::int32_t _lastClicked = kNoIndex;
  bool _mono = false;
};
