#pragma once
// What every render of one wheel size shares, whatever the fixed component:
// for each pixel its coverage by the wheel, the hue sector and position in
// it of the pixel's angle, and its distance from the centre as a fraction of
// the radius. With these a render needs no atan2 and no division per pixel,
// and gives exactly the pixels of HsvToRgb.
#include <cstdint>
#include <memory>

#include "result.h"

class ColorWheelScheme;

class ColorWheelPixelTable
{
public:
  static constexpr std::uint8_t kUncoloured = 0xFF;

  // Rebuilds unless the table was made for the same arguments.
  Result<void> Prepare(std::int32_t size, double centre, double radius, const ColorWheelScheme& scheme);

  std::int32_t GetSize() const { return _size; }
  // Row y's entries start at y * size.
  const std::uint8_t* GetAlpha() const { return _alpha.get(); }
  // 0..5, or kUncoloured for pixels beyond the rim.
  const std::uint8_t* GetSector() const { return _sector.get(); }
  const double* GetFraction() const { return _fraction.get(); }
  const double* GetRadial() const { return _radial.get(); }

private:
  Result<void> Allocate(std::int64_t count);
  void Fill(const ColorWheelScheme& scheme);

  std::int32_t _size = 0;
  double _centre = 0.0;
  double _radius = 0.0;
  std::int32_t _scheme = 0;
  std::unique_ptr<std::uint8_t[]> _alpha;
  std::unique_ptr<std::uint8_t[]> _sector;
  std::unique_ptr<double[]> _fraction;
  std::unique_ptr<double[]> _radial;
};
