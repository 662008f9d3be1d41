#pragma once
// The groups of one collection (global or document), in display order. The
// collection owns its groups.
#include <cstdint>
#include <memory>
#include <vector>

#include "basearray.h"
#include "basecontainer.h"
#include "result.h"
#include "swatches/colorswatchgroup.h"

class ColorSwatchCollection
{
public:
  // Container ID of the group count; groups follow at 1..n.
  static constexpr std::int32_t kGroupCount = 0;

  std::int32_t GetCount() const { return static_cast<std::int32_t>(_groups.GetCount()); }
  ColorSwatchGroup* GetGroup(std::int32_t index);
  const ColorSwatchGroup* GetGroup(std::int32_t index) const;

  // index 0..count; the group as inserted.
  Result<ColorSwatchGroup*> Insert(std::int32_t index, std::unique_ptr<ColorSwatchGroup> group);
  Result<ColorSwatchGroup*> Append(std::unique_ptr<ColorSwatchGroup> group);
  Result<ColorSwatchGroup*> AppendCopyOf(const ColorSwatchGroup& group);
  Result<void> Remove(std::int32_t index);
  void Flush() { _groups.Reset(); }

  // Deep copies of every group of other after the groups already here.
  Result<void> AppendCopies(const ColorSwatchCollection& other);
  Result<void> CopyFrom(const ColorSwatchCollection& other);
  void SelectAll(bool value);
  // Removes selected groups whole and the selected swatches of the others.
  bool RemoveSelected();
  // Whether any group holds a swatch.
  bool HasSwatches() const;

  // Appends the stored groups; IDs without a sub-container are skipped.
  Result<void> ReadFrom(const BaseContainer& stored);
  // The IDs of a stored collection's group containers in order: those from 1
  // to its recorded count among the entries it has, so that a damaged count
  // costs no more than the entries themselves.
  static std::vector<std::int32_t> StoredGroupIds(const BaseContainer& stored);
  // Appends one group stored in the single-group layout.
  Result<void> ReadSingleGroup(const BaseContainer& stored);
  Result<BaseContainer> ToContainer() const;

private:
  BaseArray<std::unique_ptr<ColorSwatchGroup>> _groups;
};

// A new group; an out-of-memory error when it cannot be made.
Result<std::unique_ptr<ColorSwatchGroup>> NewSwatchGroup();
