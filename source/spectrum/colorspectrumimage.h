#pragma once
// The pictures behind the spectrum square: the saturation-value square of
// one hue (rebuilt only when the hue or the size changes) and a copy of it
// carrying the marker. Moving the marker restores only the pixels the old
// marker covered, so a drag step costs a few hundred pixels, not the square.
#include <cstdint>
#include <memory>

#include "basebitmap.h"
#include "colorwheel/ringcirclebitmap.h"
#include "result.h"
#include "vector.h"

class ColorSpectrumImage
{
public:
  struct Marker
  {
    Vector centre;  // physical pixels
    Vector color;   // shown inside the ring, 0..1
    std::int32_t grey = 0;
    double opacity = 1.0;
  };

  // edge x edge pixels, the square inset by margin; colours through the
  // host's code 1 when linear. True when the square was built anew.
  Result<bool> Prepare(std::int32_t edge, std::int32_t margin, double hue, bool linear);
  // Sizes the marker once: outer radius and ring width in physical pixels.
  Result<void> BuildMarker(double radius, double ringWidth);
  // Puts the marker on the copy; full copies the whole square first.
  Result<void> Compose(const Marker& marker, bool full);

  BaseBitmap* GetComposed() const { return _composed.get(); }
  BaseBitmap* GetSquare() const { return _square.get(); }
  bool IsMarkerBuilt() const { return _markerBuilt; }

private:
  Result<void> CreateBitmaps();
  Result<void> Allocate(std::int32_t edge, std::int32_t margin);
  void Fill(double hue, bool linear, bool marginsClear);
  void FillRow(std::int32_t j, double hue, bool linear, std::uint8_t* row) const;
  void PrepareColumns(double hue);
  // Copies the square's pixels under the last marker back into the copy.
  void RestoreUnderMarker();

  std::unique_ptr<BaseBitmap> _square;
  std::unique_ptr<BaseBitmap> _composed;
  std::int32_t _edge = 0;
  std::int32_t _margin = 0;
  double _hue = -1.0;
  bool _linear = false;
  bool _valid = false;
  // Per channel, per column of the square: what HsvToRgb multiplies the
  // value by at that column's saturation, 1.0 where it answers the value.
  std::unique_ptr<double[]> _factors;
  std::unique_ptr<std::uint8_t[]> _row;
  RingCircleBitmap _marker;
  bool _markerBuilt = false;
  // The last marker's box, inclusive; empty when x1 > x2.
  std::int32_t _boxX1 = 0, _boxY1 = 0, _boxX2 = -1, _boxY2 = -1;
};
