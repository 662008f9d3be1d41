#include "picture/mosaicpixel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "utils/colorconversions.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define MOSAIC_AVX2 __attribute__((target("avx2")))
#endif

namespace
{
constexpr std::int32_t kFullTurn = 360;

// ceil(2^32 / 2d): floor(n / 2d) = (n * reciprocal) >> 32 for every n below
// 2^18, since the product's error stays under 2^-14 and a fraction n / 2d lies
// at least 1/510 from the next whole number.
const std::array<std::uint64_t, 256> kHalfReciprocals = [] {
  std::array<std::uint64_t, 256> table{};
  for (std::uint64_t d = 1; d < 256; ++d)
    table[d] = ((std::uint64_t{1} << 32) + 2 * d - 1) / (2 * d);
  return table;
}();

#if defined(MOSAIC_AVX2)
const bool kHasAvx2 = __builtin_cpu_supports("avx2");

// Four pixels a step: the conversion's components from the bytes, the span's
// inverse and the saturation from the tables (loaded one pixel at a time, as
// the divider is the bottleneck and gathers are slow), the sector's two
// components picked by masks instead of indices. No fused multiply-add, so
// every operation rounds as in HueSaturation.
MOSAIC_AVX2 std::int64_t RowFiguresAvx2(const MosaicPixel::Tables& tables, const std::uint8_t* rgb,
                                        const std::uint16_t* keys, std::int64_t n, double* hues, double* saturations,
                                        std::uint8_t* largest)
{
  const double* spans = &tables.spans[0].inverse;
  const __m128i reds = _mm_setr_epi8(0, -1, -1, -1, 3, -1, -1, -1, 6, -1, -1, -1, 9, -1, -1, -1);
  const __m128i greens = _mm_setr_epi8(1, -1, -1, -1, 4, -1, -1, -1, 7, -1, -1, -1, 10, -1, -1, -1);
  const __m128i blues = _mm_setr_epi8(2, -1, -1, -1, 5, -1, -1, -1, 8, -1, -1, -1, 11, -1, -1, -1);
  const __m256d unit = _mm256_set1_pd(1.0 / 255.0), one = _mm256_set1_pd(1.0), two = _mm256_set1_pd(2.0),
                four = _mm256_set1_pd(4.0), six = _mm256_set1_pd(6.0), half = _mm256_set1_pd(0.5),
                zero = _mm256_setzero_pd();
  std::int64_t i = 0;
  for (; i + 4 <= n; i += 4, rgb += 12)
  {
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rgb));
    const __m128i r = _mm_shuffle_epi8(pixels, reds), g = _mm_shuffle_epi8(pixels, greens),
                  b = _mm_shuffle_epi8(pixels, blues);
    const __m128i top = _mm_max_epi32(r, _mm_max_epi32(g, b));
    const __m128i bottom = _mm_min_epi32(r, _mm_min_epi32(g, b));
    alignas(16) std::int32_t at[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(at), _mm_or_si128(_mm_slli_epi32(top, 9), _mm_slli_epi32(bottom, 1)));
    // Inverse and saturation side by side per pixel, regrouped by figure.
    const __m128d span0 = _mm_loadu_pd(spans + at[0]), span1 = _mm_loadu_pd(spans + at[1]);
    const __m128d span2 = _mm_loadu_pd(spans + at[2]), span3 = _mm_loadu_pd(spans + at[3]);
    const __m256d inverse = _mm256_set_m128d(_mm_unpacklo_pd(span2, span3), _mm_unpacklo_pd(span0, span1));
    const __m256d saturation = _mm256_set_m128d(_mm_unpackhi_pd(span2, span3), _mm_unpackhi_pd(span0, span1));
    const __m128i topBytes = _mm_packus_epi16(_mm_packs_epi32(top, top), top);
    const auto tops = _mm_cvtsi128_si32(topBytes);
    std::memcpy(largest + i, &tops, 4);
    const __m256d red = _mm256_mul_pd(_mm256_cvtepi32_pd(r), unit);
    const __m256d green = _mm256_mul_pd(_mm256_cvtepi32_pd(g), unit);
    const __m256d blue = _mm256_mul_pd(_mm256_cvtepi32_pd(b), unit);
    const __m256d max = _mm256_max_pd(red, _mm256_max_pd(green, blue));
    const __m256d redTop = _mm256_cmp_pd(red, max, _CMP_EQ_OQ);
    const __m256d greenTop = _mm256_andnot_pd(redTop, _mm256_cmp_pd(green, max, _CMP_EQ_OQ));
    const __m256d first = _mm256_blendv_pd(_mm256_blendv_pd(red, blue, greenTop), green, redTop);
    const __m256d second = _mm256_blendv_pd(_mm256_blendv_pd(green, red, greenTop), blue, redTop);
    const __m256d start = _mm256_blendv_pd(_mm256_blendv_pd(four, two, greenTop), zero, redTop);
    __m256d h = _mm256_add_pd(_mm256_mul_pd(_mm256_sub_pd(first, second), inverse), start);
    const __m256d turn = _mm256_and_pd(_mm256_and_pd(redTop, _mm256_cmp_pd(first, second, _CMP_LT_OQ)), one);
    h = _mm256_add_pd(_mm256_div_pd(h, six), turn);
    const __m256i key = _mm256_cvtepu16_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(keys + i)));
    const __m256d keyZero = _mm256_castsi256_pd(_mm256_cmpeq_epi64(key, _mm256_setzero_si256()));
    h = _mm256_andnot_pd(_mm256_and_pd(keyZero, _mm256_cmp_pd(h, half, _CMP_GT_OQ)), h);
    _mm256_storeu_pd(hues + i, h);
    _mm256_storeu_pd(saturations + i, saturation);
  }
  return i;
}
#endif
}  // namespace

