#pragma once
// The smooth scale of a bitmap with alpha, at vector speed: each source row
// is premultiplied and mixed across once into floats (kept while the next
// target row needs it), two such rows are mixed down, divided by their
// alpha and stored or blended over the target in the same registers.
// Floats keep the exact weights of the taps, so a pixel comes out as the
// double-precision sum does, or one step beside it where that sum falls on
// a half.
#include <cstdint>
#include <vector>

#include "raster/bitmap.h"
#include "raster/heldrows.h"

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
  // One target row as straight RGBA pixels, into out or blended over it.
  void Row(BlendTap rows, uint32_t* out);
  void BlendRow(BlendTap rows, uint32_t* dst);

 private:
  void Down(BlendTap rows, bool blend, uint32_t* out);
  void Across(int row, float* out);

  const Bitmap* bitmap_ = nullptr;
  int count_ = 0;               // target pixels, rounded up to sixteen in the rows below
  int left_ = 0;                // first source column the taps reach
  int width_ = 0;               // source columns from there to the last one reached
  std::vector<int> firsts_;     // float offset of each target pixel's first tap, the second beside it
  std::vector<float> weights_;  // weight of the second, four times a pixel
  std::vector<float> source_;   // a source row premultiplied, one pixel more
  HeldRows<float> across_;      // premultiplied r, g, b and alpha a target pixel
};

}  // namespace host
