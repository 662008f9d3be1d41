#pragma once
// The object behind a GxaCanvas handle: a small off-screen canvas the module
// creates to measure text (and could draw into).
#include <memory>

#include "raster/canvas.h"
#include "raster/framebuffer.h"

namespace host {

class MeasureCanvas {
 public:
  MeasureCanvas(int w, int h) : pixels_(w, h, 1), canvas_(pixels_) {}

  Canvas& Target() { return canvas_; }
  int TextWidth(const char* text) const { return text ? canvas_.TextWidth(text) : 0; }
  int TextHeight() const { return canvas_.TextHeight(); }

 private:
  Framebuffer pixels_;
  Canvas canvas_;
};

}  // namespace host
