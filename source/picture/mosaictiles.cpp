#include "picture/mosaictiles.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

#include "picture/mosaiccolour.h"
#include "picture/mosaicpixel.h"

#if defined(__SSE2__) && defined(__x86_64__)
#include <emmintrin.h>
#define MOSAIC_VECTORS 1
#endif

namespace
{
// Bytes the band buffer holds past its last pixel, for reads of whole vectors.
constexpr std::size_t kBandPast = 16;

std::uint32_t MaxOf(const std::uint8_t* p)
{
  return std::max(p[0], std::max(p[1], p[2]));
}

// The largest components of w pixels added up, five pixels to a vector
// (reading one byte past the last).
std::uint64_t LargestSum(const std::uint8_t* pixels, std::int64_t w)
{
  std::uint64_t sum = 0;
  std::int64_t x = 0;
#if defined(MOSAIC_VECTORS)
  // Where each pixel's red lands once its green and blue are shifted onto it.
  const __m128i reds = _mm_setr_epi8(-1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0, 0, 0);
  __m128i sums = _mm_setzero_si128();
  for (; x + 5 <= w; x += 5)
  {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + 3 * x));
    const __m128i largest = _mm_max_epu8(v, _mm_max_epu8(_mm_srli_si128(v, 1), _mm_srli_si128(v, 2)));
    sums = _mm_add_epi64(sums, _mm_sad_epu8(_mm_and_si128(largest, reds), _mm_setzero_si128()));
  }
  sum = static_cast<std::uint64_t>(_mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
#endif
  for (; x < w; ++x)
    sum += MaxOf(pixels + 3 * x);
  return sum;
}

// Calls add(x) for the pixels whose key is the given one, in picture order;
// keys are compared eight at a time (reading up to seven past the last).
template <typename Add>
void ForMatching(const std::uint16_t* keys, std::int64_t w, std::int32_t key, Add add)
{
#if defined(MOSAIC_VECTORS)
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(key));
  for (std::int64_t x = 0; x < w; x += 8)
  {
    auto same = static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(keys + x)), wanted)));
    if (w - x < 8)
      same &= (1u << (2 * (w - x))) - 1;
    // The winning key's pixels come in runs: a run of eight without the
    // jumps of finding each.
    if (same == 0xFFFF)
    {
      for (std::int64_t i = 0; i < 8; ++i)
        add(x + i);
      continue;
    }
    // Two mask bits a key.
    for (; same != 0; same &= same - 1, same &= same - 1)
      add(x + __builtin_ctz(same) / 2);
  }
#else
  for (std::int64_t x = 0; x < w; ++x)
  {
    if (keys[x] == key)
      add(x);
  }
#endif
}

}  // namespace

Result<void> MosaicTiles::Read(const BaseBitmap& picture)
{
  Free();
  const std::int64_t width = picture.GetWidth(), height = picture.GetHeight();
  _keys.reset(new (std::nothrow) std::uint16_t[static_cast<std::size_t>(width * height + MosaicVotes::kReadPast)]);
  if (_keys)
    std::fill_n(_keys.get() + width * height, MosaicVotes::kReadPast, std::uint16_t{0});
  try
  {
    _band.resize(static_cast<std::size_t>(width * 3) + kBandPast);
  }
  catch (const std::bad_alloc&)
  {
    _keys.reset();
  }
  if (!_keys)
  {
    Free();
    return OutOfMemoryError();
  }
  _picture = &picture;
  _width = width;
  _height = height;
  std::uint8_t* row = _band.data();
  for (std::int64_t y = 0; y < height; ++y)
  {
    picture.GetRow(static_cast<std::int32_t>(y), row, static_cast<std::int32_t>(width), GXA_PIXEL_RGB8);
    std::uint16_t* keys = _keys.get() + y * width;
    // Neighbouring pixels of a photo often repeat.
    std::int32_t lastRgb = -1;
    std::uint16_t lastKey = 0;
    for (std::int64_t x = 0; x < width; ++x)
    {
      const std::uint8_t* p = row + 3 * x;
      const std::int32_t rgb = (p[0] << 16) | (p[1] << 8) | p[2];
      if (rgb != lastRgb)
      {
        lastRgb = rgb;
        lastKey = static_cast<std::uint16_t>(MosaicPixel::Key(p[0], p[1], p[2]));
      }
      keys[x] = lastKey;
    }
  }
  return Ok();
}

