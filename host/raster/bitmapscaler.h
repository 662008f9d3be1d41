#pragma once

#include "raster/bitmap.h"

namespace host {

// Resamples a whole bitmap into another one of any size. Smooth filtering
// works on premultiplied colour so transparent pixels do not bleed dark fringes.
class BitmapScaler {
 public:
  static void Scale(const Bitmap& src, Bitmap& dst, ScaleFilter filter);

 private:
  struct Tap {
    int index;
    float weight;
  };
  using Taps = std::vector<std::vector<Tap>>;

  static void ScaleNearest(const Bitmap& src, Bitmap& dst);
  static void ScaleSmooth(const Bitmap& src, Bitmap& dst);
  static Taps MakeTaps(int srcLength, int dstLength);
  static void ReadPremultiplied(const Bitmap& src, int y, std::vector<float>& row);
};

}  // namespace host
