#include "gui/textfield.h"

#include <algorithm>
#include <cstdlib>

#include "gui/eventcontext.h"
#include "gui/hostclipboard.h"
#include "gui/inputevent.h"
#include "gui/widgetstyle.h"
#include "gxa_api.h"

namespace host {

TextField::TextField(int32_t id, int32_t flags) : Widget(id, flags) {}

Size TextField::NaturalSize(const TextMeasure& m) {
  return {int(m.charWidth * 8) + 2 * WidgetStyle::kTextInset, WidgetStyle::kControlHeight};
}

Rect TextField::TextArea() const {
  const Rect& f = Frame();
  return {f.x + WidgetStyle::kTextInset, f.y, std::max(0, f.w - 2 * WidgetStyle::kTextInset), f.h};
}

void TextField::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  WidgetStyle::FieldBox(
      ctx, {f.x, f.y + (f.h - WidgetStyle::kControlHeight) / 2, f.w, std::min(f.h, WidgetStyle::kControlHeight)},
      focused_, IsEnabled());
  PaintExtras(ctx);
  const Rect area = TextArea();
  Canvas& c = ctx.Target();
  c.PushClip(area);
  const int textX = area.x - (focused_ ? scroll_ : 0);
  const int midY = area.y + area.h / 2;
  if (focused_ && editor_.HasSelection()) {
    const auto [a, b] = editor_.Selection();
    const int x1 = textX + WidgetStyle::TextWidth(editor_.Text().substr(0, a));
    const int x2 = textX + WidgetStyle::TextWidth(editor_.Text().substr(0, b));
    c.FillRect({x1, midY - 8, x2 - x1, 16}, ctx.Color(InterfaceColors::kHighlight));
  }
  const std::string text = focused_ ? editor_.Text() : DisplayText();
  const bool dim = !IsEnabled() || (!focused_ && ShowsPlaceholder());
  c.DrawText(text, textX, midY, WidgetStyle::TextColor(ctx, !dim), kTextVCenter);
  if (focused_) {
    const int x = textX + WidgetStyle::TextWidth(editor_.Text().substr(0, editor_.Caret()));
    c.FillRect({x, midY - 7, 1, 14}, ctx.Color(InterfaceColors::kText));
  }
  c.PopClip();
}

size_t TextField::IndexAt(int layerX) const {
  const int x = layerX - TextArea().x + scroll_;
  size_t best = 0;
  int bestDistance = std::abs(x);
  for (size_t i = 0; i < editor_.Text().size();) {
    i = editor_.Next(i);
    const int d = std::abs(WidgetStyle::TextWidth(editor_.Text().substr(0, i)) - x);
    if (d < bestDistance) bestDistance = d, best = i;
  }
  return best;
}

void TextField::KeepCaretVisible() {
  const int caret = WidgetStyle::TextWidth(editor_.Text().substr(0, editor_.Caret()));
  const int width = TextArea().w - 2;
  if (caret - scroll_ > width) scroll_ = caret - width;
  if (caret - scroll_ < 0) scroll_ = caret;
  scroll_ = std::max(0, scroll_);
}

bool TextField::OnMouseDown(const InputEvent& e, EventContext& ctx) {
  if (e.channel != GXA_CHANNEL_LEFT || !IsEnabled()) return false;
  const Point p = LayerPoint(e.position);
  if (!TextArea().Contains(p.x, p.y)) return false;
  ctx.SetFocus(this);
  if (e.doubleClick) {
    editor_.SelectAll();
    OfferSelection();
  } else {
    editor_.MoveTo(IndexAt(p.x), (e.qualifiers & GXA_QUALIFIER_SHIFT) != 0);
    ctx.CaptureMouse(*this);
  }
  Invalidate();
  return true;
}

void TextField::OnMouseDrag(const InputEvent& e, EventContext&) {
  editor_.MoveTo(IndexAt(LayerPoint(e.position).x), true);
  KeepCaretVisible();
  Invalidate();
}

void TextField::OnMouseUp(const InputEvent&, EventContext&) { OfferSelection(); }

