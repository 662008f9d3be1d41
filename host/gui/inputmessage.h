#pragma once
// The containers in which input reaches the module: 'bIPN' input events, the
// channel state of a mouse-drag loop, and 'cinf' cursor-information requests.
#include "core/container.h"
#include "gui/inputevent.h"

namespace host {

class InputMessage {
 public:
  // GXA_MSG_INPUT with device, channel (button, 100 for the wheel, or the
  // key code), qualifiers, global position, double click, wheel notches,
  // whether the button or key is down, and typed text.
  static Container Input(const InputEvent& e);
  static Container CursorInfo(Point global, int32_t qualifiers);
  static Container DrawMessage(int32_t reason);
};

}  // namespace host
