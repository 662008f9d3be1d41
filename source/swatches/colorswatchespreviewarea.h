#pragma once
// The colour strip under the wheel and the picture: a handle cell and one
// cell per colour of a short list, selectable, draggable, reorderable, with
// a menu that hands the colours to the swatches.
//
// Embedding it (the owner is a panel of the chooser):
// - Create it with the kind of colour the entries hold (HSV for the wheel,
//   RGB for the picture), add a user area to the chooser's dialog and attach
//   the strip to it; the strip's gadget ID is the one its messages carry.
// - The list: GetList() gives the entries (ColorListEntry, entry 0 the main
//   colour) and the anchor, the colour the chooser edits. Write them, then
//   call ColorsChanged() so that the strip lays out and redraws. SetMaxCount,
//   SetCommands (the owner's add and remove command IDs, kNoCommand for
//   none), SetRemoveSelectedText and SetMono shape its rules. Store and Read
//   keep the list in the chooser's state container.
// - Changes reach the owner as action messages to the dialog ('bACT', 'meid'
//   = the strip's gadget ID): 'meva' kClicked with kValueChanged = true when
//   a plain click made one colour the selected one; kSelection with kUpdate =
//   1 after any other selection change or the reduce command; a container
//   when colours moved or were dropped in (entry i = the old index of the
//   colour now at i, -1 for a colour that came in). The add and remove
//   commands arrive with 'meid' = the owner's command ID, and so do the
//   owner's own menu entries (SetOwnerMenu), shown after a separator below
//   the strip's entries.
// - Display: cells are always converted for display with the profile mode
//   given by SetProfileMode; colours dragged out are converted too only when
//   the owner asks with SetDragInDisplaySpace(true).
// - A second, never attached strip works as a backup: CopyFrom.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "basecontainer.h"
#include "result.h"
#include "swatches/colordroparea.h"
#include "swatches/colorstriplist.h"
#include "utils/colordisplayconversion.h"
#include "utils/dragcolors.h"

class ChooserView;

class ColorSwatchesPreviewArea : public ColorDropArea
{
public:
  enum class Content
  {
    Hsv,
    Rgb
  };

  static constexpr std::int32_t kNoCommand = -1;
  static constexpr std::int32_t kClicked = 0x636C6963;
  static constexpr std::int32_t kValueChanged = 0x76636867;
  static constexpr std::int32_t kSelection = 0x73656C65;
  static constexpr std::int32_t kUpdate = 0x75706474;
  static constexpr std::int32_t kSmallCells = 14;
  static constexpr std::int32_t kMediumCells = 21;
  static constexpr std::int32_t kLargeCells = 28;
  static constexpr std::int32_t kHandleIcon = 1033760;

  struct OwnerMenuEntry
  {
    std::int32_t menuId = 0;
    std::int32_t command = 0;
    String text;
  };
  // Asked each time the menu opens, so that the entries may follow the
  // preferences; none by default.
  using OwnerMenu = std::function<std::vector<OwnerMenuEntry>()>;

  explicit ColorSwatchesPreviewArea(Content content);
  ~ColorSwatchesPreviewArea() override;

  ColorStripList& GetList() { return _list; }
  const ColorStripList& GetList() const { return _list; }
  // The list changed: lay out and redraw.
  void ColorsChanged();
  Result<void> CopyFrom(const ColorSwatchesPreviewArea& other);

  void SetMaxCount(std::int32_t count) { _maxCount = count; }
  std::int32_t GetMaxCount() const { return _maxCount; }
  void SetCommands(std::int32_t addCommand, std::int32_t removeCommand);
  // The remove entry reads "remove selected" rather than "remove last".
  void SetRemoveSelectedText(bool selected) { _removeSelectedText = selected; }
  void SetMono(bool mono) { _list.SetMono(mono); }
  void SetProfileMode(std::int32_t mode) { _profileMode = mode; }
  void SetDragInDisplaySpace(bool on) { _dragInDisplaySpace = on; }
  void SetOwnerMenu(OwnerMenu entries) { _ownerMenu = std::move(entries); }
  std::int32_t GetCellSize() const { return _cellSize; }
  void SetCellSize(std::int32_t size);

  // Entry index as RGB (converted from HSV when the strip holds HSV).
  Vector GetRgb(std::int32_t index) const;
  // RGB in, an entry of the strip's kind out.
  ColorListEntry EntryFromRgb(const Vector& rgb) const;

  // The list as a container of entries at listId.
  void Store(BaseContainer& state, std::int32_t listId) const;
  Result<void> Read(const BaseContainer& state, std::int32_t listId);

  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void Sized(std::int32_t w, std::int32_t h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  bool InputEvent(const BaseContainer& msg) override;

private:
  enum class OwnDrag
  {
    None,
    All,
    Selected
  };

  // Layout.
  std::int32_t GetColumns() const;
  bool Relayout();
  // Cell index -> top left corner.
  void CellOrigin(std::int32_t cell, std::int32_t& x, std::int32_t& y) const;

  // Drawing.
  void DrawHandle(std::int32_t x, std::int32_t y);
  void DrawColorCell(std::int32_t x, std::int32_t y, const Vector& color, bool selected, bool lookAlike);
  // The chooser whose dialog holds the strip; null before it is attached.
  ChooserView* Chooser() const;
  void DrawDropBar();

  // Mouse and keys.
  Result<void> LeftPress(const BaseContainer& msg);
  Result<void> PressHandle(std::int32_t pressX, std::int32_t pressY);
  Result<void> PressColor(std::int32_t index, std::int32_t qualifiers, std::int32_t pressX, std::int32_t pressY);
  Result<bool> OfferDrag(bool all, std::int32_t pressX, std::int32_t pressY);
  Result<void> SendAction(std::int32_t id, std::int32_t value, std::int32_t flagId, const GeData& flag);
  Result<void> SendMoved(const BaseArray<std::int32_t>& moved);
  Result<void> SendCommand(std::int32_t id);
  Result<void> ShowMenu();
  BaseContainer BuildMenu(const std::vector<OwnerMenuEntry>& owned) const;
  Result<void> ChooseMenuEntry(std::int32_t id, const std::vector<OwnerMenuEntry>& owned);
  Result<void> AddToSwatches(bool selectedOnly);

  // Drops.
  void ClearDropFeedback() override;
  void ShowDropFeedback(std::int32_t x, std::int32_t y) override;
  Result<bool> Dropped(const BaseContainer& msg) override;
  const char* PositionErrorSource() const override;
  const char* DropErrorSource() const override;
  std::int32_t GapAt(std::int32_t x, std::int32_t y) const;
  String Tooltip(const BaseContainer& msg) const override;

  Content _content;
  ColorStripList _list;
  std::int32_t _maxCount = 16;
  std::int32_t _cellSize = kSmallCells;
  std::int32_t _addCommand = kNoCommand;
  std::int32_t _removeCommand = kNoCommand;
  bool _removeSelectedText = false;
  std::int32_t _profileMode = 0;
  bool _dragInDisplaySpace = false;
  OwnerMenu _ownerMenu;

  std::int32_t _rows = 0;
  bool _layoutGuard = false;
  bool _layoutDirty = true;

  OwnDrag _ownDrag = OwnDrag::None;
  bool _movedByDrop = false;
  std::int32_t _dropGap = ColorStripList::kNoIndex;
  std::unique_ptr<ColorDisplayConversion> _conversion;
};
