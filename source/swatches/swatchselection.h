#pragma once
// What the user does to swatch groups with the mouse, keys and menu of the
// swatches area, as edits of the two collections: selection by clicks with
// their anchor, new groups from the selection, moving or copying swatches
// and groups to a drop position, deleting. No host calls; the area saves
// and tells the other choosers after each change.
#include <cstdint>
#include <span>

#include "basearray.h"
#include "gxastring.h"
#include "result.h"
#include "swatches/colorswatch.h"

class iColorSwatchData;
class ColorSwatchGroup;

class SwatchSelection
{
public:
  // A group (swatch -1) or a swatch of a collection.
  struct Item
  {
    std::int32_t collection = -1;
    std::int32_t group = -1;
    std::int32_t swatch = -1;
    bool IsSet() const { return collection >= 0 && group >= 0; }
    bool IsSwatch() const { return IsSet() && swatch >= 0; }
  };
  struct Press
  {
    Item item;
    std::int32_t qualifiers = 0;
    bool wasSelected = false;
    // A shift-click found neither an anchor swatch nor an anchor group.
    bool withoutAnchor = false;
  };

  explicit SwatchSelection(iColorSwatchData& data) : _data(data) {}

  const Item& GetAnchor() const { return _anchor; }
  void ResetAnchor() { _anchor = Item(); }

  bool HasSelection() const;
  void DeselectAll();
  Press PressSwatch(const Item& item, std::int32_t qualifiers);
  // The press ended where it began.
  void ReleaseSwatch(const Press& press);
  Press PressGroup(const Item& item, std::int32_t qualifiers);
  void SelectOnly(const Item& item);

  // Colours of the selected swatches in display order.
  Result<BaseArray<SwatchColor>> SelectedColors() const;
  // Whether a whole group is selected (the selection drags as groups).
  bool HasSelectedGroup() const;

  // A new group after the others of collection, selected alone; the
  // selected swatches are copied, or moved out of their groups.
  Result<Item> NewGroupFromSelection(bool copy, std::int32_t collection, const String& name);
  Result<Item> AppendGroup(std::int32_t collection, const String& name, std::span<const SwatchColor> colors);
  // The selected swatches at index of target's group (moved or copied), or
  // the given colours when they come from elsewhere; they end up selected.
  Result<void> PutSwatches(const Item& target, bool copy);
  Result<void> InsertColors(const Item& target, std::span<const SwatchColor> colors);
  // The selected groups before group gap of collection.
  Result<void> PutGroups(std::int32_t collection, std::int32_t gap, bool copy);
  // A copy of the group at the end of the other collection.
  Result<void> CopyToOtherCollection(const Item& group);
  bool HasEmptyGroup() const;
  bool RemoveEmptyGroups();
  bool DeleteSelection();

private:
  ColorSwatchGroup* GroupOf(const Item& item) const;
  void SelectSwatchRange(const Item& from, const Item& to);
  void SelectGroupRange(const Item& from, const Item& to);
  // Display order of a swatch among all, for ranges.
  std::int64_t OrderOf(const Item& item) const;

  iColorSwatchData& _data;
  Item _anchor;
};
