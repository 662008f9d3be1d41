#include "picture/mosaicvotes.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace
{
constexpr std::uint32_t kLastKey = 359;

// A count and a key as one number: the larger count wins, then the smaller key.
std::uint64_t Score(std::uint64_t count, std::uint32_t key)
{
  return count << 9 | (kLastKey - key);
}

MosaicVotes::Winner FromScore(std::uint64_t best)
{
  return MosaicVotes::Winner{static_cast<std::int32_t>(kLastKey - (best & 511)), static_cast<std::int64_t>(best >> 9)};
}

std::int64_t VectorsPerRow(std::int64_t w)
{
  return (w + 7) / 8;
}

#if defined(__SSE2__)
// No key is this large, so it marks lanes outside the tile and keys counted.
constexpr std::uint16_t kCounted = 0xFFFF;

// Lanes from w mod 8 on, in the last vector of a row, lie outside the tile.
__m128i OutsideLanes(std::int64_t w)
{
  static const std::uint16_t kLanes[16] = {
      0, 0, 0, 0, 0, 0, 0, 0, kCounted, kCounted, kCounted, kCounted, kCounted, kCounted, kCounted, kCounted};
  const std::int64_t inside = w % 8 == 0 ? 8 : w % 8;
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(kLanes + 8 - inside));
}

std::int64_t LaneSum(__m128i counts)
{
  __m128i sums = _mm_madd_epi16(counts, _mm_set1_epi16(1));
  sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, 0x4E));
  sums = _mm_add_epi32(sums, _mm_shuffle_epi32(sums, 0xB1));
  return _mm_cvtsi128_si32(sums);
}
#endif
}  // namespace

bool MosaicVotes::IsComparable(std::int64_t w, std::int64_t h)
{
#if defined(__SSE2__)
  return VectorsPerRow(w) * h <= kVectors;
#else
  (void)w;
  (void)h;
  return false;
#endif
}

MosaicVotes::Winner MosaicVotes::CountMixed(const std::uint16_t* keys, std::int64_t stride, std::int64_t w,
                                            std::int64_t h)
{
  Winner winner;
  if (IsComparable(w, h) && Compare(keys, stride, w, h, winner))
    return winner;
  return Tally(keys, stride, w, h);
}

bool MosaicVotes::Compare(const std::uint16_t* keys, std::int64_t stride, std::int64_t w, std::int64_t h,
                          Winner& winner)
{
#if defined(__SSE2__)
  __m128i lanes[kVectors];
  const std::int64_t perRow = VectorsPerRow(w);
  const __m128i outside = OutsideLanes(w);
  std::int64_t n = 0;
  for (std::int64_t y = 0; y < h; ++y)
  {
    const std::uint16_t* row = keys + y * stride;
    for (std::int64_t v = 0; v < perRow; ++v)
      lanes[n++] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 8 * v));
    lanes[n - 1] = _mm_or_si128(lanes[n - 1], outside);
  }
  const __m128i counted = _mm_set1_epi16(static_cast<short>(kCounted));
  std::int64_t left = w * h;
  std::uint64_t best = 0;
  std::int64_t first = 0;
  std::uint32_t key = keys[0];
  for (std::int32_t pass = 0;; ++pass)
  {
    if (pass == kPasses)
      return false;
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(key));
    __m128i counts = _mm_setzero_si128();
    for (std::int64_t i = first; i < n; ++i)
    {
      const __m128i same = _mm_cmpeq_epi16(lanes[i], wanted);
      counts = _mm_sub_epi16(counts, same);
      lanes[i] = _mm_or_si128(lanes[i], same);
    }
    const std::int64_t count = LaneSum(counts);
    left -= count;
    best = std::max(best, Score(static_cast<std::uint64_t>(count), key));
    // The keys left could at best tie, and a tie needs a smaller key.
    if (left < static_cast<std::int64_t>(best >> 9))
      break;
    std::int32_t open = 0xFFFF;
    for (; first < n; ++first)
    {
      open = _mm_movemask_epi8(_mm_cmpeq_epi16(lanes[first], counted));
      if (open != 0xFFFF)
        break;
    }
    alignas(16) std::uint16_t values[8];
    _mm_store_si128(reinterpret_cast<__m128i*>(values), lanes[first]);
    key = values[__builtin_ctz(~static_cast<std::uint32_t>(open)) / 2];
  }
  winner = FromScore(best);
  return true;
#else
  (void)keys;
  (void)stride;
  (void)w;
  (void)h;
  (void)winner;
  return false;
#endif
}

MosaicVotes::Winner MosaicVotes::Tally(const std::uint16_t* keys, std::int64_t stride, std::int64_t w, std::int64_t h)
{
  for (std::int64_t y = 0; y < h; ++y)
  {
    const std::uint16_t* row = keys + y * stride;
    std::int64_t x = 0;
    for (; x + kWays <= w; x += kWays)
    {
      ++_counts[0][row[x]];
      ++_counts[1][row[x + 1]];
      ++_counts[2][row[x + 2]];
      ++_counts[3][row[x + 3]];
    }
    for (; x < w; ++x)
      ++_counts[0][row[x]];
  }
  std::uint64_t best = 0;
  auto total = [this](std::uint32_t key) {
    return std::uint64_t{_counts[0][key]} + _counts[1][key] + _counts[2][key] + _counts[3][key];
  };
  if (w * h >= kKeys)
  {
    for (std::uint32_t key = 0; key < kKeys; ++key)
      best = std::max(best, Score(total(key), key));
    std::memset(_counts, 0, sizeof _counts);
    return FromScore(best);
  }
  // Fewer pixels than keys: only the tile's keys were counted, and only they
  // are cleared. A key seen again after clearing scores below its first visit.
  for (std::int64_t y = 0; y < h; ++y)
  {
    const std::uint16_t* row = keys + y * stride;
    for (std::int64_t x = 0; x < w; ++x)
    {
      best = std::max(best, Score(total(row[x]), row[x]));
      for (std::int32_t way = 0; way < kWays; ++way)
        _counts[way][row[x]] = 0;
    }
  }
  return FromScore(best);
}