MosaicPixel MosaicPixel::FromRgb8(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
  const Vector hsv = RgbToHsv(Vector(Component(r), Component(g), Component(b)).Clamp01());
  MosaicPixel pixel;
  pixel.key = static_cast<std::int32_t>(std::floor(hsv.x * 360.0 + 0.5));
  pixel.hue = hsv.x;
  if (pixel.key >= kFullTurn)
  {
    pixel.key = 0;
    pixel.hue = 0.0;
  }
  pixel.saturation = hsv.y;
  pixel.value = hsv.z;
  return pixel;
}

std::int32_t MosaicPixel::Key(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
  const std::int32_t max = std::max(r, std::max(g, b));
  const std::int32_t d = max - std::min(r, std::min(g, b));
  // Greys: an 8-bit colour that is not grey has a saturation of at least
  // 1/255, far above the conversion's grey threshold.
  if (d == 0)
    return 0;
  // key = floor(hue * 360 + 1/2) = floor(n / 2d), a turn added to negative hues.
  std::int32_t n;
  if (r == max)
    n = 120 * (g - b) + (g < b ? 721 : 1) * d;
  else if (g == max)
    n = 120 * (b - r) + 241 * d;
  else
    n = 120 * (r - g) + 481 * d;
  const auto key = static_cast<std::int32_t>((static_cast<std::uint64_t>(n) * kHalfReciprocals[d]) >> 32);
  if (key * 2 * d == n)
    return FromRgb8(r, g, b).key;
  return key >= kFullTurn ? 0 : key;
}

MosaicPixel::Tables::Tables()
{
  for (int c = 0; c < 256; ++c)
    components[static_cast<std::size_t>(c)] = Component(static_cast<std::uint8_t>(c));
  for (std::size_t max = 1; max < 256; ++max)
  {
    for (std::size_t min = 0; min < max; ++min)
    {
      spans[max << 8 | min].inverse = 1.0 / (components[max] - components[min]);
      spans[max << 8 | min].saturation = 1.0 - components[min] / components[max];
    }
  }
}

bool MosaicPixel::HasRowVectors()
{
#if defined(MOSAIC_AVX2)
  return kHasAvx2;
#else
  return false;
#endif
}

void MosaicPixel::RowFigures(const std::uint8_t* rgb, const std::uint16_t* keys, std::int64_t n, double* hues,
                             double* saturations, std::uint8_t* largest)
{
  const Tables& tables = GetTables();
  std::int64_t i = 0;
#if defined(MOSAIC_AVX2)
  if (kHasAvx2)
    i = RowFiguresAvx2(tables, rgb, keys, n, hues, saturations, largest);
#endif
  for (; i < n; ++i)
    largest[i] = HueSaturation(tables, rgb + 3 * i, keys[i], hues[i], saturations[i]);
}

const MosaicPixel::Tables& MosaicPixel::GetTables()
{
  static const Tables tables;
  return tables;
}
