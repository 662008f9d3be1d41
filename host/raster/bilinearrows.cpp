#include "raster/bilinearrows.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "raster/vectorintrinsics.h"

namespace host {

namespace {

constexpr uint8_t kNone = 0x80;
constexpr int kStep = 16;  // target pixels a step of the widest downward mix

// A tap as two pixels and two weights that add up to 256, each below 256 so
// that it fits an unsigned byte: a single pixel is taken twice at 128.
struct Pair {
  int first, second, keep, with;
};

Pair Split(const ScaleTap& t) {
  if (t.first == t.second || t.weight <= 0) return {t.first, t.first, 128, 128};
  if (t.weight >= 256) return {t.second, t.second, 128, 128};
  return {t.first, t.second, 256 - t.weight, t.weight};
}

#ifdef GXA_X86_VECTORS
// The last windows would read past the row (and the bitmap): those from a
// copy of what the row has there.
const uint8_t* Window(const uint8_t* row, int rowBytes, int at, int bytes, uint8_t* copy) {
  std::memset(copy, 0, size_t(bytes));
  std::memcpy(copy, row + at, size_t(std::clamp(rowBytes - at, 0, bytes)));
  return copy;
}

// Two target pixels a 128-bit lane: the lane's window, less 128 a byte,
// shuffled into (first, second) pairs per channel and multiplied by the
// pair's weights; four 16-bit sums a pixel (the fourth always zero).
__attribute__((target("avx2"))) inline void AcrossTwoLanes(const uint8_t* low, const uint8_t* high,
                                                           const uint8_t* picks, const uint8_t* weights, int16_t* out) {
  const __m256i window = _mm256_xor_si256(
      _mm256_loadu2_m128i(reinterpret_cast<const __m128i*>(high), reinterpret_cast<const __m128i*>(low)),
      _mm256_set1_epi8(int8_t(kNone)));
  const __m256i picked = _mm256_shuffle_epi8(window, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(picks)));
  const __m256i mixed = _mm256_maddubs_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(weights)), picked);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), mixed);
}

// Windows of 16 bytes, one for two target pixels.
__attribute__((target("avx2"))) void AcrossAvx2(const uint8_t* row, int rowBytes, const int* windows,
                                                const uint8_t* picks, const uint8_t* weights, int count, int firstTail,
                                                int16_t* out) {
  constexpr int kBytes = 16;
  int g = 0;
  for (; g + 2 <= firstTail; g += 2)
    AcrossTwoLanes(row + windows[g], row + windows[g + 1], picks + kBytes * g, weights + kBytes * g, out + 8 * g);
  uint8_t copies[2][kBytes];
  for (; g < count; g += 2) {
    const uint8_t* low = g < firstTail ? row + windows[g] : Window(row, rowBytes, windows[g], kBytes, copies[0]);
    AcrossTwoLanes(low, Window(row, rowBytes, windows[g + 1], kBytes, copies[1]), picks + kBytes * g,
                   weights + kBytes * g, out + 8 * g);
  }
}

// Sixteen numbers (four pixels) of two mixed rows down to 32-bit sums, and
// those to the rounded 8-bit result.
__attribute__((target("avx2"))) inline __m256i DownAvx2(__m256i top, __m256i bottom, __m256i weights) {
  // The rows carry 128 x 256 less a number; the weights add to 256, the
  // rounding adds half of 65536.
  const __m256i bias = _mm256_set1_epi32(128 * 65536 + 32768);
  const __m256i low = _mm256_madd_epi16(_mm256_unpacklo_epi16(top, bottom), weights);
  const __m256i high = _mm256_madd_epi16(_mm256_unpackhi_epi16(top, bottom), weights);
  return _mm256_packus_epi32(_mm256_srli_epi32(_mm256_add_epi32(low, bias), 16),
                             _mm256_srli_epi32(_mm256_add_epi32(high, bias), 16));
}

__attribute__((target("avx2"))) inline __m256i Load(const int16_t* p) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

