#pragma once
// The host's cursor shapes as SDL system cursors, made once and kept.
#include <SDL.h>

#include <cstdint>
#include <map>

namespace host {

class SdlCursors {
 public:
  SdlCursors() = default;
  ~SdlCursors();
  SdlCursors(const SdlCursors&) = delete;
  SdlCursors& operator=(const SdlCursors&) = delete;

  // The system cursor for a host shape; an unknown shape is the arrow.
  static SDL_SystemCursor SystemCursor(int32_t shape);
  // Shows the shape (hides the pointer for the invisible one).
  void Apply(int32_t shape);

 private:
  std::map<SDL_SystemCursor, SDL_Cursor*> made_;
  int32_t shown_ = 0;
};

}  // namespace host
