#pragma once
// The hue key most pixels of a tile round to, the smaller key on a tie, and
// how many pixels have it.
//
// Small tiles of a photo hold few distinct keys, so their keys are compared
// eight at a time: each pass takes the first key not yet counted and counts
// it over the rest of the tile, until the keys left could no longer beat the
// best. Tiles with many distinct keys, and large tiles, are counted in a
// histogram instead; its four interleaved tables keep a run of equal keys
// from waiting on its own last increment.
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

class MosaicVotes
{
public:
  struct Winner
  {
    std::int32_t key = 0;
    std::int64_t count = 0;
  };

  // Keys may be read up to this many entries past the last pixel of a tile.
  static constexpr std::int64_t kReadPast = 8;

  // keys points at the tile's first key; stride is the keys of one row.
  Winner Count(const std::uint16_t* keys, std::int64_t stride, std::int64_t w, std::int64_t h)
  {
    // Most narrow tiles of a photo hold a single key: their rows are
    // checked whole, four or eight keys at a time.
    if (w <= 4 && IsUniform(keys, stride, w, h))
      return Winner{keys[0], w * h};
#if defined(__SSE2__)
    if (w > 4 && w <= 8 && IsUniformEight(keys, stride, w, h))
      return Winner{keys[0], w * h};
#endif
    return CountMixed(keys, stride, w, h);
  }

  // The tiles Count compares directly rather than tallying.
  static bool IsComparable(std::int64_t w, std::int64_t h);

private:
  static constexpr std::int32_t kKeys = 360;
  static constexpr std::int32_t kWays = 4;
  // Key vectors of eight a tile may have to be compared directly.
  static constexpr std::int64_t kVectors = 160;
  // Distinct keys compared before a tile is tallied instead.
  static constexpr std::int32_t kPasses = 12;

  static bool IsUniform(const std::uint16_t* keys, std::int64_t stride, std::int64_t w, std::int64_t h)
  {
    const std::uint64_t inside = ~std::uint64_t{0} >> (64 - 16 * w);
    const std::uint64_t same = (keys[0] * 0x0001000100010001ull) & inside;
    std::uint64_t differ = 0;
    for (std::int64_t y = 0; y < h; ++y, keys += stride)
    {
      std::uint64_t four;
      std::memcpy(&four, keys, sizeof four);
      differ |= (four & inside) ^ same;
    }
    return differ == 0;
  }
#if defined(__SSE2__)
  static bool IsUniformEight(const std::uint16_t* keys, std::int64_t stride, std::int64_t w, std::int64_t h)
  {
    const __m128i first = _mm_set1_epi16(static_cast<short>(keys[0]));
    const int inside = (1 << (2 * w)) - 1;
    int same = inside;
    for (std::int64_t y = 0; y < h; ++y, keys += stride)
      same &= _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(keys)), first));
    return same == inside;
  }
#endif
  Winner CountMixed(const std::uint16_t* keys, std::int64_t stride, std::int64_t w, std::int64_t h);
  // false when the tile holds too many distinct keys for comparing.
  bool Compare(const std::uint16_t* keys, std::int64_t stride, std::int64_t w, std::int64_t h, Winner& winner);
  Winner Tally(const std::uint16_t* keys, std::int64_t stride, std::int64_t w, std::int64_t h);

  std::uint32_t _counts[kWays][kKeys] = {};
};