__attribute__((target("avx2"))) void DownRowsAvx2(const int16_t* top, const int16_t* bottom, int keep, int with,
                                                  int count, uint32_t* out) {
  const __m256i weights = _mm256_set1_epi32(int(uint32_t(keep) | uint32_t(with) << 16));
  const __m256i alpha = _mm256_set1_epi32(int(0xFF000000u));
  for (int i = 0; i < count; i += 8) {
    const __m256i first = DownAvx2(Load(top + 4 * i), Load(bottom + 4 * i), weights);
    const __m256i second = DownAvx2(Load(top + 4 * i + 16), Load(bottom + 4 * i + 16), weights);
    const __m256i bytes = _mm256_or_si256(_mm256_permute4x64_epi64(_mm256_packus_epi16(first, second), 0xD8), alpha);
    if (i + 8 <= count) {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), bytes);
    } else {
      uint32_t rest[8];
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(rest), bytes);
      std::memcpy(out + i, rest, sizeof(uint32_t) * size_t(count - i));
    }
  }
}

// Thirty-two numbers (eight target pixels of four, or ten and more of
// three) a 64-byte window where the processor has 512-bit byte permutes, and
// sums with an addend in one instruction.
#define GXA_AVX512 __attribute__((target("avx512f,avx512bw,avx512vbmi,avx512vnni")))

GXA_AVX512 void AcrossAvx512(const uint8_t* row, int rowBytes, const int* windows, const uint8_t* picks,
                             const uint8_t* weights, int count, int firstTail, int16_t* out) {
  constexpr int kBytes = 64;
  const __m512i flip = _mm512_set1_epi8(int8_t(kNone));
  auto across = [&](const uint8_t* at, int g) GXA_AVX512 {
    const __m512i window = _mm512_xor_si512(_mm512_loadu_si512(at), flip);
    const __m512i picked = _mm512_permutexvar_epi8(_mm512_loadu_si512(picks + kBytes * g), window);
    _mm512_storeu_si512(out + 32 * g, _mm512_maddubs_epi16(_mm512_loadu_si512(weights + kBytes * g), picked));
  };
  int g = 0;
  for (; g < firstTail; ++g) across(row + windows[g], g);
  uint8_t copy[kBytes];
  for (; g < count; ++g) across(Window(row, rowBytes, windows[g], kBytes, copy), g);
}

// Where the third byte of each 32-bit sum goes: the sums of a 128-bit lane
// (two pixels) are split by the interleave into its four first numbers and
// its four last.
struct Spread {
  uint8_t at[64];
  constexpr Spread() : at() {
    for (int p = 0; p < 16; ++p) {
      for (int c = 0; c < 4; ++c) {
        const int e = (p % 8 % 2) * 4 + c, lane = p % 8 / 2;
        at[4 * p + c] = uint8_t((e < 4 ? 0 : 64) + 4 * (4 * lane + e % 4) + 2);
      }
    }
  }
};
constexpr Spread kSpread;

// Eight pixels of two mixed rows down: four numbers a pixel to 32-bit sums
// that already carry the bias back and the rounding.
struct Sums {
  __m512i low, high;
};

GXA_AVX512 inline Sums DownAvx512(const int16_t* top, const int16_t* bottom, __m512i weights) {
  // The rows carry 128 x 256 less a number; the weights add to 256, the
  // rounding adds half of 65536.
  const __m512i bias = _mm512_set1_epi32(128 * 65536 + 32768);
  const __m512i t = _mm512_loadu_si512(top), b = _mm512_loadu_si512(bottom);
  return {_mm512_dpwssd_epi32(bias, _mm512_unpacklo_epi16(t, b), weights),
          _mm512_dpwssd_epi32(bias, _mm512_unpackhi_epi16(t, b), weights)};
}

GXA_AVX512 void DownRowsAvx512(const int16_t* top, const int16_t* bottom, int keep, int with, int count,
                               uint32_t* out) {
  const __m512i weights = _mm512_set1_epi32(int(uint32_t(keep) | uint32_t(with) << 16));
  const __m512i alpha = _mm512_set1_epi32(int(0xFF000000u));
  const __m512i spread = _mm512_loadu_si512(kSpread.at);
  for (int i = 0; i < count; i += kStep) {
    const Sums first = DownAvx512(top + 4 * i, bottom + 4 * i, weights);
    const Sums second = DownAvx512(top + 4 * i + 32, bottom + 4 * i + 32, weights);
    // The result is the third byte of each sum.
    const __m512i bytes =
        _mm512_mask_blend_epi8(__mmask64(0xFFFFFFFF00000000u), _mm512_permutex2var_epi8(first.low, spread, first.high),
                               _mm512_permutex2var_epi8(second.low, spread, second.high));
    const __m512i pixels = _mm512_or_si512(bytes, alpha);
    // A masked store only for the last few, as it is slow on some processors.
    if (i + kStep <= count) _mm512_storeu_si512(out + i, pixels);
    else _mm512_mask_storeu_epi32(out + i, __mmask16((1u << (count - i)) - 1), pixels);
  }
}

