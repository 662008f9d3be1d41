#include "raster/premultipliedrows.h"

#include <algorithm>
#include <cstring>

#include "raster/blendsixteen.h"
#include "raster/vectorintrinsics.h"
#include "raster/vectorunits.h"

namespace host {

namespace {

constexpr int kStep = 16;  // target pixels a step of the downward mix

#ifdef GXA_X86_VECTORS
#define GXA_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl,avx512dq")))

// Four straight pixels (bytes r, g, b, a) to r a, g a, b a, a.
GXA_AVX512 inline void PremultiplyFour(__m128i four, float* out) {
  const __m512 v = _mm512_cvtepi32_ps(_mm512_cvtepu8_epi32(four));
  _mm512_storeu_ps(out, _mm512_mask_mul_ps(v, 0x7777, v, _mm512_permute_ps(v, 0xFF)));
}

GXA_AVX512 inline void PremultiplySixteen(__m512i pixels, float* out) {
  PremultiplyFour(_mm512_castsi512_si128(pixels), out);
  PremultiplyFour(_mm512_extracti32x4_epi32(pixels, 1), out + 16);
  PremultiplyFour(_mm512_extracti32x4_epi32(pixels, 2), out + 32);
  PremultiplyFour(_mm512_extracti32x4_epi32(pixels, 3), out + 48);
}

// A row of RGB bytes beside its alpha row, or of RGBA bytes (alpha null).
GXA_AVX512 void PremultiplyAvx512(const uint8_t* colour, const uint8_t* alpha, int count, float* out) {
  // Colour spread from 48 bytes to four lanes of twelve, then to pixels
  // beside their alpha.
  const __m512i lanes = _mm512_setr_epi32(0, 1, 2, 0, 3, 4, 5, 0, 6, 7, 8, 0, 9, 10, 11, 0);
  const __m512i place = _mm512_set4_epi32(int(0xFF0B0A09), int(0xFF080706), int(0xFF050403), int(0xFF020100));
  int i = 0;
  // Whole loads while the row has the 64 bytes they read.
  for (; i + kStep <= count && (!alpha || 3 * i + 64 <= 3 * count); i += kStep) {
    __m512i pixels = _mm512_loadu_si512(colour + (alpha ? 3 : 4) * i);
    if (alpha) {
      pixels = _mm512_shuffle_epi8(_mm512_permutexvar_epi32(lanes, pixels), place);
      pixels = _mm512_or_si512(
          pixels,
          _mm512_slli_epi32(_mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha + i))), 24));
    }
    PremultiplySixteen(pixels, out + 4 * i);
  }
  for (; i < count; i += kStep) {
    const int n = std::min(kStep, count - i);
    const __mmask16 some = __mmask16((1u << n) - 1);
    __m512i pixels;
    if (alpha) {
      const __m512i bytes = _mm512_maskz_loadu_epi8(__mmask64((uint64_t{1} << (3 * n)) - 1), colour + 3 * i);
      pixels = _mm512_shuffle_epi8(_mm512_permutexvar_epi32(lanes, bytes), place);
      pixels =
          _mm512_or_si512(pixels, _mm512_slli_epi32(_mm512_cvtepu8_epi32(_mm_maskz_loadu_epi8(some, alpha + i)), 24));
    } else {
      pixels = _mm512_maskz_loadu_epi32(some, colour + 4 * i);
    }
    PremultiplySixteen(pixels, out + 4 * i);
  }
}

// Two taps a target pixel, side by side in the row: first + weight x
// (second - first), four pixels a step.
GXA_AVX512 void AcrossAvx512(const float* row, const int* firsts, const float* weights, int count, float* out) {
  for (int i = 0; i < count; i += 4) {
    const __m512 one = _mm512_insertf32x8(_mm512_castps256_ps512(_mm256_loadu_ps(row + firsts[i])),
                                          _mm256_loadu_ps(row + firsts[i + 1]), 1);
    const __m512 two = _mm512_insertf32x8(_mm512_castps256_ps512(_mm256_loadu_ps(row + firsts[i + 2])),
                                          _mm256_loadu_ps(row + firsts[i + 3]), 1);
    const __m512 a = _mm512_shuffle_f32x4(one, two, 0x88), b = _mm512_shuffle_f32x4(one, two, 0xDD);
    _mm512_storeu_ps(out + 4 * i, _mm512_fmadd_ps(_mm512_loadu_ps(weights + 4 * i), _mm512_sub_ps(b, a), a));
  }
}

