#include "raster/pixelspans.h"

#include <algorithm>
#include <cstring>

#include "raster/blendsixteen.h"
#include "raster/framebuffer.h"
#include "raster/vectorintrinsics.h"

// Wider vectors where the processor has them, chosen once at load time.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define GXA_SPAN_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define GXA_SPAN_CLONES
#endif

namespace host {

namespace {

// Vectors of four pixels; the 16-bit arithmetic takes twice the width.
constexpr int kStep = 4;
using U8 = uint8_t __attribute__((vector_size(16)));
using U16 = uint16_t __attribute__((vector_size(32)));
using Wide = uint8_t __attribute__((vector_size(32)));  // eight pixels, for copies
using Quads = uint64_t __attribute__((vector_size(32)));

constexpr U8 kAlphaBytes = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
constexpr Wide kWideAlpha = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255,
                             0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};

template <typename V>
[[gnu::always_inline]] inline V Load(const void* p) {
  V v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <typename V>
[[gnu::always_inline]] inline void Store(void* p, V v) {
  std::memcpy(p, &v, sizeof v);
}

[[gnu::always_inline]] inline bool AllZero(U8 v) {
  uint64_t w[2];
  std::memcpy(w, &v, sizeof w);
  return (w[0] | w[1]) == 0;
}

[[gnu::always_inline]] inline bool Same(U8 a, U8 b) { return AllZero(a ^ b); }

// x / 255 rounded down, exact below 65535; the blend stays under 65153.
[[gnu::always_inline]] inline U16 Div255(U16 x) { return (x + 1 + (x >> 8)) >> 8; }

// The blend rule on four opaque destination pixels. Its rounding is not
// symmetric (the integer division truncates towards zero), so raising and
// lowering a component are worked out apart.
[[gnu::always_inline]] inline U8 BlendOntoOpaque(U8 s, U8 d) {
  const U8 a = __builtin_shufflevector(s, s, 3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15);
  const U16 a16 = __builtin_convertvector(a, U16);
  const U8 up = (s - d) & U8(s > d);
  const U8 down = (d - s) & U8(d > s);
  const U16 raise = Div255(__builtin_convertvector(up, U16) * a16 + 127);
  U16 m = __builtin_convertvector(down, U16) * a16;
  m = (m - 127) & U16(m > 127);
  const U16 lower = Div255(m);
  const U8 mixed = __builtin_convertvector(__builtin_convertvector(d, U16) + raise - lower, U8);
  const U8 full = U8(a == 255);
  return (s & full) | (mixed & ~full) | kAlphaBytes;
}

GXA_SPAN_CLONES void JoinAlphaSpan(const uint8_t* rgb, const uint8_t* alpha, uint32_t* out, int count);

void BlendScalar(const uint8_t* src, uint32_t* dst, int count) {
  for (int i = 0; i < count; ++i, src += 4) PixelSpans::BlendPixel(dst[i], {src[0], src[1], src[2], src[3]}, src[3]);
}

GXA_SPAN_CLONES void BlendOverSpan(const uint8_t* src, uint32_t* dst, int count) {
  int i = 0;
  for (; i + kStep <= count; i += kStep) {
    const U8 s = Load<U8>(src + 4 * i);
    const U8 sa = s & kAlphaBytes;
    if (AllZero(sa)) continue;
    const U8 d = Load<U8>(dst + i);
    if (!Same(d & kAlphaBytes, kAlphaBytes)) {
      BlendScalar(src + 4 * i, dst + i, kStep);
    } else if (Same(sa, kAlphaBytes)) {
      Store(dst + i, s);
    } else {
      Store(dst + i, BlendOntoOpaque(s, d));
    }
  }
  BlendScalar(src + 4 * i, dst + i, count - i);
}

#ifdef GXA_X86_VECTORS
// floor(x / 255) for every 16-bit x: (x * 0x8081) >> 23.
__attribute__((target("avx2"))) inline __m256i Quotient255(__m256i x) {
  return _mm256_srli_epi16(_mm256_mulhi_epu16(x, _mm256_set1_epi16(int16_t(0x8081))), 7);
}

// The rule's two roundings on one half of the bytes, widened: what a
// component rises by, floor((up a + 127) / 255), and what it falls by,
// floor(max(down a - 127, 0) / 255).
__attribute__((target("avx2"))) inline void StepsAvx2(__m256i up, __m256i down, __m256i a, __m256i& raise,
                                                      __m256i& lower) {
  raise = Quotient255(_mm256_add_epi16(_mm256_mullo_epi16(up, a), _mm256_set1_epi16(127)));
  lower = Quotient255(_mm256_subs_epu16(_mm256_mullo_epi16(down, a), _mm256_set1_epi16(127)));
}

// Eight straight pixels over eight of dst, which are opaque unless the
// scalar rule is needed; s has its alpha in every pixel's last byte.
__attribute__((target("avx2"))) inline void BlendEightAvx2(__m256i s, uint32_t* dst) {
  const __m256i alpha = _mm256_set1_epi32(int(Framebuffer::Pack({0, 0, 0, 255})));
  const __m256i sa = _mm256_and_si256(s, alpha);
  if (_mm256_testz_si256(sa, sa)) return;
  const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst));
  if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(_mm256_and_si256(d, alpha), alpha)) != -1) {
    uint8_t pixels[32];
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixels), s);
    BlendScalar(pixels, dst, 8);
    return;
  }
  const __m256i full = _mm256_cmpeq_epi32(sa, alpha);
  __m256i out = s;
  if (_mm256_movemask_epi8(full) != -1) {
    const __m256i spread = _mm256_setr_epi8(3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15, 3, 3, 3, 3, 7, 7, 7,
                                            7, 11, 11, 11, 11, 15, 15, 15, 15);
    const __m256i zero = _mm256_setzero_si256();
    const __m256i a = _mm256_shuffle_epi8(s, spread);
    // Rising and falling components apart, as the rule rounds them apart;
    // the result stays between d and s, so bytes hold every step.
    const __m256i up = _mm256_subs_epu8(s, d), down = _mm256_subs_epu8(d, s);
    __m256i raiseLow, lowerLow, raiseHigh, lowerHigh;
    StepsAvx2(_mm256_unpacklo_epi8(up, zero), _mm256_unpacklo_epi8(down, zero), _mm256_unpacklo_epi8(a, zero), raiseLow,
              lowerLow);
    StepsAvx2(_mm256_unpackhi_epi8(up, zero), _mm256_unpackhi_epi8(down, zero), _mm256_unpackhi_epi8(a, zero),
              raiseHigh, lowerHigh);
    const __m256i mixed = _mm256_add_epi8(_mm256_sub_epi8(d, _mm256_packus_epi16(lowerLow, lowerHigh)),
                                          _mm256_packus_epi16(raiseLow, raiseHigh));
    out = _mm256_or_si256(_mm256_blendv_epi8(mixed, s, full), alpha);
  }
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst), out);
}

