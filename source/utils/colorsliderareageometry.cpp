#include "utils/colorsliderareageometry.h"

#include <algorithm>
#include <cmath>

ColorSliderAreaGeometry ColorSliderAreaGeometry::Compute(std::int32_t width, std::int32_t height, bool vertical,
                                                         double t)
{
  ColorSliderAreaGeometry g;
  g.length = (vertical ? height : width) - 1;
  g.across = (vertical ? width : height) - 1;
  PlaceHandle(g.length, t, g.handle, g.box);
  return g;
}

void ColorSliderAreaGeometry::PlaceHandle(std::int32_t length, double t, std::int32_t& handle, Span& box)
{
  const double p = std::floor(1.0 + (length - 2) * t + 0.5);
  if (p < 1.0)
  {
    handle = 1;
    box = {0, 2};
  }
  else if (p < length)
  {
    handle = static_cast<std::int32_t>(p);
    box = {handle - 1, handle + 1};
  }
  else
  {
    handle = length - 1;
    box = {length - 2, length};
  }
}

std::int32_t ColorSliderAreaGeometry::GradientSteps() const
{
  const std::int32_t n = length - 2;
  return (length - 1 < 1 || n < 1) ? 0 : n;
}

std::int32_t ColorSliderAreaGeometry::CheckerSegmentCount() const
{
  const Span span = GradientAcross();
  return span.to < span.from ? 0 : (span.to - span.from) / kCheckerCell + 1;
}

ColorSliderAreaGeometry::Span ColorSliderAreaGeometry::CheckerSegment(std::int32_t index) const
{
  const std::int32_t from = kGradientInset + index * kCheckerCell;
  return {from, std::min(from + kCheckerCell - 1, GradientAcross().to)};
}

double ColorSliderAreaGeometry::PositionToT(double c, std::int32_t extent)
{
  const double length = extent - 1;
  const double inverse = length - 1.0 == 0.0 ? 0.0 : 1.0 / (length - 1.0);
  const double along = std::min(std::max(c, 1.0), length);
  return std::clamp((along - 1.0) * inverse, 0.0, 1.0);
}
