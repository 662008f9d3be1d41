#pragma once
// A width or height hint: pixels in bits 14 and up plus tenths of a text
// measure (average character width, or line height) in the low 14 bits.
#include <cstdint>

#include "gui/guitypes.h"

namespace host {

class SizeHint {
 public:
  static constexpr int32_t kTenthsMask = 0x3FFF;

  // Logical pixels of a width hint; 0 for no hint (a negative one reads as none).
  static int Width(int32_t hint, const TextMeasure& measure);
  static int Height(int32_t hint, const TextMeasure& measure);

 private:
  static int Resolve(int32_t hint, double unit);
};

}  // namespace host