__attribute__((target("avx2"))) void BlendOverAvx2(const uint8_t* src, uint32_t* dst, int count) {
  int i = 0;
  for (; i + 8 <= count; i += 8)
    BlendEightAvx2(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + 4 * i)), dst + i);
  BlendScalar(src + 4 * i, dst + i, count - i);
}

// RGB and its alpha row joined in registers on the way: twelve colour bytes
// per half, the second half loaded from byte 12, so 28 bytes must be there.
__attribute__((target("avx2"))) void BlendJoinedAvx2(const uint8_t* rgb, const uint8_t* alpha, uint32_t* dst,
                                                     int count) {
  const __m256i place = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1, 0, 1, 2, -1, 3, 4, 5, -1,
                                         6, 7, 8, -1, 9, 10, 11, -1);
  int i = 0;
  for (; 3 * i + 28 <= 3 * count; i += 8) {
    const __m256i colour = _mm256_loadu2_m128i(reinterpret_cast<const __m128i*>(rgb + 3 * i + 12),
                                               reinterpret_cast<const __m128i*>(rgb + 3 * i));
    const __m256i a =
        _mm256_slli_epi32(_mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(alpha + i))), 24);
    BlendEightAvx2(_mm256_or_si256(_mm256_shuffle_epi8(colour, place), a), dst + i);
  }
  uint32_t rest[8];
  for (; i < count; i += 8) {
    const int n = std::min(8, count - i);
    JoinAlphaSpan(rgb + 3 * i, alpha + i, rest, n);
    BlendScalar(reinterpret_cast<const uint8_t*>(rest), dst + i, n);
  }
}

const bool kHasAvx2 = __builtin_cpu_supports("avx2");

#define GXA_SPAN_AVX512 GXA_BLEND_AVX512
const bool kHasAvx512 =
    __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl");

GXA_SPAN_AVX512 void BlendOverAvx512(const uint8_t* src, uint32_t* dst, int count) {
  int i = 0;
  for (; i + 16 <= count; i += 16) BlendSixteenAvx512<true>(_mm512_loadu_si512(src + 4 * i), dst + i, 0xFFFF);
  if (i < count) {
    const __mmask16 mask = FirstPixels(count - i);
    BlendSixteenAvx512<false>(_mm512_maskz_loadu_epi32(mask, src + 4 * i), dst + i, mask);
  }
}