// The results of thirty-two numbers in their order: the third byte of each
// sum, taken from the first four numbers of each lane and the last four.
struct Gather {
  uint8_t at[64];
  constexpr Gather() : at() {
    for (int n = 0; n < 32; ++n) {
      const int lane = n / 8, e = n % 8;
      at[n] = uint8_t((e < 4 ? 0 : 64) + 4 * (4 * lane + e % 4) + 2);
    }
  }
};
constexpr Gather kGather;

// Sixteen pixels from the three numbers each has, the first half of a step
// from its first 64 numbers (32 of each table), the second from its last.
struct Expand {
  uint8_t at[2][64];
  constexpr Expand() : at() {
    for (int half = 0; half < 2; ++half) {
      for (int p = 0; p < 16; ++p) {
        for (int c = 0; c < 4; ++c) {
          const int n = 48 * half + 3 * p + std::min(c, 2) - 32 * half;  // in the two tables
          at[half][4 * p + c] = uint8_t(n < 32 ? n : 64 + n - 32);
        }
      }
    }
  }
};
constexpr Expand kExpand;

GXA_AVX512 inline __m512i ThirtyTwoAvx512(const int16_t* top, const int16_t* bottom, __m512i weights, __m512i gather) {
  const Sums sums = DownAvx512(top, bottom, weights);
  return _mm512_permutex2var_epi8(sums.low, gather, sums.high);
}

// Rows of three numbers a pixel: ninety-six numbers (thirty-two pixels) a step.
GXA_AVX512 void DownThreesAvx512(const int16_t* top, const int16_t* bottom, int keep, int with, int count,
                                 uint32_t* out) {
  const __m512i weights = _mm512_set1_epi32(int(uint32_t(keep) | uint32_t(with) << 16));
  const __m512i alpha = _mm512_set1_epi32(int(0xFF000000u));
  const __m512i gather = _mm512_loadu_si512(kGather.at);
  const __m512i first = _mm512_loadu_si512(kExpand.at[0]), second = _mm512_loadu_si512(kExpand.at[1]);
  for (int i = 0; i < count; i += 2 * kStep, top += 96, bottom += 96) {
    const __m512i a = ThirtyTwoAvx512(top, bottom, weights, gather);
    const __m512i b = ThirtyTwoAvx512(top + 32, bottom + 32, weights, gather);
    const __m512i c = ThirtyTwoAvx512(top + 64, bottom + 64, weights, gather);
    const __m512i pixels[2] = {_mm512_or_si512(_mm512_permutex2var_epi8(a, first, b), alpha),
                               _mm512_or_si512(_mm512_permutex2var_epi8(b, second, c), alpha)};
    for (int h = 0; h < 2; ++h) {
      const int at = i + kStep * h;
      // A masked store only for the last few, as it is slow on some processors.
      if (at + kStep <= count) _mm512_storeu_si512(out + at, pixels[h]);
      else if (at < count) _mm512_mask_storeu_epi32(out + at, __mmask16((1u << (count - at)) - 1), pixels[h]);
    }
  }
}
#endif

}  // namespace

bool BilinearRows::Plan(const Bitmap& bitmap, const std::vector<ScaleTap>& columns) {
  bitmap_ = &bitmap;
  vectors_ = VectorUnits::Best();
  const int bpp = bitmap.BytesPerPixel();
  bool laid = false;
  if ((bpp == 3 || bpp == 4) && !columns.empty()) {
    // Three numbers a pixel where the wide windows hold them; a step too
    // long for those may still fit four numbers a pixel, or narrow windows.
    if (vectors_ == Vectors::Avx512Vbmi && bpp == 3) laid = Lay(columns, 3, 64);
    if (!laid && vectors_ == Vectors::Avx512Vbmi) laid = Lay(columns, 4, 64);
    if (!laid && vectors_ != Vectors::None) laid = Lay(columns, 4, 16);
  }
  if (!laid) {
    bitmap_ = nullptr;
    return false;
  }
  across_.Reset(size_t(windows_.size()) * (wide_ ? 32 : 8));
  return true;
}

