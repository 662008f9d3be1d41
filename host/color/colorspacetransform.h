#pragma once
// The host's colour-space transform between its linear storage and the
// chooser's sRGB-encoded space.
#include <cstdint>

namespace host
{

// Transform codes: 1 from the chooser's space back to linear, 2 into it.
inline constexpr int32_t kTransformToLinear = 1;
inline constexpr int32_t kTransformToSrgb = 2;

// The sRGB curve. The break point is where the linear segment meets the power
// segment, so the two directions are exact inverses; values below 0 mirror
// the curve (f(-x) = -f(x)) and values above 1 follow the power segment.
double SrgbEncode(double linear);
double SrgbDecode(double encoded);

// Converts three components by code; false (out untouched) for any other code.
bool TransformColorSpace(int32_t code, const double in[3], double out[3]);

}  // namespace host