// Colour spread from 48 bytes to four lanes of twelve, then to pixels
// beside their alpha.
GXA_SPAN_AVX512 void BlendJoinedAvx512(const uint8_t* rgb, const uint8_t* alpha, uint32_t* dst, int count) {
  const __m512i lanes = _mm512_setr_epi32(0, 1, 2, 0, 3, 4, 5, 0, 6, 7, 8, 0, 9, 10, 11, 0);
  const __m512i place = _mm512_set4_epi32(int(0xFF0B0A09), int(0xFF080706), int(0xFF050403), int(0xFF020100));
  auto join = [&](__m512i bytes, __m128i a) GXA_SPAN_AVX512 {
    const __m512i colour = _mm512_shuffle_epi8(_mm512_permutexvar_epi32(lanes, bytes), place);
    return _mm512_or_si512(colour, _mm512_slli_epi32(_mm512_cvtepu8_epi32(a), 24));
  };
  int i = 0;
  // Whole loads while the row has the 64 bytes they read.
  for (; 3 * i + 64 <= 3 * count; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha + i));
    BlendSixteenAvx512<true>(join(_mm512_loadu_si512(rgb + 3 * i), a), dst + i, 0xFFFF);
  }
  for (; i < count; i += 16) {
    const int n = std::min(16, count - i);
    const __m512i bytes = _mm512_maskz_loadu_epi8(__mmask64((uint64_t{1} << (3 * n)) - 1), rgb + 3 * i);
    BlendSixteenAvx512<false>(join(bytes, _mm_maskz_loadu_epi8(FirstPixels(n), alpha + i)), dst + i, FirstPixels(n));
  }
}
#endif

void BlendOverAny(const uint8_t* src, uint32_t* dst, int count) {
#ifdef GXA_X86_VECTORS
  if (kHasAvx512) return BlendOverAvx512(src, dst, count);
  if (kHasAvx2) return BlendOverAvx2(src, dst, count);
#endif
  BlendOverSpan(src, dst, count);
}

// Eight pixels of three bytes from one 32-byte load, which reads eight bytes
// past them: only while that much of the row is left.
GXA_SPAN_CLONES void CopyRgbSpan(const uint8_t* rgb, uint32_t* dst, int count) {
  int i = 0;
  for (; 3 * i + 32 <= 3 * count; i += 8) {
    const Wide v = Load<Wide>(rgb + 3 * i);
    Store(dst + i, __builtin_shufflevector(v, v, 0, 1, 2, 0, 3, 4, 5, 0, 6, 7, 8, 0, 9, 10, 11, 0, 12, 13, 14, 0, 15,
                                           16, 17, 0, 18, 19, 20, 0, 21, 22, 23, 0) |
                       kWideAlpha);
  }
  for (; i < count; ++i) {
    const uint8_t px[4] = {rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2], 255};
    std::memcpy(dst + i, px, 4);
  }
}

GXA_SPAN_CLONES void JoinAlphaSpan(const uint8_t* rgb, const uint8_t* alpha, uint32_t* out, int count) {
  int i = 0;
  for (; 3 * i + 32 <= 3 * count; i += 8) {
    const Wide v = Load<Wide>(rgb + 3 * i);
    uint64_t eight;
    std::memcpy(&eight, alpha + i, 8);
    const Wide a = Wide(Quads{eight, 0, 0, 0});
    Store(out + i, __builtin_shufflevector(v, a, 0, 1, 2, 32, 3, 4, 5, 33, 6, 7, 8, 34, 9, 10, 11, 35, 12, 13, 14, 36,
                                           15, 16, 17, 37, 18, 19, 20, 38, 21, 22, 23, 39));
  }
  for (; i < count; ++i) {
    const uint8_t px[4] = {rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2], alpha[i]};
    std::memcpy(out + i, px, 4);
  }
}

