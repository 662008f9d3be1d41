#pragma once
// The host's blend rule on sixteen pixels at once, for the kernels that
// make their pixels in registers and blend them there (the scaled blits)
// as well as for the spans.
#include <cstdint>

#include "raster/framebuffer.h"
#include "raster/pixelspans.h"
#include "raster/vectorintrinsics.h"

#ifdef GXA_X86_VECTORS
namespace host {

// Sixteen pixels a step where the processor has 512-bit byte operations,
// with the rule's two roundings folded into one quotient: d + trunc(v / 255)
// for v = (s - d) a + 127 is floor((d (255 - a) + s a + 127) / 255), and
// 254 more in the dividend where v is negative (the division rounds up there).
#define GXA_BLEND_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl")))

GXA_BLEND_AVX512 inline __m512i MixHalfAvx512(__m512i s, __m512i d, __m512i a) {
  const __m512i keep = _mm512_sub_epi16(_mm512_set1_epi16(255), a);
  __m512i sum = _mm512_add_epi16(_mm512_mullo_epi16(d, keep), _mm512_mullo_epi16(s, a));
  sum = _mm512_add_epi16(sum, _mm512_set1_epi16(127));
  // v is negative where the sum falls below 255 d.
  const __mmask32 negative = _mm512_cmplt_epu16_mask(sum, _mm512_sub_epi16(_mm512_slli_epi16(d, 8), d));
  sum = _mm512_mask_add_epi16(sum, negative, sum, _mm512_set1_epi16(254));
  return _mm512_srli_epi16(_mm512_mulhi_epu16(sum, _mm512_set1_epi16(int16_t(0x8081))), 7);
}

// Up to sixteen pixels (those of mask) over dst; masked loads and stores
// are slow on some processors, so whole steps do without.
template <bool kWhole>
GXA_BLEND_AVX512 inline void BlendSixteenAvx512(__m512i s, uint32_t* dst, __mmask16 mask) {
  const __m512i alpha = _mm512_set1_epi32(int(Framebuffer::Pack({0, 0, 0, 255})));
  const __m512i sa = _mm512_and_si512(s, alpha);
  if (!_mm512_mask_test_epi32_mask(mask, sa, sa)) return;
  // Pixels past the mask read as opaque, so they do not call for the scalar rule.
  const __m512i d = kWhole ? _mm512_loadu_si512(dst) : _mm512_mask_loadu_epi32(alpha, mask, dst);
  if (_mm512_cmpneq_epi32_mask(_mm512_and_si512(d, alpha), alpha)) {
    alignas(64) uint8_t pixels[64];
    _mm512_store_si512(pixels, s);
    for (int i = 0; i < __builtin_popcount(mask); ++i) {
      const uint8_t* p = pixels + 4 * i;
      PixelSpans::BlendPixel(dst[i], {p[0], p[1], p[2], p[3]}, p[3]);
    }
    return;
  }
  const __mmask16 full = _mm512_cmpeq_epi32_mask(sa, alpha);
  __m512i out = s;
  if ((full & mask) != mask) {
    const __m512i spread = _mm512_set4_epi32(0x0F0F0F0F, 0x0B0B0B0B, 0x07070707, 0x03030303);
    const __m512i zero = _mm512_setzero_si512();
    const __m512i a = _mm512_shuffle_epi8(s, spread);
    const __m512i low =
        MixHalfAvx512(_mm512_unpacklo_epi8(s, zero), _mm512_unpacklo_epi8(d, zero), _mm512_unpacklo_epi8(a, zero));
    const __m512i high =
        MixHalfAvx512(_mm512_unpackhi_epi8(s, zero), _mm512_unpackhi_epi8(d, zero), _mm512_unpackhi_epi8(a, zero));
    out = _mm512_or_si512(_mm512_mask_mov_epi32(_mm512_packus_epi16(low, high), full, s), alpha);
  }
  if (kWhole) _mm512_storeu_si512(dst, out);
  else _mm512_mask_storeu_epi32(dst, mask, out);
}

constexpr __mmask16 FirstPixels(int n) { return __mmask16(n >= 16 ? 0xFFFF : (1u << n) - 1); }

}  // namespace host
#endif
