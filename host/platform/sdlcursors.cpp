#include "platform/sdlcursors.h"

#include "gxa_api.h"

namespace host {

namespace {
// Over something the mouse can take hold of and move (a marker, a handle).
constexpr int32_t kCursorGrab = 20;
// A click would add something (a sample on the picture).
constexpr int32_t kCursorAdd = 41;
// A click would be refused (no room for another sample).
constexpr int32_t kCursorRefused = 8;
}  // namespace

SdlCursors::~SdlCursors() {
  for (auto& [id, cursor] : made_) SDL_FreeCursor(cursor);
}

SDL_SystemCursor SdlCursors::SystemCursor(int32_t shape) {
  switch (shape) {
    case GXA_CURSOR_CROSS:
    case kCursorAdd:
    case GXA_CURSOR_EYEDROPPER: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case GXA_CURSOR_HAND:
    case kCursorGrab:
    case GXA_CURSOR_DRAG_COPY:
    case GXA_CURSOR_COPY: return SDL_SYSTEM_CURSOR_HAND;
    case GXA_CURSOR_MOVE: return SDL_SYSTEM_CURSOR_SIZEALL;
    case kCursorRefused:
    case GXA_CURSOR_FORBIDDEN: return SDL_SYSTEM_CURSOR_NO;
    case GXA_CURSOR_IBEAM: return SDL_SYSTEM_CURSOR_IBEAM;
    case GXA_CURSOR_SIZE_H: return SDL_SYSTEM_CURSOR_SIZEWE;
    case GXA_CURSOR_SIZE_V: return SDL_SYSTEM_CURSOR_SIZENS;
    default: return SDL_SYSTEM_CURSOR_ARROW;
  }
}

void SdlCursors::Apply(int32_t shape) {
  if (shape == shown_) return;
  shown_ = shape;
  if (shape == GXA_CURSOR_INVISIBLE) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_ShowCursor(SDL_ENABLE);
  const SDL_SystemCursor id = SystemCursor(shape);
  auto it = made_.find(id);
  if (it == made_.end()) {
    SDL_Cursor* cursor = SDL_CreateSystemCursor(id);
    if (!cursor) return;  // the system has none: keep what shows
    it = made_.emplace(id, cursor).first;
  }
  SDL_SetCursor(it->second);
}

}  // namespace host