bool BilinearRows::Lay(const std::vector<ScaleTap>& columns, int channels, int bytes) {
  const int bpp = bitmap_->BytesPerPixel();
  count_ = int(columns.size());
  channels_ = channels;
  wide_ = bytes == 64;
  // Whole steps of the downward mix: sixteen pixels of four numbers, or
  // thirty-two of three.
  const int step = channels == 3 ? 2 * kStep : kStep;
  const int padded = (count_ + step - 1) / step * step;
  const int numbers = bytes / 2;  // a window's, two picks each
  const int windows = padded * channels / numbers;
  windows_.assign(size_t(windows), 0);
  Line none;
  std::fill_n(none.bytes, sizeof none.bytes, kNone);
  picks_.assign(size_t(padded * channels * 2) / sizeof(Line), none);
  weights_.assign(picks_.size(), Line{});
  firstTail_ = windows;
  std::vector<Pair> pairs;
  for (int pixel = 0; pixel < padded; ++pixel) pairs.push_back(Split(columns[size_t(std::min(pixel, count_ - 1))]));
  for (int g = 0; g < windows; ++g) {
    const int from = g * numbers, to = from + numbers;  // numbers of the window
    int base = INT_MAX, last = 0;
    for (int pixel = from / channels; pixel <= (to - 1) / channels; ++pixel) {
      const Pair& p = pairs[size_t(pixel)];
      base = std::min({base, p.first, p.second});
      last = std::max({last, p.first, p.second});
    }
    if ((last - base + 1) * bpp > bytes) return false;
    windows_[size_t(g)] = base * bpp;
    if (firstTail_ == windows && base * bpp + bytes > bitmap_->RowBytes()) firstTail_ = g;
    for (int k = from, pixel = from / channels, c = from % channels; k < to; ++k, c = c + 1 < channels ? c + 1 : 0) {
      const Pair& p = pairs[size_t(pixel)];
      if (c + 1 == channels) ++pixel;
      if (c == 3) continue;  // the fourth number of a pixel stays zero
      uint8_t* pick = picks_.front().bytes + 2 * k;
      uint8_t* weight = weights_.front().bytes + 2 * k;
      pick[0] = uint8_t((p.first - base) * bpp + c);
      pick[1] = uint8_t((p.second - base) * bpp + c);
      weight[0] = uint8_t(p.keep);
      weight[1] = uint8_t(p.with);
    }
  }
  return true;
}

void BilinearRows::Across(int row, int16_t* out) const {
#ifdef GXA_X86_VECTORS
  const auto across = wide_ ? AcrossAvx512 : AcrossAvx2;
  // Rows follow each other in the bitmap, so a window may read on into the
  // next row; only near the bitmap's end are the last windows copied.
  const int windows = int(windows_.size()), bytes = bitmap_->RowBytes();
  const bool more = int64_t(bitmap_->Height() - row) * bytes >= bytes + 64;
  across(bitmap_->Row(row), bytes, windows_.data(), picks_.front().bytes, weights_.front().bytes, windows,
         more ? windows : firstTail_, out);
#else
  (void)row;
  (void)out;
#endif
}

void BilinearRows::Row(ScaleTap rows, uint32_t* out) {
  const Pair pair = Split(rows);
  const int16_t *top, *bottom;
  across_.Pair(
      pair.first, pair.second, [this](int row, int16_t* mix) { Across(row, mix); }, top, bottom);
#ifdef GXA_X86_VECTORS
  if (channels_ == 3) return DownThreesAvx512(top, bottom, pair.keep, pair.with, count_, out);
  if (vectors_ == Vectors::Avx512Vbmi) return DownRowsAvx512(top, bottom, pair.keep, pair.with, count_, out);
  DownRowsAvx2(top, bottom, pair.keep, pair.with, count_, out);
#else
  (void)out;
#endif
}

}  // namespace host
