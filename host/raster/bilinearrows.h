#pragma once
// The opaque smooth scale at memory speed: each source row is mixed across
// once (two taps a target pixel, picked by byte shuffles from a 16-byte
// window, multiplied and added in one instruction) and kept while the next
// target row needs it; a target row then mixes two such rows down. Weights
// are the two-tap 1/256 weights of ScaledRows and the result is its integer
// sum to the bit: the pixel values are carried less 128 and the weights
// never reach 256, so every step fits 16 bits.
#include <cstdint>
#include <vector>

#include "raster/bitmap.h"

namespace host {

// A pair of source columns (or rows) and the weight of the second in 1/256.
struct ScaleTap {
  int first;
  int second;
  int weight;
};

class BilinearRows {
 public:
  // False (and unusable) without AVX2, for another depth, or for steps too
  // long to find a target pixel pair's taps within 16 bytes.
  bool Plan(const Bitmap& bitmap, const std::vector<ScaleTap>& columns);
  // One opaque target row mixed from the source rows of the tap.
  void Row(ScaleTap rows, uint32_t* out);

 private:
  struct Across {
    int row = -1;              // source row it holds, -1 none
    std::vector<int16_t> mix;  // four numbers a target pixel, less 128 x 256
  };

  // The mixed row, made in the slot that does not hold keep.
  const int16_t* AcrossRow(int row, const int16_t* keep);

  const Bitmap* bitmap_ = nullptr;
  int count_ = 0;                 // target pixels
  int groups_ = 0;                // pairs of them, rounded up to an even number
  int firstTail_ = 0;             // first pair whose window passes the row's end
  std::vector<int> windows_;      // byte offset of each pair's window in the row
  std::vector<uint8_t> picks_;    // shuffle control, 16 bytes a pair
  std::vector<uint8_t> weights_;  // unsigned weights matching the picks
  Across across_[2];
};

}  // namespace host