// Four pixels of two mixed rows down, divided by their alpha, rounded half
// up and clamped; transparent black where nothing is left.
GXA_AVX512 inline __m128i DownFour(const float* top, const float* bottom, __m512 weight) {
  const __m512 t = _mm512_loadu_ps(top);
  const __m512 sum = _mm512_fmadd_ps(weight, _mm512_sub_ps(_mm512_loadu_ps(bottom), t), t);
  const __m512 alpha = _mm512_permute_ps(sum, 0xFF);
  const __mmask16 shown = _mm512_cmp_ps_mask(alpha, _mm512_setzero_ps(), _CMP_GT_OQ);
  // A reciprocal refined once: a division costs more than the rest.
  __m512 inverse = _mm512_rcp14_ps(alpha);
  inverse = _mm512_mul_ps(inverse, _mm512_fnmadd_ps(alpha, inverse, _mm512_set1_ps(2.0f)));
  // The sums are never negative and a channel never above its alpha but by
  // rounding, so the half added keeps the value positive and the saturating
  // narrowing clamps it to 255.
  const __m512 v = _mm512_add_ps(_mm512_mask_mul_ps(sum, 0x7777, sum, inverse), _mm512_set1_ps(0.5f));
  return _mm512_cvtusepi32_epi8(_mm512_maskz_cvttps_epu32(shown, v));
}

template <bool kBlend>
GXA_AVX512 void DownAvx512(const float* top, const float* bottom, float weight, int count, uint32_t* out) {
  const __m512 w = _mm512_set1_ps(weight);
  for (int i = 0; i < count; i += kStep) {
    __m512i pixels = _mm512_castsi128_si512(DownFour(top + 4 * i, bottom + 4 * i, w));
    pixels = _mm512_inserti32x4(pixels, DownFour(top + 4 * i + 16, bottom + 4 * i + 16, w), 1);
    pixels = _mm512_inserti32x4(pixels, DownFour(top + 4 * i + 32, bottom + 4 * i + 32, w), 2);
    pixels = _mm512_inserti32x4(pixels, DownFour(top + 4 * i + 48, bottom + 4 * i + 48, w), 3);
    const bool whole = i + kStep <= count;
    const __mmask16 mask = whole ? __mmask16(0xFFFF) : __mmask16((1u << (count - i)) - 1);
    if (kBlend) {
      if (whole) BlendSixteenAvx512<true>(pixels, out + i, mask);
      else BlendSixteenAvx512<false>(pixels, out + i, mask);
    } else if (whole) {
      _mm512_storeu_si512(out + i, pixels);
    } else {
      _mm512_mask_storeu_epi32(out + i, mask, pixels);
    }
  }
}
#endif

}  // namespace

bool PremultipliedRows::Plan(const Bitmap& bitmap, const std::vector<BlendTap>& columns) {
  bitmap_ = nullptr;
  const int bpp = bitmap.BytesPerPixel();
  if (VectorUnits::Best() < Vectors::Avx512 || !bitmap.HasAlpha() || (bpp != 3 && bpp != 4) || columns.empty())
    return false;
  count_ = int(columns.size());
  int right = 0;
  left_ = bitmap.Width();
  for (const BlendTap& t : columns) {
    left_ = std::min({left_, t.first, t.second});
    right = std::max({right, t.first, t.second});
  }
  width_ = right - left_ + 1;
  const int padded = (count_ + kStep - 1) / kStep * kStep;
  firsts_.assign(size_t(padded), 0);
  weights_.assign(size_t(padded) * 4, 0.0f);
  for (int i = 0; i < padded; ++i) {
    const BlendTap& t = columns[size_t(std::min(i, count_ - 1))];
    // A single pixel is taken with its right neighbour at no weight, as
    // there is one more pixel past the last.
    const bool single = t.second == t.first || t.weight == 0.0f;
    firsts_[size_t(i)] = 4 * (t.first - left_);
    if (!single && t.second != t.first + 1) return false;
    std::fill_n(weights_.begin() + 4 * i, 4, single ? 0.0f : t.weight);
  }
  source_.assign(size_t(width_ + kStep + 1) * 4, 0.0f);
  across_.Reset(size_t(padded) * 4);
  bitmap_ = &bitmap;
  return true;
}

void PremultipliedRows::Across(int row, float* out) {
#ifdef GXA_X86_VECTORS
  const uint8_t* pixels = bitmap_->Row(row);
  const int bpp = bitmap_->BytesPerPixel();
  const uint8_t* alpha = bpp == 3 ? bitmap_->AlphaRow(row) + left_ : nullptr;
  PremultiplyAvx512(pixels + size_t(left_) * bpp, alpha, width_, source_.data());
  AcrossAvx512(source_.data(), firsts_.data(), weights_.data(), int(firsts_.size()), out);
#else
  (void)row;
  (void)out;
#endif
}

void PremultipliedRows::Row(BlendTap rows, uint32_t* out) { Down(rows, false, out); }

void PremultipliedRows::BlendRow(BlendTap rows, uint32_t* dst) { Down(rows, true, dst); }

void PremultipliedRows::Down(BlendTap rows, bool blend, uint32_t* out) {
  const float *top, *bottom;
  across_.Pair(
      rows.first, rows.second, [this](int row, float* mixed) { Across(row, mixed); }, top, bottom);
#ifdef GXA_X86_VECTORS
  const auto down = blend ? DownAvx512<true> : DownAvx512<false>;
  down(top, bottom, rows.weight, count_, out);
#else
  (void)blend;
  (void)out;
#endif
}

}  // namespace host
