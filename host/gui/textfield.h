#pragma once
// A one-line text box that the user can type into: the base of the edit
// text, number and file name gadgets. While focused it edits a copy of its
// text; Enter (or leaving the field) commits, Escape reverts. Ctrl+C, Ctrl+X
// and Ctrl+V reach the system clipboard; what the mouse or the keyboard
// selects becomes the primary selection.
#include <string>

#include "gui/texteditor.h"
#include "gui/widget.h"

namespace host {

class TextField : public Widget {
 public:
  TextField(int32_t id, int32_t flags);

  bool AcceptsFocus() const override { return IsEnabled(); }
  bool IsEditing() const { return focused_; }
  const TextEditor& Editor() const { return editor_; }

  Size NaturalSize(const TextMeasure&) override;
  void Paint(PaintContext& ctx) override;
  bool OnMouseDown(const InputEvent& e, EventContext& ctx) override;
  void OnMouseDrag(const InputEvent& e, EventContext& ctx) override;
  void OnMouseUp(const InputEvent& e, EventContext& ctx) override;
  bool OnKey(const InputEvent& e, EventContext& ctx) override;
  void OnFocusChanged(bool gained, EventContext& ctx) override;
  CursorInfo Cursor(Point global) override;

 protected:
  // What the field shows when nobody types into it.
  virtual std::string DisplayText() const = 0;
  // The user typed text and committed it; false rejects it (the field reverts).
  virtual bool Commit(const std::string& text) = 0;
  // The part of the frame the text lives in (layer coordinates).
  virtual Rect TextArea() const;
  virtual void PaintExtras(PaintContext&) {}
  virtual bool ShowsPlaceholder() const { return false; }
  // The shown value changed from outside: an untouched edit follows it.
  void ValueChanged();
  // Commits a pending edit (Enter, focus loss); true when something was committed.
  bool CommitEdit();
  // True while Enter commits (the field keeps focus); false when focus leaves.
  bool CommitsByEnter() const { return byEnter_; }
  // Ctrl+C: the selection, or the whole text when nothing is selected.
  virtual void Copy();
  // Ctrl+V: the clipboard's first line replaces the selection.
  virtual void Paste(EventContext& ctx);
  // The text being edited, replaced as if typed.
  void ReplaceEdit(const std::string& text);
  // What Enter does: commits, keeping the focus; true once the field is gone.
  bool CommitByEnter(EventContext& ctx);
  std::string SelectedText() const;

 private:
  size_t IndexAt(int layerX) const;
  void KeepCaretVisible();
  void Revert();
  bool ClipboardKey(const InputEvent& e, EventContext& ctx);
  void OfferSelection() const;

  TextEditor editor_;
  bool focused_ = false;
  bool edited_ = false;
  bool byEnter_ = false;
  int scroll_ = 0;
};

}  // namespace host
