#pragma once
// How the window's pixels relate to the host's logical pixels. The
// framebuffer scale is 1 or 2; on a platform that scales windows itself
// (drawable larger than the window) a window point is already several
// pixels, elsewhere scale 2 makes the window twice as large in points.
#include "gui/guitypes.h"

namespace host {

class ViewScale {
 public:
  ViewScale() = default;
  ViewScale(int scale, int pixelsPerPoint);

  // requested 1 or 2 wins; 0 picks 2 on a scaling platform or a display of
  // high density (dpi 0 when unknown), else 1.
  static ViewScale Choose(int requested, int pixelsPerPoint, float dpi);

  int Scale() const { return scale_; }
  int PixelsPerPoint() const { return pixelsPerPoint_; }
  // A position in window points as logical pixels (rounded down, also
  // outside the window, where a captured drag goes on).
  Point ToLogical(int x, int y) const;
  Size LogicalSize(Size drawablePixels) const;
  // The window size in points that shows a logical size.
  Size WindowPoints(Size logical) const;

 private:
  static int FloorDiv(int a, int b);

  int scale_ = 1;
  int pixelsPerPoint_ = 1;
};

}  // namespace host