bool TextField::CommitByEnter(EventContext& ctx) {
  const auto life = Life();
  if (ctx.KeysAnswerDialog()) {
    // The dialog reads the typed text when OK goes through.
    CommitEdit();
    return life.expired();
  }
  byEnter_ = true;
  CommitEdit();
  if (life.expired()) return true;
  byEnter_ = false;
  editor_.SelectAll();
  Invalidate();
  return false;
}

bool TextField::OnKey(const InputEvent& e, EventContext& ctx) {
  if (!focused_ || e.type != InputEvent::Type::KeyDown) return false;
  if (e.key == GXA_KEY_ENTER) {
    // An untouched field lets Enter through to the dialog's OK button.
    if (!edited_) return false;
    const bool dialogAnswers = ctx.KeysAnswerDialog();
    return CommitByEnter(ctx) || !dialogAnswers;
  }
  if ((e.qualifiers & GXA_QUALIFIER_CTRL) != 0 && ClipboardKey(e, ctx)) return true;
  if (e.key == GXA_KEY_ESC) {
    if (!edited_ || ctx.KeysAnswerDialog()) return false;
    Revert();
    return true;
  }
  const TextEditor::KeyResult r = editor_.HandleKey(e);
  if (r == TextEditor::KeyResult::Ignored) return false;
  if (r == TextEditor::KeyResult::Edited) edited_ = true;
  if (r == TextEditor::KeyResult::Moved) OfferSelection();
  KeepCaretVisible();
  Invalidate();
  return true;
}

void TextField::OnFocusChanged(bool gained, EventContext&) {
  if (gained) {
    focused_ = true;
    edited_ = false;
    scroll_ = 0;
    editor_.SetText(DisplayText());
    editor_.SelectAll();
  } else {
    const auto life = Life();
    CommitEdit();
    if (life.expired()) return;
    focused_ = false;
    scroll_ = 0;
  }
  Invalidate();
}

bool TextField::CommitEdit() {
  if (!edited_) return false;
  edited_ = false;
  const std::string typed = editor_.Text();
  const auto life = Life();
  const bool accepted = typed != DisplayText() && Commit(typed);
  if (life.expired()) return accepted;
  editor_.SetText(DisplayText());
  KeepCaretVisible();
  Invalidate();
  return accepted;
}

void TextField::Revert() {
  edited_ = false;
  editor_.SetText(DisplayText());
  editor_.SelectAll();
  Invalidate();
}

void TextField::ValueChanged() {
  if (focused_ && !edited_) {
    editor_.SetText(DisplayText());
    editor_.SelectAll();
  }
  Invalidate();
}

bool TextField::ClipboardKey(const InputEvent& e, EventContext& ctx) {
  switch (e.key) {
    case 'C': Copy(); return true;
    case 'V': Paste(ctx); return true;
    case 'X':
      if (!editor_.HasSelection()) return true;
      HostClipboard::CopyText(SelectedText());
      ReplaceEdit(editor_.Text().substr(0, editor_.Selection().first) +
                  editor_.Text().substr(editor_.Selection().second));
      return true;
    default: return false;
  }
}

std::string TextField::SelectedText() const {
  const auto [a, b] = editor_.Selection();
  return editor_.Text().substr(a, b - a);
}

void TextField::Copy() { HostClipboard::CopyText(editor_.HasSelection() ? SelectedText() : editor_.Text()); }

void TextField::Paste(EventContext&) {
  std::string text = HostClipboard::Text().value_or("");
  text = text.substr(0, text.find_first_of("\r\n"));
  if (text.empty()) return;
  editor_.Insert(text);
  edited_ = true;
  KeepCaretVisible();
  Invalidate();
}

void TextField::ReplaceEdit(const std::string& text) {
  const size_t caret = std::min(editor_.Selection().first, text.size());
  editor_.SetText(text);
  editor_.MoveTo(caret, false);
  edited_ = true;
  KeepCaretVisible();
  Invalidate();
}

void TextField::OfferSelection() const {
  if (focused_ && editor_.HasSelection()) HostClipboard::OfferSelection(SelectedText());
}

CursorInfo TextField::Cursor(Point global) {
  const Point p = LayerPoint(global);
  return {TextArea().Contains(p.x, p.y) ? GXA_CURSOR_IBEAM : GXA_CURSOR_ARROW, {}};
}

}  // namespace host
