#include "gui/inputstate.h"

#include "gxa_api.h"

namespace host {

void InputState::Update(const InputEvent& e) {
  qualifiers_ = e.qualifiers;
  if (e.IsMouse() || e.type == InputEvent::Type::FileDrop) position_ = e.position;
  switch (e.type) {
    case InputEvent::Type::MouseDown: buttons_.insert(e.channel); break;
    case InputEvent::Type::MouseUp: buttons_.erase(e.channel); break;
    case InputEvent::Type::KeyDown: keys_.insert(e.key); break;
    case InputEvent::Type::KeyUp: keys_.erase(e.key); break;
    case InputEvent::Type::Close: Reset(); break;
    default: break;
  }
}

void InputState::Reset() {
  buttons_.clear();
  keys_.clear();
  qualifiers_ = 0;
}

bool InputState::HotkeyDown(int32_t id) const {
  if (id == GXA_HOTKEY_PAN) return KeyDown(kPanKey);
  if (id == GXA_HOTKEY_ZOOM) return KeyDown(kZoomKey);
  return false;
}

bool InputState::Describe(int32_t device, int32_t channel, Container& out) const {
  bool down = false;
  if (device == GXA_DEVICE_MOUSE) down = ButtonDown(channel);
  else if (device == GXA_DEVICE_KEYBOARD) down = KeyDown(channel);
  else return false;
  out.SetInt32(GXA_INPUT_DEVICE, device);
  out.SetInt32(GXA_INPUT_CHANNEL, channel);
  out.SetBool(GXA_INPUT_VALUE, down);
  out.SetInt32(GXA_INPUT_QUALIFIER, qualifiers_);
  out.SetInt32(GXA_INPUT_X, position_.x);
  out.SetInt32(GXA_INPUT_Y, position_.y);
  return true;
}

}  // namespace host
