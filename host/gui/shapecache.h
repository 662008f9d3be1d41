#pragma once
// Gadget shapes (field boxes, button faces, arrows, check marks) kept once
// they are rasterised: anti-aliasing a rounded box costs far more than
// blending it, and a redraw meets the same few shapes again and again.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "raster/bitmap.h"
#include "raster/vectorpainter.h"

namespace host {

class ShapeCache {
 public:
  static ShapeCache& Shared();

  // The shape described by look (every parameter that changes its pixels)
  // at w x h logical pixels and scale; draw paints it on a miss. The
  // reference holds until the next call.
  const Bitmap& Get(std::string_view look, int w, int h, int scale, const std::function<void(VectorPainter&)>& draw);

 private:
  static constexpr size_t kLimit = 512;
  std::unordered_map<std::string, Bitmap> shapes_;
};

}  // namespace host
