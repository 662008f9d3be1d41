#pragma once
// Pixels of the X screen as the root window shows them, 0x00BBGGRR, in any
// pixel format of a true-colour visual. Read errors are trapped.
#include <cstdint>
#include <vector>

#include "raster/rastertypes.h"

struct _XDisplay;

namespace host {

class X11ScreenReader {
 public:
  // The area's pixels, rows from the top; those off the screen are black.
  // False when no pixel of it is on the screen or the read failed.
  static bool Read(_XDisplay* display, const Rect& area, std::vector<uint32_t>& pixels);
  // A mask's channel as 0..255, and back.
  static uint32_t Channel(unsigned long value, unsigned long mask);
  static unsigned long ToMask(uint8_t channel, unsigned long mask);
};

}  // namespace host
