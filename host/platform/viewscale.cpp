#include "platform/viewscale.h"

namespace host {

namespace {
// Displays above this many dots per inch get scale 2 when nobody asks.
constexpr float kHighDensityDpi = 168.0f;
}  // namespace

ViewScale::ViewScale(int scale, int pixelsPerPoint)
    : scale_(scale == 2 ? 2 : 1), pixelsPerPoint_(pixelsPerPoint >= 2 ? 2 : 1) {}

ViewScale ViewScale::Choose(int requested, int pixelsPerPoint, float dpi) {
  if (requested == 1 || requested == 2) return ViewScale(requested, pixelsPerPoint);
  const bool dense = pixelsPerPoint >= 2 || dpi >= kHighDensityDpi;
  return ViewScale(dense ? 2 : 1, pixelsPerPoint);
}

int ViewScale::FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

Point ViewScale::ToLogical(int x, int y) const {
  return {FloorDiv(x * pixelsPerPoint_, scale_), FloorDiv(y * pixelsPerPoint_, scale_)};
}

Size ViewScale::LogicalSize(Size drawablePixels) const {
  return {drawablePixels.w / scale_, drawablePixels.h / scale_};
}

Size ViewScale::WindowPoints(Size logical) const {
  return {logical.w * scale_ / pixelsPerPoint_, logical.h * scale_ / pixelsPerPoint_};
}

}  // namespace host
