#pragma once
// The picture as the mosaic reads it: the hue key of each pixel (two bytes
// a pixel, worked out once per picture), and the colour of any tile of it: the hue most of the tile's pixels round to
// (the smaller one on a tie), at the mean saturation of those pixels and the
// mean value of the whole tile.
//
// Instead of sorting pixel records, a tile's keys are counted (MosaicVotes).
// Hue and saturation are then worked out for the winning key's pixels only,
// and summed in picture order.
#include <cstdint>
#include <memory>
#include <vector>

#include "basebitmap.h"
#include "picture/mosaicaxis.h"
#include "picture/mosaicvotes.h"
#include "result.h"

class MosaicTiles
{
public:
  // The picture must outlive the tiles or the next Read/Free.
  Result<void> Read(const BaseBitmap& picture);
  void Free();
  std::int64_t GetWidth() const { return _width; }
  std::int64_t GetHeight() const { return _height; }

  // The colours of the row of tiles that starts at row y0 and is rows high,
  // cut across as the axis says, written into row (3 bytes a pixel, the
  // picture's width).
  Result<void> ColourBand(const MosaicAxis& across, std::int64_t y0, std::int64_t rows, std::uint8_t* row);

private:
  static constexpr std::int64_t kValueTable = 4096;
  // Bands up to this size are read from the picture whole; taller ones a
  // tile row at a time.
  static constexpr std::int64_t kBandBytes = std::int64_t{4} << 20;

  // Tiles up to this size are small enough that most of their pixels have
  // the winning key: the figures of every pixel in the band are worked out
  // in one go.
  static constexpr std::int64_t kFiguresArea = 64;

  // Hue, saturation and largest component of the band's pixels.
  struct Figures
  {
    const double* hues;
    const double* saturations;
    const std::uint8_t* largest;
  };
  // A tile's mean hue, saturation and value.
  struct Means
  {
    double hue = 0.0;
    double saturation = 0.0;
    double value = 0.0;
  };

  // kSide > 0: a square tile of that side, whatever w and h say.
  template <std::int64_t kSide>
  Means TileMeans(std::int64_t x0, std::int64_t y0, std::int64_t w, std::int64_t h);

  Result<void> SizeFigures(std::int64_t pixels);
  void WorkOutFigures(std::int64_t rows);
  // The pixels of part of row y, valid until the next call.
  const std::uint8_t* PixelsAt(std::int64_t x0, std::int64_t y, std::int64_t w);

  const BaseBitmap* _picture = nullptr;
  std::int64_t _width = 0;
  std::int64_t _height = 0;
  std::unique_ptr<std::uint16_t[]> _keys;
  // The band being coloured when it is read whole, else one tile row.
  std::vector<std::uint8_t> _band;
  std::int64_t _bandY0 = 0;
  bool _bandWhole = false;
  std::vector<double> _hues;
  std::vector<double> _saturations;
  std::vector<std::uint8_t> _largest;
  bool _figuresWhole = false;
  MosaicVotes _votes;
  std::vector<Means> _means;
  // Largest-component sum -> mean value, for the tile size of the band.
  std::vector<double> _values;
  std::int64_t _valuesArea = 0;
};
