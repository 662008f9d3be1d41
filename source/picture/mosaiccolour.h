#pragma once
// A tile's mean hue, saturation and value as the 8-bit colour it is painted
// in: the chooser's HSV to RGB conversion step by step, each component then
// rounded to a byte, but picking the sector's components from a table
// instead of branching, so that a row of tiles converts without a
// mispredicted jump each. The four candidate components are rounded two at
// a time where the processor has the vectors for it; the same operations in
// the same order give the same bytes.
#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

class MosaicColour
{
public:
  // Hue in [0, 1], saturation and value in [0, 1].
  static void ToBytes(double hue, double saturation, double value, std::uint8_t* rgb)
  {
    const std::uint32_t packed = ToPacked(hue, saturation, value);
    for (int c = 0; c < 3; ++c)
      rgb[c] = static_cast<std::uint8_t>(packed >> (8 * c));
  }

  // The bytes as red | green << 8 | blue << 16, kept in a register so that
  // filling a tile does not wait on single bytes stored.
  static std::uint32_t ToPacked(double hue, double saturation, double value)
  {
    // Per sector, which of v, p, q, t each of red, green and blue takes, as
    // the bit offset of that byte; the seventh row is grey.
    static constexpr std::uint8_t kPick[7][3] = {{0, 24, 8}, {16, 0, 8}, {8, 0, 24}, {8, 16, 0},
                                                 {24, 8, 0}, {0, 8, 16}, {0, 0, 0}};
    const double x = 6.0 * (hue == 1.0 ? 0.0 : hue);
    // x is not negative, so truncating floors it.
    const auto whole = static_cast<std::int32_t>(x);
    const double f = x - whole;
    const std::int32_t sector = saturation < 0.001 ? 6 : (whole < 6 ? whole : 0);
    const std::uint32_t bytes = Components(saturation, value, f);
    const std::uint8_t* pick = kPick[sector];
    return (bytes >> pick[0] & 0xFF) | (bytes >> pick[1] & 0xFF) << 8 | (bytes >> pick[2] & 0xFF) << 16;
  }

private:
  // v, (1 - s) v, (1 - s f) v and (1 - s (1 - f)) v, each rounded to a byte,
  // from the lowest byte up.
  static std::uint32_t Components(double s, double v, double f)
  {
#if defined(__SSE2__)
    const __m128d one = _mm_set1_pd(1.0);
    const __m128d values = _mm_set1_pd(v);
    // (1, 1 - s) v and (1 - s f, 1 - s (1 - f)) v.
    const __m128d vp = _mm_mul_pd(_mm_sub_pd(one, _mm_set_pd(s, 0.0)), values);
    const __m128d qt = _mm_mul_pd(_mm_sub_pd(one, _mm_mul_pd(_mm_set1_pd(s), _mm_set_pd(1.0 - f, f))), values);
    const __m128d scale = _mm_set1_pd(255.0), half = _mm_set1_pd(0.5);
    const __m128i low = _mm_cvttpd_epi32(_mm_add_pd(_mm_mul_pd(vp, scale), half));
    const __m128i high = _mm_cvttpd_epi32(_mm_add_pd(_mm_mul_pd(qt, scale), half));
    // Saturating packs clamp to 0..255 as a byte conversion would.
    const __m128i words = _mm_packs_epi32(_mm_unpacklo_epi64(low, high), _mm_setzero_si128());
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(words, words)));
#else
    const double components[4] = {v, (1.0 - s) * v, (1.0 - s * f) * v, (1.0 - s * (1.0 - f)) * v};
    std::uint32_t bytes = 0;
    for (int i = 0; i < 4; ++i)
      bytes |= std::uint32_t{ToByte(components[i])} << (8 * i);
    return bytes;
#endif
  }

  static std::uint8_t ToByte(double c)
  {
    return static_cast<std::uint8_t>(
        std::clamp(static_cast<std::int64_t>(c * 255.0 + 0.5), std::int64_t{0}, std::int64_t{255}));
  }
};
