#pragma once
// What the input devices are doing now, as the events so far tell it: the
// buttons and keys held, the qualifiers and the mouse position. Hotkeys are
// held keys: pan (13563) is the space bar, zoom (13564) the Z key.
#include <cstdint>
#include <set>

#include "core/container.h"
#include "gui/inputevent.h"

namespace host {

class InputState {
 public:
  static constexpr int32_t kPanKey = ' ';
  static constexpr int32_t kZoomKey = 'Z';

  void Update(const InputEvent& event);
  void Reset();

  bool ButtonDown(int32_t channel) const { return buttons_.count(channel) != 0; }
  bool AnyButtonDown() const { return !buttons_.empty(); }
  bool KeyDown(int32_t key) const { return keys_.count(key) != 0; }
  int32_t Qualifiers() const { return qualifiers_; }
  Point Position() const { return position_; }

  // False for an unknown hotkey ID.
  bool HotkeyDown(int32_t id) const;
  // GXA_INPUT_VALUE, GXA_INPUT_QUALIFIER and the position for one channel of
  // a device; false for an unknown device.
  bool Describe(int32_t device, int32_t channel, Container& out) const;

 private:
  std::set<int32_t> buttons_;
  std::set<int32_t> keys_;
  int32_t qualifiers_ = 0;
  Point position_;
};

}  // namespace host
