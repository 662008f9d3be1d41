#include "platform/sdlkeys.h"

#include "gxa_api.h"

namespace host {

int32_t SdlKeys::KeyCode(SDL_Keycode key) {
  switch (key) {
    case SDLK_UP: return GXA_KEY_UP;
    case SDLK_DOWN: return GXA_KEY_DOWN;
    case SDLK_LEFT: return GXA_KEY_LEFT;
    case SDLK_RIGHT: return GXA_KEY_RIGHT;
    case SDLK_PAGEDOWN: return GXA_KEY_PGDOWN;
    case SDLK_PAGEUP: return GXA_KEY_PGUP;
    case SDLK_HOME: return GXA_KEY_HOME;
    case SDLK_END: return GXA_KEY_END;
    case SDLK_BACKSPACE: return GXA_KEY_BACKSPACE;
    case SDLK_DELETE: return GXA_KEY_DELETE;
    case SDLK_ESCAPE: return GXA_KEY_ESC;
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER: return GXA_KEY_ENTER;
    case SDLK_TAB: return GXA_KEY_TAB;
    default: break;
  }
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return '1' + (key - SDLK_KP_1);
  if (key == SDLK_KP_0) return '0';
  if (key >= 'a' && key <= 'z') return key - 'a' + 'A';
  if (key >= 32 && key < 127) return key;
  return 0;
}

int32_t SdlKeys::Qualifiers(uint16_t modifiers) {
  int32_t q = 0;
  if (modifiers & KMOD_SHIFT) q |= GXA_QUALIFIER_SHIFT;
  if (modifiers & KMOD_CTRL) q |= GXA_QUALIFIER_CTRL;
  if (modifiers & KMOD_ALT) q |= GXA_QUALIFIER_ALT;
  return q;
}

int32_t SdlKeys::Channel(uint8_t button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return GXA_CHANNEL_LEFT;
    case SDL_BUTTON_RIGHT: return GXA_CHANNEL_RIGHT;
    case SDL_BUTTON_MIDDLE: return GXA_CHANNEL_MIDDLE;
    default: return 0;
  }
}

bool SdlKeys::TypesText(SDL_Keycode key, uint16_t modifiers) {
  if (modifiers & (KMOD_CTRL | KMOD_ALT)) return false;
  const int32_t code = KeyCode(key);
  return code >= 32 && code < 127;
}

}  // namespace host
