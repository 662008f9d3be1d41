#include "raster/bilinearrows.h"

#include <algorithm>
#include <cstring>

#include "raster/vectorintrinsics.h"

namespace host {

namespace {

constexpr int kWindow = 16;  // bytes one shuffle picks from
constexpr uint8_t kNone = 0x80;

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
const bool kHasAvx2 = __builtin_cpu_supports("avx2");

// The last windows would read past the row (and the bitmap): those from a
// copy of what the row has there.
const uint8_t* Window(const uint8_t* row, int rowBytes, int at, uint8_t* copy) {
  std::memset(copy, 0, kWindow);
  std::memcpy(copy, row + at, size_t(std::clamp(rowBytes - at, 0, kWindow)));
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

__attribute__((target("avx2"))) void AcrossAvx2(const uint8_t* row, int rowBytes, const int* windows,
                                                const uint8_t* picks, const uint8_t* weights, int groups, int firstTail,
                                                int16_t* out) {
  int g = 0;
  for (; g + 2 <= firstTail; g += 2)
    AcrossTwoLanes(row + windows[g], row + windows[g + 1], picks + kWindow * g, weights + kWindow * g, out + 8 * g);
  uint8_t copies[2][kWindow];
  for (; g < groups; g += 2) {
    const uint8_t* low = g < firstTail ? row + windows[g] : Window(row, rowBytes, windows[g], copies[0]);
    AcrossTwoLanes(low, Window(row, rowBytes, windows[g + 1], copies[1]), picks + kWindow * g, weights + kWindow * g,
                   out + 8 * g);
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

// The same four pairs (eight pixels) at a time, where the processor has
// 512-bit byte operations.
#define GXA_AVX512 __attribute__((target("avx512f,avx512bw")))
const bool kHasAvx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");

GXA_AVX512 inline void AcrossFourLanes(const uint8_t* const at[4], const uint8_t* picks, const uint8_t* weights,
                                       int16_t* out) {
  __m512i window = _mm512_zextsi128_si512(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at[0])));
  window = _mm512_inserti32x4(window, _mm_loadu_si128(reinterpret_cast<const __m128i*>(at[1])), 1);
  window = _mm512_inserti32x4(window, _mm_loadu_si128(reinterpret_cast<const __m128i*>(at[2])), 2);
  window = _mm512_inserti32x4(window, _mm_loadu_si128(reinterpret_cast<const __m128i*>(at[3])), 3);
  window = _mm512_xor_si512(window, _mm512_set1_epi8(int8_t(kNone)));
  const __m512i picked = _mm512_shuffle_epi8(window, _mm512_loadu_si512(picks));
  _mm512_storeu_si512(out, _mm512_maddubs_epi16(_mm512_loadu_si512(weights), picked));
}

GXA_AVX512 void AcrossAvx512(const uint8_t* row, int rowBytes, const int* windows, const uint8_t* picks,
                             const uint8_t* weights, int groups, int firstTail, int16_t* out) {
  int g = 0;
  for (; g + 4 <= firstTail; g += 4) {
    const uint8_t* const at[4] = {row + windows[g], row + windows[g + 1], row + windows[g + 2], row + windows[g + 3]};
    AcrossFourLanes(at, picks + kWindow * g, weights + kWindow * g, out + 8 * g);
  }
  uint8_t copies[4][kWindow];
  for (; g < groups; g += 4) {
    const uint8_t* at[4];
    for (int k = 0; k < 4; ++k)
      at[k] = g + k < firstTail ? row + windows[g + k] : Window(row, rowBytes, windows[g + k], copies[k]);
    AcrossFourLanes(at, picks + kWindow * g, weights + kWindow * g, out + 8 * g);
  }
}

GXA_AVX512 inline __m512i DownAvx512(const int16_t* top, const int16_t* bottom, __m512i weights) {
  const __m512i bias = _mm512_set1_epi32(128 * 65536 + 32768);
  const __m512i t = _mm512_loadu_si512(top), b = _mm512_loadu_si512(bottom);
  const __m512i low = _mm512_madd_epi16(_mm512_unpacklo_epi16(t, b), weights);
  const __m512i high = _mm512_madd_epi16(_mm512_unpackhi_epi16(t, b), weights);
  return _mm512_packus_epi32(_mm512_srli_epi32(_mm512_add_epi32(low, bias), 16),
                             _mm512_srli_epi32(_mm512_add_epi32(high, bias), 16));
}

GXA_AVX512 void DownRowsAvx512(const int16_t* top, const int16_t* bottom, int keep, int with, int count,
                               uint32_t* out) {
  const __m512i weights = _mm512_set1_epi32(int(uint32_t(keep) | uint32_t(with) << 16));
  const __m512i alpha = _mm512_set1_epi32(int(0xFF000000u));
  // Each lane packs two pixels of the first half and two of the second.
  const __m512i order = _mm512_setr_epi64(0, 2, 4, 6, 1, 3, 5, 7);
  for (int i = 0; i < count; i += 16) {
    const __m512i first = DownAvx512(top + 4 * i, bottom + 4 * i, weights);
    const __m512i second = DownAvx512(top + 4 * i + 32, bottom + 4 * i + 32, weights);
    const __m512i bytes = _mm512_or_si512(_mm512_permutexvar_epi64(order, _mm512_packus_epi16(first, second)), alpha);
    // A masked store only for the last few, as it is slow on some processors.
    if (i + 16 <= count) _mm512_storeu_si512(out + i, bytes);
    else _mm512_mask_storeu_epi32(out + i, __mmask16((1u << (count - i)) - 1), bytes);
  }
}
#endif

}  // namespace

bool BilinearRows::Plan(const Bitmap& bitmap, const std::vector<ScaleTap>& columns) {
  bitmap_ = nullptr;
#ifdef GXA_X86_VECTORS
  const int bpp = bitmap.BytesPerPixel();
  if (!kHasAvx2 || (bpp != 3 && bpp != 4) || columns.empty()) return false;
  count_ = int(columns.size());
  // Eight pairs (sixteen pixels) a step of the widest downward mix.
  groups_ = (count_ + 15) / 16 * 8;
  windows_.assign(size_t(groups_), 0);
  picks_.assign(size_t(groups_) * kWindow, kNone);
  weights_.assign(size_t(groups_) * kWindow, 0);
  firstTail_ = groups_;
  const int rowBytes = bitmap.RowBytes();
  for (int g = 0; g < groups_; ++g) {
    const Pair pairs[2] = {Split(columns[size_t(std::min(2 * g, count_ - 1))]),
                           Split(columns[size_t(std::min(2 * g + 1, count_ - 1))])};
    const int base = std::min({pairs[0].first, pairs[0].second, pairs[1].first, pairs[1].second});
    const int last = std::max({pairs[0].first, pairs[0].second, pairs[1].first, pairs[1].second});
    if ((last - base + 1) * bpp > kWindow) return false;
    windows_[size_t(g)] = base * bpp;
    if (firstTail_ == groups_ && base * bpp + kWindow > rowBytes) firstTail_ = g;
    for (int j = 0; j < 2; ++j) {
      uint8_t* pick = picks_.data() + kWindow * g + 8 * j;
      uint8_t* weight = weights_.data() + kWindow * g + 8 * j;
      for (int c = 0; c < 3; ++c) {
        pick[2 * c] = uint8_t((pairs[j].first - base) * bpp + c);
        pick[2 * c + 1] = uint8_t((pairs[j].second - base) * bpp + c);
        weight[2 * c] = uint8_t(pairs[j].keep);
        weight[2 * c + 1] = uint8_t(pairs[j].with);
      }
    }
  }
  for (Across& a : across_) {
    a.row = -1;
    a.mix.assign(size_t(groups_) * 8, 0);
  }
  bitmap_ = &bitmap;
  return true;
#else
  (void)bitmap;
  (void)columns;
  return false;
#endif
}

const int16_t* BilinearRows::AcrossRow(int row, const int16_t* keep) {
  for (const Across& a : across_) {
    if (a.row == row) return a.mix.data();
  }
  // Target rows go down, so the upper row held is the one not needed again.
  int slot = across_[0].row < across_[1].row ? 0 : 1;
  if (keep) slot = across_[0].mix.data() == keep ? 1 : 0;
  Across& a = across_[slot];
#ifdef GXA_X86_VECTORS
  const auto across = kHasAvx512 ? AcrossAvx512 : AcrossAvx2;
  across(bitmap_->Row(row), bitmap_->RowBytes(), windows_.data(), picks_.data(), weights_.data(), groups_, firstTail_,
         a.mix.data());
#endif
  a.row = row;
  return a.mix.data();
}

void BilinearRows::Row(ScaleTap rows, uint32_t* out) {
  const Pair pair = Split(rows);
  const int16_t* top = AcrossRow(pair.first, nullptr);
  const int16_t* bottom = pair.second == pair.first ? top : AcrossRow(pair.second, top);
#ifdef GXA_X86_VECTORS
  if (kHasAvx512) return DownRowsAvx512(top, bottom, pair.keep, pair.with, count_, out);
  DownRowsAvx2(top, bottom, pair.keep, pair.with, count_, out);
#else
  (void)bottom;
  (void)out;
#endif
}

}  // namespace host
