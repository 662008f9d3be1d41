#pragma once
// One input event on the host's single event path, whether it came from a
// real window or from a script. Positions are global: logical pixels in the
// window. Mouse buttons are channels 1 (left), 2 (right) and 3 (middle); the
// wheel is channel 100; keys carry the host's key codes (letters and digits
// as their upper-case ASCII codes).
#include <cstdint>
#include <string>
#include <vector>

#include "gui/guitypes.h"

namespace host {

struct InputEvent {
  enum class Type {
    MouseDown,
    MouseUp,
    MouseMove,
    Wheel,
    KeyDown,
    KeyUp,
    FileDrop,  // files dragged in from outside and dropped at position
    Close,     // the window was closed
  };

  Type type = Type::MouseMove;
  int32_t channel = 0;     // mouse button or 100 for the wheel
  int32_t key = 0;         // key code of a key event
  int32_t qualifiers = 0;  // 1 shift, 2 ctrl, 4 alt
  Point position;
  std::string text;     // what a key press types (UTF-8), empty for none
  double wheelX = 0.0;  // notches; positive y is away from the user
  double wheelY = 0.0;
  bool doubleClick = false;
  std::vector<std::string> files;

  bool IsMouse() const;
  bool IsKey() const { return type == Type::KeyDown || type == Type::KeyUp; }
  // GXA_DEVICE_MOUSE or GXA_DEVICE_KEYBOARD.
  int32_t Device() const;

  static InputEvent MouseDown(Point p, int32_t channel = 1, int32_t qualifiers = 0, bool doubleClick = false);
  static InputEvent MouseUp(Point p, int32_t channel = 1, int32_t qualifiers = 0);
  static InputEvent MouseMove(Point p, int32_t qualifiers = 0);
  static InputEvent Wheel(Point p, double dx, double dy, int32_t qualifiers = 0);
  // A key press; text defaults to the character a printable code types.
  static InputEvent KeyDown(int32_t key, int32_t qualifiers = 0, std::string text = {});
  static InputEvent KeyUp(int32_t key, int32_t qualifiers = 0);
  // Key presses that type text, one per character.
  static std::vector<InputEvent> Typing(const std::string& utf8);
  static InputEvent FileDrop(Point p, std::vector<std::string> files);
  static InputEvent Closed();
};

}  // namespace host
