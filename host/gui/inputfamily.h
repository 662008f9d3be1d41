#pragma once
// The input family of the host table (GxaInputFns): the state of buttons,
// keys and qualifiers as the screen's events left it, and the hotkeys (pan
// while the space bar is held, zoom while Z is held).
#include "gxa_api.h"

namespace host {

class InputFamily {
 public:
  static const GxaInputFns* Table();

 private:
  static bool GetInputState(int32_t device, int32_t channel, GxaContainer* out);
  static bool HotkeyDown(int32_t id);
};

}  // namespace host
