#pragma once
// Where the picker's loupe goes: below and to the right of the pointer, at
// a gap that keeps it clear of the pixels it magnifies and of the picker's
// cursor; turned to the left or above where the monitor ends, and kept on
// the monitor the pointer is on.
#include <vector>

#include "raster/rastertypes.h"

namespace host {

class LoupePlacement {
 public:
  static constexpr int kGap = 24;

  // The monitor whose rectangle holds the point, else the nearest one; an
  // empty rectangle without monitors.
  static Rect MonitorAt(Point pointer, const std::vector<Rect>& monitors);
  static Rect Place(Point pointer, const Rect& monitor, int width, int height);
};

}  // namespace host
