#include "gui/texteditor.h"

#include <algorithm>

#include "gxa_api.h"

namespace host {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

void TextEditor::SetText(std::string text) {
  text_ = std::move(text);
  caret_ = anchor_ = text_.size();
}

std::pair<size_t, size_t> TextEditor::Selection() const {
  return {std::min(caret_, anchor_), std::max(caret_, anchor_)};
}

void TextEditor::SelectAll() {
  anchor_ = 0;
  caret_ = text_.size();
}

void TextEditor::MoveTo(size_t index, bool extend) {
  caret_ = std::min(index, text_.size());
  if (!extend) anchor_ = caret_;
}

size_t TextEditor::Next(size_t i) const {
  if (i >= text_.size()) return text_.size();
  ++i;
  while (i < text_.size() && IsContinuation(text_[i])) ++i;
  return i;
}

size_t TextEditor::Previous(size_t i) const {
  if (i == 0) return 0;
  --i;
  while (i > 0 && IsContinuation(text_[i])) --i;
  return i;
}

bool TextEditor::EraseSelection() {
  if (!HasSelection()) return false;
  const auto [a, b] = Selection();
  text_.erase(a, b - a);
  caret_ = anchor_ = a;
  return true;
}

void TextEditor::Insert(const std::string& text) {
  EraseSelection();
  text_.insert(caret_, text);
  caret_ += text.size();
  anchor_ = caret_;
}

TextEditor::KeyResult TextEditor::HandleKey(const InputEvent& e) {
  const bool shift = (e.qualifiers & GXA_QUALIFIER_SHIFT) != 0;
  const bool ctrl = (e.qualifiers & GXA_QUALIFIER_CTRL) != 0;
  switch (e.key) {
    case GXA_KEY_LEFT:
      MoveTo(HasSelection() && !shift ? Selection().first : Previous(caret_), shift);
      return KeyResult::Moved;
    case GXA_KEY_RIGHT:
      MoveTo(HasSelection() && !shift ? Selection().second : Next(caret_), shift);
      return KeyResult::Moved;
    case GXA_KEY_HOME: MoveTo(0, shift); return KeyResult::Moved;
    case GXA_KEY_END: MoveTo(text_.size(), shift); return KeyResult::Moved;
    case GXA_KEY_BACKSPACE:
      if (!EraseSelection()) {
        if (caret_ == 0) return KeyResult::Moved;
        const size_t from = Previous(caret_);
        text_.erase(from, caret_ - from);
        caret_ = anchor_ = from;
      }
      return KeyResult::Edited;
    case GXA_KEY_DELETE:
      if (!EraseSelection()) {
        if (caret_ >= text_.size()) return KeyResult::Moved;
        text_.erase(caret_, Next(caret_) - caret_);
      }
      return KeyResult::Edited;
    default: break;
  }
  if (ctrl && e.key == 'A') {
    SelectAll();
    return KeyResult::Moved;
  }
  const bool printable = !e.text.empty() && static_cast<unsigned char>(e.text[0]) >= 0x20 && e.text[0] != 0x7F;
  if (!printable || ctrl) return KeyResult::Ignored;
  Insert(e.text);
  return KeyResult::Edited;
}

}  // namespace host
