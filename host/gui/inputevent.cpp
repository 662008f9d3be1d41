#include "gui/inputevent.h"

#include "gxa_api.h"

namespace host {

bool InputEvent::IsMouse() const {
  return type == Type::MouseDown || type == Type::MouseUp || type == Type::MouseMove || type == Type::Wheel;
}

int32_t InputEvent::Device() const { return IsKey() ? GXA_DEVICE_KEYBOARD : GXA_DEVICE_MOUSE; }

InputEvent InputEvent::MouseDown(Point p, int32_t channel, int32_t qualifiers, bool doubleClick) {
  InputEvent e;
  e.type = Type::MouseDown;
  e.position = p;
  e.channel = channel;
  e.qualifiers = qualifiers;
  e.doubleClick = doubleClick;
  return e;
}

InputEvent InputEvent::MouseUp(Point p, int32_t channel, int32_t qualifiers) {
  InputEvent e = MouseDown(p, channel, qualifiers);
  e.type = Type::MouseUp;
  return e;
}

InputEvent InputEvent::MouseMove(Point p, int32_t qualifiers) {
  InputEvent e;
  e.type = Type::MouseMove;
  e.position = p;
  e.qualifiers = qualifiers;
  return e;
}

InputEvent InputEvent::Wheel(Point p, double dx, double dy, int32_t qualifiers) {
  InputEvent e;
  e.type = Type::Wheel;
  e.channel = GXA_CHANNEL_WHEEL;
  e.position = p;
  e.wheelX = dx;
  e.wheelY = dy;
  e.qualifiers = qualifiers;
  return e;
}

InputEvent InputEvent::KeyDown(int32_t key, int32_t qualifiers, std::string text) {
  InputEvent e;
  e.type = Type::KeyDown;
  e.key = key;
  e.qualifiers = qualifiers;
  const bool printable = key >= 32 && key < 127;
  if (text.empty() && printable && (qualifiers & (GXA_QUALIFIER_CTRL | GXA_QUALIFIER_ALT)) == 0) {
    char c = char(key);
    if (c >= 'A' && c <= 'Z' && (qualifiers & GXA_QUALIFIER_SHIFT) == 0) c = char(c - 'A' + 'a');
    text = std::string(1, c);
  }
  e.text = std::move(text);
  return e;
}

InputEvent InputEvent::KeyUp(int32_t key, int32_t qualifiers) {
  InputEvent e;
  e.type = Type::KeyUp;
  e.key = key;
  e.qualifiers = qualifiers;
  return e;
}

std::vector<InputEvent> InputEvent::Typing(const std::string& utf8) {
  std::vector<InputEvent> events;
  for (size_t i = 0; i < utf8.size();) {
    size_t len = 1;
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead >= 0xF0) len = 4;
    else if (lead >= 0xE0) len = 3;
    else if (lead >= 0xC0) len = 2;
    std::string ch = utf8.substr(i, len);
    int32_t key = len == 1 ? int32_t(lead) : 0;
    if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
    events.push_back(KeyDown(key, 0, ch));
    i += len;
  }
  return events;
}

InputEvent InputEvent::FileDrop(Point p, std::vector<std::string> files) {
  InputEvent e;
  e.type = Type::FileDrop;
  e.position = p;
  e.files = std::move(files);
  return e;
}

InputEvent InputEvent::Closed() {
  InputEvent e;
  e.type = Type::Close;
  return e;
}

}  // namespace host
