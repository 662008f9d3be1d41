#pragma once
// The screen picker's loupe on X11: an override-redirect window named
// "color picker loupe" beside the pointer (see LoupePlacement) showing the
// pixels around it (see LoupeImage). It takes no input and reads the
// desktop through its cover, so neither what it magnifies nor what the
// picker reads ever shows the loupe itself.
#include <cstdint>
#include <vector>

#include "platform/loupecover.h"
#include "raster/framebuffer.h"
#include "raster/rastertypes.h"

struct _XDisplay;
struct _XGC;

namespace host {

class X11Loupe {
 public:
  explicit X11Loupe(_XDisplay* display);
  ~X11Loupe();
  X11Loupe(const X11Loupe&) = delete;
  X11Loupe& operator=(const X11Loupe&) = delete;

  // Shows the pixels around the pointer beside it, on the monitor it is on.
  void Follow(Point pointer, const std::vector<Rect>& monitors);
  // Draws the last image again (after an exposure).
  void Repaint();
  unsigned long Window() const { return window_; }

  // The desktop's pixels as if the loupe were not there.
  bool Read(const Rect& area, std::vector<uint32_t>& pixels) const;

 private:
  void MoveTo(const Rect& place);

  _XDisplay* display_;
  unsigned long window_ = 0;
  _XGC* gc_ = nullptr;
  LoupeCover cover_;
  Framebuffer image_;
};

}  // namespace host
