#pragma once
// The editing model of a one-line text field: UTF-8 text, a caret and a
// selection anchor, and the keys that edit them.
#include <cstddef>
#include <string>
#include <utility>

#include "gui/inputevent.h"

namespace host {

class TextEditor {
 public:
  enum class KeyResult { Ignored, Edited, Moved };

  void SetText(std::string text);
  const std::string& Text() const { return text_; }
  size_t Caret() const { return caret_; }
  size_t Anchor() const { return anchor_; }
  bool HasSelection() const { return caret_ != anchor_; }
  // Byte range [first, second).
  std::pair<size_t, size_t> Selection() const;

  void SelectAll();
  void MoveTo(size_t index, bool extend);
  // Replaces the selection with text.
  void Insert(const std::string& text);
  KeyResult HandleKey(const InputEvent& event);

  // Byte index of the character boundary after/before index.
  size_t Next(size_t index) const;
  size_t Previous(size_t index) const;

 private:
  bool EraseSelection();

  std::string text_;
  size_t caret_ = 0;
  size_t anchor_ = 0;
};

}  // namespace host
