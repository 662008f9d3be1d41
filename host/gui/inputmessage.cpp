#include "gui/inputmessage.h"

#include "gxa_api.h"

namespace host {

Container InputMessage::Input(const InputEvent& e) {
  Container c(GXA_MSG_INPUT);
  c.SetInt32(GXA_INPUT_DEVICE, e.Device());
  c.SetInt32(GXA_INPUT_CHANNEL, e.IsKey() ? e.key : e.channel);
  c.SetInt32(GXA_INPUT_QUALIFIER, e.qualifiers);
  c.SetInt32(GXA_INPUT_X, e.position.x);
  c.SetInt32(GXA_INPUT_Y, e.position.y);
  c.SetBool(GXA_INPUT_DOUBLECLICK, e.doubleClick);
  c.SetBool(GXA_INPUT_VALUE, e.type == InputEvent::Type::MouseDown || e.type == InputEvent::Type::KeyDown ||
                                 e.type == InputEvent::Type::Wheel);
  if (e.type == InputEvent::Type::Wheel) {
    c.SetFloat(GXA_INPUT_WHEEL_X, e.wheelX);
    c.SetFloat(GXA_INPUT_WHEEL_Y, e.wheelY);
  }
  if (!e.text.empty()) c.SetString(GXA_INPUT_TEXT, e.text);
  return c;
}

Container InputMessage::CursorInfo(Point global, int32_t qualifiers) {
  Container c(GXA_MSG_CURSOR_INFO);
  c.SetInt32(GXA_INPUT_X, global.x);
  c.SetInt32(GXA_INPUT_Y, global.y);
  c.SetInt32(GXA_INPUT_QUALIFIER, qualifiers);
  return c;
}

Container InputMessage::DrawMessage(int32_t reason) {
  Container c(0);
  c.SetInt32(GXA_DRAW_REASON, reason);
  return c;
}

}  // namespace host
