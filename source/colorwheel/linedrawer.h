#pragma once
// Anti-aliased straight lines of any width, solid or dashed, painted straight
// into a host bitmap. The wheel draws a handful of short thin lines per
// frame, so pixels go through the host one at a time: only those within
// reach of the centre line are ever touched.
#include <cstdint>

class BaseBitmap;

class LineDrawer
{
public:
  // False (and nothing is drawn afterwards) for a width of 0.
  bool SetWidth(double width);
  void SetColor(std::int32_t red, std::int32_t green, std::int32_t blue);
  void SetOpacity(double opacity);

  // Whether any pixel was painted.
  bool DrawLine(double x1, double y1, double x2, double y2, BaseBitmap& target);
  // Dashes of dash length every dash + gap, the first one gap in when
  // startWithGap; the last dash stops at the second end.
  bool DrawDashedLine(double x1, double y1, double x2, double y2, double dash, double gap, bool startWithGap,
                      BaseBitmap& target);

private:
  bool CacheGeometry(double x1, double y1, double x2, double y2);
  void ClearGeometry();
  double Coverage(double x, double y) const;
  // Blends one pixel; false when it lies outside the bitmap or is not covered.
  bool Paint(std::int64_t x, std::int64_t y, BaseBitmap& target, std::int32_t width, std::int32_t height) const;
  // Walks the cells across the line at one walker step; whether any was painted.
  bool PaintAcross(std::int64_t major, std::int64_t minor, BaseBitmap& target, std::int32_t width,
                   std::int32_t height) const;

  std::int32_t _red = 0, _green = 0, _blue = 0;
  double _opacity = 1.0;
  bool _steep = false;
  bool _descending = false;
  std::int64_t _majorExtent = 0, _minorExtent = 0;
  std::int64_t _errorStep = 0, _errorCorrection = 0;
  double _reach = 2.5;
  bool _zeroWidth = false;
  double _halfWidth = 0.5;
  double _length = 0.0, _invLength = 0.0, _halfLength = 0.0;
  double _normalX = 0.0, _normalY = 0.0, _normalOffset = 0.0;
  double _directionX = 0.0, _directionY = 0.0, _directionOffset = 0.0;
  // Cells across the line to either side of a walker step.
  std::int64_t _span = 0;
};
