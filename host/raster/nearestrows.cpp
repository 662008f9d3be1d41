#include "raster/nearestrows.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "raster/blendsixteen.h"
#include "raster/vectorintrinsics.h"
#include "raster/vectorunits.h"

namespace host {

namespace {

constexpr int kStep = 16;    // target pixels a step
constexpr int kWindow = 64;  // bytes of a window

struct Source {
  const uint8_t* row;
  int rowBytes;
  const uint8_t* alpha;  // the alpha row where it is apart, else null
  int alphaBytes;
  uint32_t fill;  // or-ed into every pixel: the alpha of an opaque scale
};

#ifdef GXA_X86_VECTORS
#define GXA_NEAREST_AVX512 __attribute__((target("avx512f,avx512bw,avx512vl,avx512vbmi")))

// The last windows would read past the row (and the bitmap): those from a
// copy of what the row has there.
GXA_NEAREST_AVX512 inline __m512i Copied(const uint8_t* row, int bytes, int at) {
  uint8_t copy[kWindow] = {};
  std::memcpy(copy, row + at, size_t(std::clamp(bytes - at, 0, kWindow)));
  return _mm512_loadu_si512(copy);
}

// Sixteen target pixels from their windows; the alpha picks stand in each
// pixel's fourth byte of the same control.
GXA_NEAREST_AVX512 inline __m512i Pick(__m512i idx, __m512i low, __m512i high, __m512i alpha, bool apart,
                                       __m512i fill) {
  __m512i pixels = _mm512_permutex2var_epi8(low, idx, high);
  if (apart) pixels = _mm512_mask_permutexvar_epi8(pixels, __mmask64(0x8888888888888888u), idx, alpha);
  return _mm512_or_si512(pixels, fill);
}

template <bool kBlend>
GXA_NEAREST_AVX512 void NearestAvx512(const Source& src, const int* windows, const uint8_t* picks, int count,
                                      int firstTail, uint32_t* out) {
  const __m512i fill = _mm512_set1_epi32(int(src.fill));
  const bool apart = src.alpha != nullptr;
  const int whole = std::min(firstTail, count / kStep);
  int g = 0;
  for (; g < whole; ++g) {
    const int* w = windows + 3 * g;
    const __m512i alpha = apart ? _mm512_loadu_si512(src.alpha + w[2]) : fill;
    const __m512i pixels = Pick(_mm512_load_si512(picks + kWindow * g), _mm512_loadu_si512(src.row + w[0]),
                                _mm512_loadu_si512(src.row + w[1]), alpha, apart, fill);
    if (kBlend) BlendSixteenAvx512<true>(pixels, out + kStep * g, 0xFFFF);
    else _mm512_storeu_si512(out + kStep * g, pixels);
  }
  for (; kStep * g < count; ++g) {
    const int* w = windows + 3 * g;
    const __m512i alpha = apart ? Copied(src.alpha, src.alphaBytes, w[2]) : fill;
    const __m512i pixels = Pick(_mm512_load_si512(picks + kWindow * g), Copied(src.row, src.rowBytes, w[0]),
                                Copied(src.row, src.rowBytes, w[1]), alpha, apart, fill);
    const int n = std::min(kStep, count - kStep * g);
    const __mmask16 mask = __mmask16((1u << n) - 1);
    if (kBlend) BlendSixteenAvx512<false>(pixels, out + kStep * g, mask);
    else _mm512_mask_storeu_epi32(out + kStep * g, mask, pixels);
  }
}
#endif

}  // namespace

bool NearestRows::Plan(const Bitmap& bitmap, const std::vector<int>& columns, bool useAlpha) {
  bitmap_ = nullptr;
  const int bpp = bitmap.BytesPerPixel();
  if (VectorUnits::Best() < Vectors::Avx512Vbmi || (bpp != 3 && bpp != 4) || columns.empty()) return false;
  useAlpha_ = useAlpha && bitmap.HasAlpha();
  const bool alphaApart = useAlpha_ && bpp == 3;
  count_ = int(columns.size());
  const int steps = (count_ + kStep - 1) / kStep;
  windows_.assign(size_t(steps) * 3, 0);
  picks_.assign(size_t(steps), Line{});
  firstTail_ = steps;
  for (int g = 0; g < steps; ++g) {
    auto column = [&](int k) { return columns[size_t(std::min(kStep * g + k, count_ - 1))]; };
    int* w = windows_.data() + 3 * g;  // the two colour windows' byte offsets, the alpha window's
    uint8_t* picks = picks_[size_t(g)].bytes;
    for (int h = 0; h < 2; ++h) {
      const int base = column(8 * h), last = column(8 * h + 7);
      if (base > last || (last - base + 1) * bpp > kWindow) return false;
      w[h] = base * bpp;
      for (int k = 8 * h; k < 8 * h + 8; ++k) {
        for (int c = 0; c < bpp; ++c) picks[4 * k + c] = uint8_t(kWindow * h + (column(k) - base) * bpp + c);
      }
    }
    w[2] = column(0);
    if (alphaApart) {
      if (column(kStep - 1) - w[2] >= kWindow) return false;
      for (int k = 0; k < kStep; ++k) picks[4 * k + 3] = uint8_t(column(k) - w[2]);
    }
    const bool tail = w[1] + kWindow > bitmap.RowBytes() || (alphaApart && w[2] + kWindow > bitmap.Width());
    if (tail && firstTail_ == steps) firstTail_ = g;
  }
  bitmap_ = &bitmap;
  return true;
}

void NearestRows::Row(int sy, uint32_t* out) const { Run(sy, false, out); }

void NearestRows::BlendRow(int sy, uint32_t* dst) const { Run(sy, true, dst); }

void NearestRows::Run(int sy, bool blend, uint32_t* out) const {
#ifdef GXA_X86_VECTORS
  const bool apart = useAlpha_ && bitmap_->BytesPerPixel() == 3;
  const Source src{bitmap_->Row(sy), bitmap_->RowBytes(), apart ? bitmap_->AlphaRow(sy) : nullptr, bitmap_->Width(),
                   useAlpha_ ? 0 : 0xFF000000u};
  // Rows follow each other in the bitmap (and in its alpha channel), so a
  // window may read on into the next row; only near the end are the last
  // windows copied.
  const bool more = int64_t(bitmap_->Height() - sy) * bitmap_->Width() >= bitmap_->Width() + kWindow;
  const auto run = blend ? NearestAvx512<true> : NearestAvx512<false>;
  run(src, windows_.data(), picks_.front().bytes, count_, more ? int(windows_.size() / 3) : firstTail_, out);
#else
  (void)sy;
  (void)blend;
  (void)out;
#endif
}

}  // namespace host
