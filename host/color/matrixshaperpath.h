#pragma once
// 8-bit pixel conversion between two matrix-shaper RGB profiles (nearly every
// display profile, and both standard profiles) by table lookups and one 3x3
// matrix: about a third of what a general LittleCMS 8-bit transform costs.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "color/colorprofile.h"

namespace host
{

class MatrixShaperPath
{
public:
  // Null unless both profiles are RGB matrix-shapers without colour tables.
  static std::shared_ptr<const MatrixShaperPath> Build(const ColorProfile& source, const ColorProfile& target);

  // pixelBytes 3 (RGB) or 4 (RGBA, alpha copied). `in` may equal `out`.
  void Convert(const uint8_t* in, uint8_t* out, size_t count, size_t pixelBytes) const;

private:
  // Linear light indexes the output table by its square root, which spends
  // the table's resolution where dark tones need it.
  static constexpr int kEncodeSize = 4096;

  uint8_t Encode(int channel, float r, float g, float b) const;
  template <size_t kPixelBytes>
  void ConvertPixels(const uint8_t* in, uint8_t* out, size_t count) const;

  std::array<std::array<float, 256>, 3> linear_{};
  std::array<std::array<float, 3>, 3> matrix_{};
  std::array<std::array<uint8_t, kEncodeSize>, 3> encode_{};
};

}  // namespace host
