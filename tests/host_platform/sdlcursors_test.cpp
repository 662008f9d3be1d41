// The shapes the module asks for over its gadgets become real pointers.
#include <gtest/gtest.h>

#include "gxa_api.h"
#include "platform/sdlcursors.h"

namespace host {
namespace {

TEST(SdlCursors, EveryShapeTheChooserShowsHasAPointerOfItsOwn) {
  // Over the spectrum's marker and the wheel's handles (20), over the square
  // (move), over a drop that copies.
  constexpr int32_t kGrab = 20;
  EXPECT_EQ(SdlCursors::SystemCursor(kGrab), SDL_SYSTEM_CURSOR_HAND);
  EXPECT_EQ(SdlCursors::SystemCursor(GXA_CURSOR_MOVE), SDL_SYSTEM_CURSOR_SIZEALL);
  EXPECT_EQ(SdlCursors::SystemCursor(GXA_CURSOR_COPY), SDL_SYSTEM_CURSOR_HAND);
  EXPECT_EQ(SdlCursors::SystemCursor(GXA_CURSOR_EYEDROPPER), SDL_SYSTEM_CURSOR_CROSSHAIR);
  // Over the picture with Ctrl held: a sample would be added, or refused
  // when the strip is full.
  EXPECT_EQ(SdlCursors::SystemCursor(41), SDL_SYSTEM_CURSOR_CROSSHAIR);
  EXPECT_EQ(SdlCursors::SystemCursor(8), SDL_SYSTEM_CURSOR_NO);
  // A shape the host does not know is the arrow, not a wrong pointer.
  EXPECT_EQ(SdlCursors::SystemCursor(999), SDL_SYSTEM_CURSOR_ARROW);
  EXPECT_EQ(SdlCursors::SystemCursor(GXA_CURSOR_ARROW), SDL_SYSTEM_CURSOR_ARROW);
}

}  // namespace
}  // namespace host
