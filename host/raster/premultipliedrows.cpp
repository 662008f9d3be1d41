#include "raster/premultipliedrows.h"

#include <algorithm>
#include <cstring>

#include "raster/pixelspans.h"
#include "raster/vectorintrinsics.h"

namespace host {

namespace {

#ifdef GXA_X86_VECTORS
#define GXA_AVX512 __attribute__((target("avx512f")))
const bool kHasAvx512 = __builtin_cpu_supports("avx512f");

// Four RGBA pixels a step (one a 128-bit lane) to r a, g a, b a, a.
GXA_AVX512 inline void PremultiplyFour(const void* rgba, float* out) {
  const __m512 v = _mm512_cvtepi32_ps(_mm512_cvtepu8_epi32(_mm_loadu_si128(static_cast<const __m128i*>(rgba))));
  _mm512_storeu_ps(out, _mm512_mask_mov_ps(_mm512_mul_ps(v, _mm512_permute_ps(v, 0xFF)), 0x8888, v));
}

GXA_AVX512 void PremultiplyAvx512(const uint32_t* rgba, int count, float* out) {
  int i = 0;
  for (; i + 4 <= count; i += 4) PremultiplyFour(rgba + i, out + 4 * i);
  if (i < count) {
    uint32_t rest[4] = {0, 0, 0, 0};
    std::memcpy(rest, rgba + i, sizeof(uint32_t) * size_t(count - i));
    float four[16];
    PremultiplyFour(rest, four);
    std::memcpy(out + 4 * i, four, sizeof(float) * 4 * size_t(count - i));
  }
}

GXA_AVX512 inline __m512 FourTaps(const float* row, const int* at) {
  __m512 v = _mm512_castps128_ps512(_mm_loadu_ps(row + at[0]));
  v = _mm512_insertf32x4(v, _mm_loadu_ps(row + at[1]), 1);
  v = _mm512_insertf32x4(v, _mm_loadu_ps(row + at[2]), 2);
  return _mm512_insertf32x4(v, _mm_loadu_ps(row + at[3]), 3);
}

// Two taps a target pixel, first + weight x (second - first).
GXA_AVX512 void AcrossAvx512(const float* row, const int* firsts, const int* seconds, const float* weights, int count,
                             float* out) {
  for (int i = 0; i < count; i += 4) {
    const __m512 a = FourTaps(row, firsts + i), b = FourTaps(row, seconds + i);
    _mm512_storeu_ps(out + 4 * i, _mm512_fmadd_ps(_mm512_loadu_ps(weights + 4 * i), _mm512_sub_ps(b, a), a));
  }
}

// Two mixed rows down, divided by their alpha, rounded half up and clamped;
// transparent black where nothing is left.
GXA_AVX512 void DownAvx512(const float* top, const float* bottom, float weight, int count, uint32_t* out) {
  const __m512 w = _mm512_set1_ps(weight), half = _mm512_set1_ps(0.5f);
  const __m512 zero = _mm512_setzero_ps(), most = _mm512_set1_ps(255.0f);
  for (int i = 0; i < count; i += 4) {
    const __m512 t = _mm512_loadu_ps(top + 4 * i);
    const __m512 sum = _mm512_fmadd_ps(w, _mm512_sub_ps(_mm512_loadu_ps(bottom + 4 * i), t), t);
    const __m512 alpha = _mm512_permute_ps(sum, 0xFF);
    const __mmask16 shown = _mm512_cmp_ps_mask(alpha, zero, _CMP_GT_OQ);
    __m512 v = _mm512_mask_mov_ps(_mm512_maskz_div_ps(shown, sum, alpha), 0x8888, sum);
    v = _mm512_min_ps(_mm512_max_ps(_mm512_add_ps(v, half), zero), most);
    const __m128i bytes = _mm512_cvtusepi32_epi8(_mm512_maskz_cvttps_epu32(shown, v));
    const int n = std::min(4, count - i);
    if (n == 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), bytes);
    else std::memcpy(out + i, &bytes, sizeof(uint32_t) * size_t(n));
  }
}
#endif

}  // namespace

bool PremultipliedRows::Plan(const Bitmap& bitmap, const std::vector<BlendTap>& columns) {
  bitmap_ = nullptr;
#ifdef GXA_X86_VECTORS
  const int bpp = bitmap.BytesPerPixel();
  if (!kHasAvx512 || !bitmap.HasAlpha() || (bpp != 3 && bpp != 4) || columns.empty()) return false;
  count_ = int(columns.size());
  int right = 0;
  left_ = bitmap.Width();
  for (const BlendTap& t : columns) {
    left_ = std::min({left_, t.first, t.second});
    right = std::max({right, t.first, t.second});
  }
  width_ = right - left_ + 1;
  const int padded = (count_ + 3) / 4 * 4;
  firsts_.assign(size_t(padded), 0);
  seconds_.assign(size_t(padded), 0);
  weights_.assign(size_t(padded) * 4, 0.0f);
  for (int i = 0; i < padded; ++i) {
    const BlendTap& t = columns[size_t(std::min(i, count_ - 1))];
    firsts_[size_t(i)] = 4 * (t.first - left_);
    seconds_[size_t(i)] = 4 * (t.second - left_);
    std::fill_n(weights_.begin() + 4 * i, 4, t.weight);
  }
  source_.assign(size_t(width_) * 4, 0.0f);
  if (bpp == 3) joined_.assign(size_t(width_), 0);
  for (Across& a : across_) {
    a.row = -1;
    a.mixed.assign(size_t(padded) * 4, 0.0f);
  }
  bitmap_ = &bitmap;
  return true;
#else
  (void)bitmap;
  (void)columns;
  return false;
#endif
}

void PremultipliedRows::Premultiply(int row) {
#ifdef GXA_X86_VECTORS
  const uint8_t* pixels = bitmap_->Row(row);
  const uint32_t* rgba = joined_.data();
  if (bitmap_->BytesPerPixel() == 3) {
    PixelSpans::JoinAlpha(pixels + size_t(left_) * 3, bitmap_->AlphaRow(row) + left_, joined_.data(), width_);
  } else {
    rgba = reinterpret_cast<const uint32_t*>(pixels + size_t(left_) * 4);
  }
  PremultiplyAvx512(rgba, width_, source_.data());
#else
  (void)row;
#endif
}

const float* PremultipliedRows::AcrossRow(int row, const float* keep) {
  for (const Across& a : across_) {
    if (a.row == row) return a.mixed.data();
  }
  // Target rows go down, so the upper row held is the one not needed again.
  int slot = across_[0].row < across_[1].row ? 0 : 1;
  if (keep) slot = across_[0].mixed.data() == keep ? 1 : 0;
  Across& a = across_[slot];
  Premultiply(row);
#ifdef GXA_X86_VECTORS
  AcrossAvx512(source_.data(), firsts_.data(), seconds_.data(), weights_.data(), count_, a.mixed.data());
#endif
  a.row = row;
  return a.mixed.data();
}

void PremultipliedRows::Row(BlendTap rows, uint32_t* out) {
  const float* top = AcrossRow(rows.first, nullptr);
  const float* bottom = rows.second == rows.first ? top : AcrossRow(rows.second, top);
#ifdef GXA_X86_VECTORS
  DownAvx512(top, bottom, rows.weight, count_, out);
#else
  (void)bottom;
  (void)out;
#endif
}

}  // namespace host