void MosaicTiles::Free()
{
  _picture = nullptr;
  _width = _height = 0;
  _keys.reset();
  _band = {};
}

const std::uint8_t* MosaicTiles::PixelsAt(std::int64_t x0, std::int64_t y, std::int64_t w)
{
  if (_bandWhole)
    return _band.data() + ((y - _bandY0) * _width + x0) * 3;
  _picture->GetRowPart(static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y), _band.data(),
                       static_cast<std::int32_t>(w), GXA_PIXEL_RGB8);
  return _band.data();
}

Result<void> MosaicTiles::SizeFigures(std::int64_t pixels)
{
  const auto size = static_cast<std::size_t>(pixels);
  if (_hues.size() >= size)
    return Ok();
  try
  {
    _hues.resize(size);
    _saturations.resize(size);
    _largest.resize(size);
  }
  catch (const std::bad_alloc&)
  {
    return OutOfMemoryError();
  }
  return Ok();
}

void MosaicTiles::WorkOutFigures(std::int64_t rows)
{
  // Every pixel's own key: the same figures as for the tile's winning key
  // wherever they are summed.
  MosaicPixel::RowFigures(_band.data(), _keys.get() + _bandY0 * _width, rows * _width, _hues.data(),
                          _saturations.data(), _largest.data());
}

Result<void> MosaicTiles::ColourBand(const MosaicAxis& across, std::int64_t y0, std::int64_t rows, std::uint8_t* row)
{
  const auto count = static_cast<std::size_t>(across.GetCount());
  _bandY0 = y0;
  _bandWhole = rows * _width * 3 <= kBandBytes;
  try
  {
    _means.resize(count);
    _band.resize(static_cast<std::size_t>((_bandWhole ? rows : 1) * _width * 3) + kBandPast);
  }
  catch (const std::bad_alloc&)
  {
    return OutOfMemoryError();
  }
  for (std::int64_t y = 0; _bandWhole && y < rows; ++y)
  {
    if (!_picture->GetRow(static_cast<std::int32_t>(y0 + y), _band.data() + y * _width * 3,
                          static_cast<std::int32_t>(_width), GXA_PIXEL_RGB8))
      return UnexpectedError("The picture refused a row.");
  }
  _figuresWhole = _bandWhole && across.GetWidth(0) * rows <= kFiguresArea;
  // Otherwise the figures' arrays hold one tile row at a time.
  RETURN_IF_ERROR(SizeFigures(_figuresWhole ? rows * _width : _width));
  if (_figuresWhole)
    WorkOutFigures(rows);
  // The mean values of whole tiles, looked up rather than divided.
  const std::int64_t area = across.GetWidth(count > 2 ? 1 : 0) * rows;
  if (area != _valuesArea && area <= kValueTable)
  {
    _values.resize(static_cast<std::size_t>(255 * area + 1));
    for (std::size_t sum = 0; sum < _values.size(); ++sum)
      _values[sum] = static_cast<double>(sum) / (255.0 * static_cast<double>(area));
    _valuesArea = area;
  }
  for (std::size_t tile = 0; tile < count; ++tile)
  {
    const auto t = static_cast<std::int64_t>(tile);
    const std::int64_t x0 = across.GetStart(t), w = across.GetWidth(t);
    // The smallest tiles are the most numerous: their loops unrolled.
    if (w == 2 && rows == 2)
      _means[tile] = TileMeans<2>(x0, y0, w, rows);
    else if (w == 3 && rows == 3)
      _means[tile] = TileMeans<3>(x0, y0, w, rows);
    else
      _means[tile] = TileMeans<0>(x0, y0, w, rows);
  }
  // Converted apart from the counting, so that this loop runs without calls
  // or branches.
  std::uint8_t* out = row;
  for (std::size_t tile = 0; tile < count; ++tile)
  {
    const std::uint32_t rgb = MosaicColour::ToPacked(_means[tile].hue, _means[tile].saturation, _means[tile].value);
    // Four bytes a pixel, each store's spare byte overwritten by the next.
    const std::int64_t w = across.GetWidth(static_cast<std::int64_t>(tile));
    for (std::int64_t x = 1; x < w; ++x, out += 3)
      std::memcpy(out, &rgb, 4);
    const std::uint8_t last[3] = {static_cast<std::uint8_t>(rgb), static_cast<std::uint8_t>(rgb >> 8),
                                  static_cast<std::uint8_t>(rgb >> 16)};
    std::memcpy(out, last, 3);
    out += 3;
  }
  return Ok();
}

