#pragma once
// Turns SDL events into the host's input events. Printable key presses are
// left to the text event SDL sends after them, so a typed character arrives
// once, with its text; presses with ctrl or alt (shortcuts) and the editing
// keys come from the key event. Files dropped together arrive as one drop.
#include <SDL.h>

#include <string>
#include <vector>

#include "gui/inputevent.h"
#include "platform/viewscale.h"

namespace host {

class SdlEventTranslator {
 public:
  explicit SdlEventTranslator(ViewScale scale = {}) : scale_(scale) {}

  void SetScale(ViewScale scale) { scale_ = scale; }
  // Appends what the event means to out (often nothing).
  void Translate(const SDL_Event& e, std::vector<InputEvent>& out);
  // Where the pointer is, logical; drops and the wheel happen there.
  Point Pointer() const { return pointer_; }
  void SetPointer(Point logical) { pointer_ = logical; }
  int32_t Qualifiers() const { return qualifiers_; }
  bool AnyButtonDown() const { return buttons_ != 0; }

 private:
  void Key(const SDL_KeyboardEvent& k, std::vector<InputEvent>& out);
  void Text(const char* utf8, std::vector<InputEvent>& out);
  void Button(const SDL_MouseButtonEvent& b, std::vector<InputEvent>& out);
  void Wheel(const SDL_MouseWheelEvent& w, std::vector<InputEvent>& out);
  void Drop(const SDL_DropEvent& d, std::vector<InputEvent>& out);

  ViewScale scale_;
  Point pointer_;
  int32_t qualifiers_ = 0;
  uint32_t buttons_ = 0;
  bool dropping_ = false;
  std::vector<std::string> dropped_;
};

}  // namespace host
