#pragma once
// A colour as text for other programs, in the form the user chose: CSS hex
// (#RRGGBB), rgb(), hsl() or three numbers from 0 to 1. Alpha is written
// only when the colour has one below 1 (#RRGGBBAA, rgba(), hsla(), a fourth
// number), so an opaque colour reads the same in every program. What is
// written reads back through ColorTextReader.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace host
{

class ColorTextWriter
{
public:
  // The forms, as the host preference stores them.
  enum Format : int32_t
  {
    kHex = 0,
    kRgb = 1,
    kHsl = 2,
    kNumbers = 3,
  };

  // rgb is sRGB-encoded, nominally 0..1 (clamped); an unknown format writes hex.
  static std::string Write(const std::array<double, 3>& rgb, std::optional<double> alpha, int32_t format);
};

}  // namespace host
