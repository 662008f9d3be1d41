#pragma once
// The nearest-pixel scale at memory speed: sixteen target pixels a step
// picked by one byte permute from two 64-byte windows of the source row
// (and one more of its alpha row), then stored or blended over the target
// in the same registers.
#include <cstdint>
#include <vector>

#include "raster/bitmap.h"

namespace host {

class NearestRows {
 public:
  // columns holds the source column of each target pixel. False (and
  // unusable) without 512-bit byte permutes, for another depth, or for
  // steps too long for the windows.
  bool Plan(const Bitmap& bitmap, const std::vector<int>& columns, bool useAlpha);
  // The target row from source row sy, into out or blended over it.
  void Row(int sy, uint32_t* out) const;
  void BlendRow(int sy, uint32_t* dst) const;

 private:
  void Run(int sy, bool blend, uint32_t* out) const;

  struct alignas(64) Line {
    uint8_t bytes[64];
  };

  const Bitmap* bitmap_ = nullptr;
  bool useAlpha_ = false;
  int count_ = 0;             // target pixels
  int firstTail_ = 0;         // first step whose windows pass a row's end
  std::vector<int> windows_;  // colour windows (byte offsets) and alpha window of each step
  std::vector<Line> picks_;   // permute control of each step
};

}  // namespace host
