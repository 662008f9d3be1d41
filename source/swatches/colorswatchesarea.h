#pragma once
// The swatches gadget: every group of the global and the document swatches
// as a title band and rows of cells. Selecting, picking, editing, sorting,
// dragging and deleting swatches and groups happen here; each change is
// saved at once and the other choosers are told, with the area as sender.
#include <cstdint>
#include <functional>
#include <memory>

#include "basecontainer.h"
#include "result.h"
#include "swatches/colordroparea.h"
#include "swatches/icolorswatchdata.h"
#include "swatches/swatchgridlayout.h"
#include "swatches/swatchselection.h"
#include "utils/colordisplayconversion.h"
#include "utils/colorvisionview.h"
#include "utils/dragcolors.h"

class ChooserView;

class ColorSwatchesArea : public ColorDropArea
{
public:
  // World preferences.
  static constexpr std::int32_t kPrefNames = 1117;
  static constexpr std::int32_t kPrefCellSize = 1118;
  // Events among choosers.
  static constexpr std::int32_t kEventCellSize = 0x3F10010;
  static constexpr std::int32_t kEventNames = 0x3F10011;
  static constexpr std::int32_t kScrollGroup = 0x3F10002;

  explicit ColorSwatchesArea(ChooserView& chooser);
  ~ColorSwatchesArea() override;

  // Told after every change of the selection or the data (the panel's buttons).
  void SetChangeHook(std::function<void()> hook) { _changed = std::move(hook); }
  // The sender of this area's events.
  std::int64_t GetSenderId() const;

  // Cell size for a size mode of preference 1118.
  static std::int32_t CellSizeFor(std::int32_t mode);

  iColorSwatchData* GetData() const { return _data.get(); }
  // The document whose swatches the area shows.
  GxaDocument* GetDocument() const { return _document; }
  SwatchSelection* GetSelection() const { return _selection.get(); }
  bool HasSelection() const;
  bool DocumentHasColors() const;
  // Whether the drag under way started in this area.
  bool IsOwnDrag() const { return _ownDrag != OwnDrag::None; }

  // Another chooser changed the swatch data / the preferences.
  Result<void> Reload();
  void FollowCellSize();
  void FollowNames();

  // Commands of the panel and of the menu.
  Result<void> NewGroupFromSelection(bool copy);
  Result<void> NewGroupByDialog();
  Result<void> DeleteSelectionAsked();
  Result<void> AddColorsAsGroup(std::span<const SwatchColor> colors);
  // Saves, tells the other choosers and the panel, relayouts.
  Result<void> Changed();

  bool Init() override;
  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void Sized(std::int32_t w, std::int32_t h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  bool InputEvent(const BaseContainer& msg) override;

private:
  enum class OwnDrag
  {
    None,
    Swatches,
    Groups
  };
  enum class DropKind
  {
    None,
    NewGroup,
    Swatches,
    Groups
  };
  struct Drop
  {
    DropKind kind = DropKind::None;
    SwatchSelection::Item at;  // the group and the swatch index, or the group gap
  };

  Result<void> Load();
  void ReadPreferences();
  bool Relayout();
  void ForceRelayout();
  void ScrollTo(const SwatchSelection::Item& item);

  // Drawing.
  void DrawGroup(const SwatchGridLayout::Group& g, std::int32_t y1, std::int32_t y2, bool ready,
                 const ColorVisionView& vision);
  void DrawTitle(const SwatchGridLayout::Group& g, const ColorSwatchGroup& group);
  void DrawSwatch(std::int32_t x, std::int32_t y, const ColorSwatch& swatch, bool ready, const ColorVisionView& vision,
                  bool lookAlike);
  void DrawNewGroupCell(bool pending);
  void Outline(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void DrawDropMarker();

  // Mouse.
  Result<void> LeftPress(const BaseContainer& msg);
  Result<void> DoubleClick(const SwatchGridLayout::Hit& hit);
  Result<void> PressSwatch(const SwatchGridLayout::Hit& hit, std::int32_t qualifiers, std::int32_t px, std::int32_t py);
  Result<void> PressGroup(const SwatchGridLayout::Hit& hit, std::int32_t qualifiers, std::int32_t px, std::int32_t py);
  Result<bool> OfferDrag(OwnDrag kind, std::int32_t px, std::int32_t py);
  Result<void> SendColor(const ColorSwatch& swatch);

  // Keys and menu (colorswatchesareamenu.cpp).
  Result<bool> KeyDown(std::int32_t key, std::int32_t qualifiers);
  Result<void> SetCellSizeMode(std::int32_t mode);
  Result<void> ToggleNames();
  Result<void> ShowMenu(const BaseContainer& msg);
  BaseContainer BuildMenu(const SwatchGridLayout::Hit& hit) const;
  Result<void> ChooseMenuEntry(std::int32_t id, const SwatchGridLayout::Hit& hit);
  Result<void> EditSwatch(const SwatchGridLayout::Hit& hit);
  Result<void> RenameGroup(const SwatchGridLayout::Hit& hit);
  Result<void> SaveGroupsAsPreset(const ColorSwatchCollection& groups);

  // Drops.
  bool AcceptsDrops() const override;
  void ClearDropFeedback() override;
  void ShowDropFeedback(std::int32_t x, std::int32_t y) override;
  Result<bool> Dropped(const BaseContainer& msg) override;
  const char* PositionErrorSource() const override;
  const char* DropErrorSource() const override;
  Drop DropAt(std::int32_t x, std::int32_t y, bool groups) const;
  Result<void> HandleDragInternal(const Drop& drop, bool copy);
  Result<void> HandleDragExternal(const Drop& drop, const BaseContainer& msg);

  String Tooltip(const BaseContainer& msg) const override;
  ColorSwatchGroup* GroupAt(const SwatchGridLayout::Hit& hit) const;

  ChooserView& _chooser;
  std::unique_ptr<iColorSwatchData> _data;
  GxaDocument* _document = nullptr;
  std::unique_ptr<SwatchSelection> _selection;
  SwatchGridLayout _layout;
  std::function<void()> _changed;

  std::int32_t _sizeMode = 0;
  std::int32_t _cell = 14;
  bool _names = true;
  std::int32_t _title = 2;

  std::int32_t _rows = 0;
  std::int32_t _groups = 0;
  bool _namesUsed = true;
  bool _layoutGuard = false;
  bool _layoutDirty = true;

  OwnDrag _ownDrag = OwnDrag::None;
  bool _dropHandled = false;
  bool _takenElsewhere = false;
  Drop _drop;
  std::unique_ptr<ColorDisplayConversion> _conversion;
};