// Eight pixels a step; the 32-byte store of colour writes eight bytes past
// the 24 it means, so only while the row goes on that far.
GXA_SPAN_CLONES void SplitAlphaSpan(const uint8_t* rgba, uint8_t* rgb, uint8_t* alpha, int count) {
  int i = 0;
  for (; 3 * i + 32 <= 3 * count; i += 8) {
    const Wide v = Load<Wide>(rgba + 4 * i);
    Store(rgb + 3 * i, __builtin_shufflevector(v, v, 0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 16, 17, 18, 20, 21, 22, 24,
                                               25, 26, 28, 29, 30, 0, 0, 0, 0, 0, 0, 0, 0));
    const Wide a = __builtin_shufflevector(v, v, 3, 7, 11, 15, 19, 23, 27, 31, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                           0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    std::memcpy(alpha + i, &a, 8);
  }
  for (; i < count; ++i) {
    rgb[3 * i] = rgba[4 * i];
    rgb[3 * i + 1] = rgba[4 * i + 1];
    rgb[3 * i + 2] = rgba[4 * i + 2];
    alpha[i] = rgba[4 * i + 3];
  }
}

GXA_SPAN_CLONES void CopyRgbaOpaqueSpan(const uint8_t* rgba, uint32_t* dst, int count) {
  int i = 0;
  for (; i + 8 <= count; i += 8) Store(dst + i, Load<Wide>(rgba + 4 * i) | kWideAlpha);
  for (; i < count; ++i) {
    uint8_t px[4];
    std::memcpy(px, rgba + 4 * i, 4);
    px[3] = 255;
    std::memcpy(dst + i, px, 4);
  }
}

}  // namespace

void PixelSpans::BlendPixel(uint32_t& pixel, Rgba src, int alpha) {
  if (alpha <= 0) return;
  if (alpha >= 255) {
    pixel = Framebuffer::Pack(src.WithAlpha(255));
    return;
  }
  const Rgba dst = Framebuffer::Unpack(pixel);
  if (dst.a == 255) {
    auto mix = [alpha](int s, int d) { return uint8_t(d + ((s - d) * alpha + 127) / 255); };
    pixel = Framebuffer::Pack({mix(src.r, dst.r), mix(src.g, dst.g), mix(src.b, dst.b), 255});
    return;
  }
  const int outA = alpha + dst.a * (255 - alpha) / 255;
  auto mix = [&](int s, int d) { return uint8_t((s * alpha + d * dst.a * (255 - alpha) / 255) / outA); };
  pixel = Framebuffer::Pack({mix(src.r, dst.r), mix(src.g, dst.g), mix(src.b, dst.b), uint8_t(outA)});
}

void PixelSpans::CopyRgb(const uint8_t* rgb, uint32_t* dst, int count) { CopyRgbSpan(rgb, dst, count); }

void PixelSpans::CopyRgbaOpaque(const uint8_t* rgba, uint32_t* dst, int count) { CopyRgbaOpaqueSpan(rgba, dst, count); }

void PixelSpans::JoinAlpha(const uint8_t* rgb, const uint8_t* alpha, uint32_t* out, int count) {
  JoinAlphaSpan(rgb, alpha, out, count);
}

void PixelSpans::SplitAlpha(const uint8_t* rgba, uint8_t* rgb, uint8_t* alpha, int count) {
  SplitAlphaSpan(rgba, rgb, alpha, count);
}

void PixelSpans::BlendOver(const uint8_t* rgba, uint32_t* dst, int count) { BlendOverAny(rgba, dst, count); }

void PixelSpans::BlendJoined(const uint8_t* rgb, const uint8_t* alpha, uint32_t* dst, int count) {
#ifdef GXA_X86_VECTORS
  if (kHasAvx512) return BlendJoinedAvx512(rgb, alpha, dst, count);
  if (kHasAvx2) return BlendJoinedAvx2(rgb, alpha, dst, count);
#endif
  // In pieces small enough for the stack.
  constexpr int kPiece = 256;
  uint32_t joined[kPiece];
  for (int start = 0; start < count; start += kPiece) {
    const int n = std::min(kPiece, count - start);
    JoinAlphaSpan(rgb + 3 * start, alpha + start, joined, n);
    BlendOverSpan(reinterpret_cast<const uint8_t*>(joined), dst + start, n);
  }
}

void PixelSpans::BlendColor(uint32_t* dst, int count, Rgba c, const uint8_t* coverage) {
  if (!coverage) {
    if (c.a == 255) {
      std::fill_n(dst, count, Framebuffer::Pack(c));
      return;
    }
    if (c.a == 0) return;
  }
  // In pieces small enough for the stack; glyph rows are one piece.
  constexpr int kPiece = 256;
  uint32_t src[kPiece];
  for (int start = 0; start < count; start += kPiece) {
    const int n = std::min(kPiece, count - start);
    for (int i = 0; i < n; ++i) {
      const int alpha = coverage ? (coverage[start + i] * c.a + 127) / 255 : c.a;
      src[i] = Framebuffer::Pack(c.WithAlpha(uint8_t(alpha)));
    }
    BlendOverAny(reinterpret_cast<const uint8_t*>(src), dst + start, n);
  }
}

}  // namespace host
