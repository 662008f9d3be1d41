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

// Sixteen pixels a step where the processor has 512-bit byte operations.
// The rule moves d by trunc(v / 255) for v = (s - d) a + 127: up by
// floor((|s - d| a + 127) / 255) where s >= d, down by
// floor(max(|s - d| a - 127, 0) / 255) where s < d, one quotient for both.
#define GXA_BLEND_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl")))

// One half of the bytes, widened: |s - d|, the alpha and 254 where s < d.
GXA_BLEND_AVX512 inline __m512i StepHalfAvx512(__m512i apart, __m512i a, __m512i less) {
  const __m512i t = _mm512_subs_epu16(_mm512_add_epi16(_mm512_mullo_epi16(apart, a), _mm512_set1_epi16(127)), less);
  // floor(t / 255) for every 16-bit t: (t * 0x8081) >> 23.
  return _mm512_srli_epi16(_mm512_mulhi_epu16(t, _mm512_set1_epi16(int16_t(0x8081))), 7);
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
    // Each pixel's alpha spread over its four channels as 16-bit numbers,
    // for the first and the last two pixels of each lane.
    const __m512i spreadLow = _mm512_set4_epi32(int(0xFF07FF07), int(0xFF07FF07), int(0xFF03FF03), int(0xFF03FF03));
    const __m512i spreadHigh = _mm512_set4_epi32(int(0xFF0FFF0F), int(0xFF0FFF0F), int(0xFF0BFF0B), int(0xFF0BFF0B));
    const __m512i zero = _mm512_setzero_si512();
    const __m512i apart = _mm512_or_si512(_mm512_subs_epu8(s, d), _mm512_subs_epu8(d, s));
    const __mmask64 lower = _mm512_cmplt_epu8_mask(s, d);
    const __m512i less = _mm512_maskz_mov_epi8(lower, _mm512_set1_epi8(int8_t(254)));
    const __m512i low = StepHalfAvx512(_mm512_unpacklo_epi8(apart, zero), _mm512_shuffle_epi8(s, spreadLow),
                                       _mm512_unpacklo_epi8(less, zero));
    const __m512i high = StepHalfAvx512(_mm512_unpackhi_epi8(apart, zero), _mm512_shuffle_epi8(s, spreadHigh),
                                        _mm512_unpackhi_epi8(less, zero));
    const __m512i steps = _mm512_packus_epi16(low, high);
    const __m512i mixed = _mm512_mask_sub_epi8(_mm512_add_epi8(d, steps), lower, d, steps);
    out = _mm512_or_si512(_mm512_mask_mov_epi32(mixed, full, s), alpha);
  }
  if (kWhole) _mm512_storeu_si512(dst, out);
  else _mm512_mask_storeu_epi32(dst, mask, out);
}

constexpr __mmask16 FirstPixels(int n) { return __mmask16(n >= 16 ? 0xFFFF : (1u << n) - 1); }

}  // namespace host
#endif
