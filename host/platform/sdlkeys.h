#pragma once
// SDL's names for keys, modifiers and buttons in the host's terms: key codes
// (letters and digits as upper-case ASCII, the arrows and editing keys as
// 61824.. and friends), qualifiers (1 shift, 2 ctrl, 4 alt) and mouse
// channels (1 left, 2 right, 3 middle).
#include <SDL.h>

#include <cstdint>

namespace host {

class SdlKeys {
 public:
  // 0 for a key the host has no code for (a lone modifier, F keys).
  static int32_t KeyCode(SDL_Keycode key);
  static int32_t Qualifiers(uint16_t modifiers);
  // 0 for the extra buttons.
  static int32_t Channel(uint8_t button);
  // Whether SDL follows this key press with text input, so the key press
  // itself is left to the text event: printable keys without ctrl or alt.
  static bool TypesText(SDL_Keycode key, uint16_t modifiers);
};

}  // namespace host