template <std::int64_t kSide>
MosaicTiles::Means MosaicTiles::TileMeans(std::int64_t x0, std::int64_t y0, std::int64_t w, std::int64_t h)
{
  if constexpr (kSide > 0)
    w = h = kSide;
  const std::uint16_t* keys = _keys.get() + y0 * _width + x0;
  const MosaicVotes::Winner votes = _votes.Count(keys, _width, w, h);
  // In most small tiles of a photo every pixel has the winning key.
  const bool everyPixel = votes.count == w * h;
  double hueSum = 0.0, saturationSum = 0.0;
  std::uint64_t valueSum = 0;
  if (_figuresWhole)
  {
    const std::int64_t at = (y0 - _bandY0) * _width + x0;
    const Figures figures{_hues.data() + at, _saturations.data() + at, _largest.data() + at};
#pragma GCC unroll 4
    for (std::int64_t y = 0; y < h; ++y, keys += _width)
    {
      const std::int64_t row = y * _width;
#pragma GCC unroll 4
      for (std::int64_t x = 0; x < w; ++x)
      {
        valueSum += figures.largest[row + x];
        if (!everyPixel && keys[x] != votes.key)
          continue;
        hueSum += figures.hues[row + x];
        saturationSum += figures.saturations[row + x];
      }
    }
  }
  else
  {
    // When a good part of the tile has the winning key, the figures of
    // whole rows come cheaper where they are worked out four at a time.
    const bool wholeRows = MosaicPixel::HasRowVectors() && votes.count * 3 > w * h;
    const MosaicPixel::Tables& tables = MosaicPixel::GetTables();
    for (std::int64_t y = 0; y < h; ++y, keys += _width)
    {
      const std::uint8_t* pixels = PixelsAt(x0, y0 + y, w);
      if (wholeRows)
      {
        MosaicPixel::RowFigures(pixels, keys, w, _hues.data(), _saturations.data(), _largest.data());
        for (std::int64_t x = 0; x < w; ++x)
          valueSum += _largest[static_cast<std::size_t>(x)];
        ForMatching(keys, w, votes.key, [&](std::int64_t x) {
          hueSum += _hues[static_cast<std::size_t>(x)];
          saturationSum += _saturations[static_cast<std::size_t>(x)];
        });
        continue;
      }
      valueSum += LargestSum(pixels, w);
      ForMatching(keys, w, votes.key, [&](std::int64_t x) {
        double hue, saturation;
        MosaicPixel::HueSaturation(tables, pixels + 3 * x, votes.key, hue, saturation);
        hueSum += hue;
        saturationSum += saturation;
      });
    }
  }
  Means means;
  // Dividing by a power of two is exact, so multiplying gives the same.
  const auto n = static_cast<std::uint64_t>(votes.count);
  if ((n & (n - 1)) == 0)
  {
    // 1 / n made from its exponent, without a division.
    const auto inverse = std::bit_cast<double>(static_cast<std::uint64_t>(1023 - __builtin_ctzll(n)) << 52);
    means.hue = hueSum * inverse;
    means.saturation = saturationSum * inverse;
  }
  else
  {
    means.hue = hueSum / static_cast<double>(n);
    means.saturation = saturationSum / static_cast<double>(n);
  }
  // The mean value straight from the whole components, so no order of adding
  // rounds it.
  means.value =
      w * h == _valuesArea ? _values[valueSum] : static_cast<double>(valueSum) / (255.0 * static_cast<double>(w * h));
  return means;
}
