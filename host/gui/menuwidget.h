#pragma once
// A popup menu on the screen: its entries with icons, check marks, disabled
// entries, separators and submenus. The entry under the pointer (or chosen
// with the arrow keys) lights up; a click or Enter chooses it, or, on a
// submenu's entry, as the Right key does, ends the menu asking for that
// submenu (the runner shows it); Left or Escape leaves a submenu.
#include <optional>

#include "gui/menumodel.h"
#include "gui/widget.h"

namespace host {

class MenuWidget : public Widget {
 public:
  static constexpr int kEntryHeight = 22;
  static constexpr int kSeparatorHeight = 7;
  static constexpr int kIconColumn = 24;
  static constexpr int kArrowColumn = 16;

  explicit MenuWidget(MenuModel menu);

  bool IsDone() const { return done_; }
  int32_t Chosen() const { return chosen_; }
  // The index of the submenu entry that ended the menu, -1 for none.
  int OpenedSubmenu() const { return opened_; }
  // Runs again after a submenu was left without a choice.
  // A submenu's widget: Left leaves it.
  void SetNested(bool nested) { nested_ = nested; }
  void Reopen() {
    done_ = false;
    opened_ = -1;
  }
  const MenuModel& Model() const { return menu_; }
  void Dismiss() { done_ = true; }
  // Index of the entry at a layer point, -1 for none.
  int EntryAt(Point p) const;
  Rect EntryRect(size_t index) const;

  bool AcceptsFocus() const override { return true; }
  Size NaturalSize(const TextMeasure&) override;
  void Paint(PaintContext& ctx) override;
  bool OnMouseDown(const InputEvent& e, EventContext& ctx) override;
  void OnMouseUp(const InputEvent& e, EventContext& ctx) override;
  void OnMouseDrag(const InputEvent& e, EventContext& ctx) override;
  bool OnKey(const InputEvent& e, EventContext& ctx) override;
  CursorInfo Cursor(Point global) override;

 private:
  void Highlight(int index);
  void Choose(int index);
  void MoveHighlight(int direction);

  MenuModel menu_;
  int highlight_ = -1;
  bool done_ = false;
  int32_t chosen_ = 0;
  int opened_ = -1;
  bool nested_ = false;
};

}  // namespace host
