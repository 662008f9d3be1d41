#pragma once
// The smooth scale of a bitmap with alpha, at vector speed: each source row
// is premultiplied and mixed across once into floats (kept while the next
// target row needs it), two such rows are mixed down and divided by their
// alpha. Floats keep the exact weights of the taps, so a pixel comes out as
// the double-precision sum does, or one step beside it where that sum falls
// on a half.
#include <cstdint>
#include <vector>

#include "raster/bitmap.h"

namespace host {

// Two source columns (or rows) and the weight of the second, 0 to 1.
struct BlendTap {
  int first;
  int second;
  float weight;
};

class PremultipliedRows {
 public:
  // False (and unusable) without 512-bit vectors or without alpha.
  bool Plan(const Bitmap& bitmap, const std::vector<BlendTap>& columns);
  // One target row as straight RGBA pixels.
  void Row(BlendTap rows, uint32_t* out);

 private:
  struct Across {
    int row = -1;              // source row it holds, -1 none
    std::vector<float> mixed;  // premultiplied r, g, b and alpha a target pixel
  };

  const float* AcrossRow(int row, const float* keep);
  void Premultiply(int row);

  const Bitmap* bitmap_ = nullptr;
  int count_ = 0;                      // target pixels, rounded up to four in the rows below
  int left_ = 0;                       // first source column the taps reach
  int width_ = 0;                      // source columns from there to the last one reached
  std::vector<int> firsts_, seconds_;  // float offsets of each target pixel's taps
  std::vector<float> weights_;         // weight of the second, four times a pixel
  std::vector<uint32_t> joined_;       // a source row as RGBA, when the alpha is apart
  std::vector<float> source_;          // a source row premultiplied
  Across across_[2];
};

}  // namespace host
