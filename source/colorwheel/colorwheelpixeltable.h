#pragma once
// What every render of one wheel size shares, whatever the fixed component.
// Distance from the centre (as the radius fraction and the rim's alpha) is
// the same in all four quarters of the square, so it is kept for one; the
// hue, split into sector and position as HsvToRgb splits it, is kept only
// for the pixels the wheel colours. With these a render needs no atan2, no
// square root and no division per pixel, and gives exactly the pixels of
// HsvToRgb.
#include <cstdint>
#include <memory>

#include "result.h"

class ColorWheelScheme;

class ColorWheelPixelTable
{
public:
  // Rebuilds unless the table was made for the same arguments. The centre
  // lies on a pixel, so that the quarters mirror each other exactly.
  Result<void> Prepare(std::int32_t size, std::int32_t centre, double radius, const ColorWheelScheme& scheme);

  std::int32_t GetSize() const { return _size; }
  std::int32_t GetCentre() const { return _centre; }
  // Row y is coloured in columns [first, end); outside it is transparent black.
  std::int32_t GetFirst(std::int32_t y) const { return _spans[2 * static_cast<std::size_t>(y)]; }
  std::int32_t GetEnd(std::int32_t y) const { return _spans[2 * static_cast<std::size_t>(y) + 1]; }
  // Row y's coloured pixels from its first column: hue sector 0..5 and the
  // place within it.
  const std::uint8_t* GetSector(std::int32_t y) const { return _sector.get() + _offsets[y]; }
  const double* GetFraction(std::int32_t y) const { return _fraction.get() + _offsets[y]; }
  // For row y, indexed by a column's distance from the centre column: the
  // distance as a fraction of the radius, and the alpha.
  const double* GetRadial(std::int32_t y) const { return _radial.get() + QuarterRow(y); }
  const std::uint8_t* GetAlpha(std::int32_t y) const { return _alpha.get() + QuarterRow(y); }

private:
  std::size_t QuarterRow(std::int32_t y) const
  {
    return static_cast<std::size_t>(y < _centre ? _centre - y : y - _centre) * _reach;
  }
  Result<void> Allocate();
  void FillQuarter();
  std::int64_t FillSpans();
  Result<void> FillHues(std::int64_t coloured, const ColorWheelScheme& scheme);

  std::int32_t _size = 0;
  std::int32_t _centre = 0;
  std::int32_t _reach = 0;  // columns from the centre to the farthest edge, plus one
  double _radius = 0.0;
  std::int32_t _scheme = -1;
  std::unique_ptr<double[]> _radial;
  std::unique_ptr<std::uint8_t[]> _alpha;
  std::unique_ptr<std::int32_t[]> _spans;
  std::unique_ptr<std::int64_t[]> _offsets;
  std::unique_ptr<std::uint8_t[]> _sector;
  std::unique_ptr<double[]> _fraction;
};
