#pragma once
// The picker's cursor: a dropper lying on its side whose tip, the hot spot,
// points left, so the pixel taken is never hidden under the cursor itself.
#include <array>
#include <cstdint>

class PickerCursor
{
public:
  static constexpr std::int32_t kSize = 32;
  static constexpr std::int32_t kHotX = 1;
  static constexpr std::int32_t kHotY = 14;

  // kSize * kSize RGBA8 pixels, rows top down.
  static std::array<std::uint8_t, kSize * kSize * 4> Pixels();
};
