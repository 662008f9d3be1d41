#pragma once
// The opaque smooth scale at memory speed: each source row is mixed across
// once (two taps a target pixel, picked by byte permutes from a window of
// the row, multiplied and added in one instruction) and kept while the next
// target row needs it; a target row then mixes two such rows down. Weights
// are the two-tap 1/256 weights of ScaledRows and the result is its integer
// sum to the bit: the pixel values are carried less 128 and the weights
// never reach 256, so every step fits 16 bits.
#include <cstdint>
#include <vector>

#include "raster/bitmap.h"
#include "raster/heldrows.h"
#include "raster/vectorunits.h"

namespace host {

// A pair of source columns (or rows) and the weight of the second in 1/256.
struct ScaleTap {
  int first;
  int second;
  int weight;
};

class BilinearRows {
 public:
  // False (and unusable) without vectors, for another depth, or for steps
  // too long to find the taps of a window's target pixels within it.
  bool Plan(const Bitmap& bitmap, const std::vector<ScaleTap>& columns);
  // One opaque target row mixed from the source rows of the tap.
  void Row(ScaleTap rows, uint32_t* out);

 private:
  // The taps laid out for windows of the given bytes, with three or four
  // numbers a target pixel.
  bool Lay(const std::vector<ScaleTap>& columns, int channels, int bytes);
  void Across(int row, int16_t* out) const;

  const Bitmap* bitmap_ = nullptr;
  Vectors vectors_ = Vectors::None;
  int count_ = 0;             // target pixels
  int channels_ = 4;          // numbers a target pixel
  bool wide_ = false;         // 64-byte windows, else 16
  int firstTail_ = 0;         // first window that passes the row's end
  std::vector<int> windows_;  // byte offset of each window in the row
  // Whole cache lines, so that no load of a window's tables splits.
  struct alignas(64) Line {
    uint8_t bytes[64];
  };
  std::vector<Line> picks_;    // permute control, 8 bytes a target pixel
  std::vector<Line> weights_;  // unsigned weights matching the picks
  HeldRows<int16_t> across_;   // four numbers a target pixel, less 128 x 256
};

}  // namespace host
