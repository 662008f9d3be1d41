#include "colorwheel/linedrawer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "basebitmap.h"

namespace
{
// The walk starts and ends this far beyond the segment, past the one-pixel
// fade of its ends.
constexpr double kWalkMargin = 2.0;
constexpr double kReachBeyondHalfWidth = 2.0;

std::int64_t Round(double v)
{
  return static_cast<std::int64_t>(std::floor(v + 0.5));
}

std::int32_t Channel(std::int32_t p, std::int32_t c, double coverage)
{
  return static_cast<std::int32_t>(p + (c - p) * coverage);
}
}  // namespace

bool LineDrawer::SetWidth(double width)
{
  const double w = std::fabs(width);
  _zeroWidth = w == 0.0;
  _halfWidth = _zeroWidth ? 0.0 : w / 2.0;
  _reach = _zeroWidth ? 0.0 : _halfWidth + kReachBeyondHalfWidth;
  return !_zeroWidth;
}

void LineDrawer::SetColor(std::int32_t red, std::int32_t green, std::int32_t blue)
{
  _red = std::clamp(red, 0, 255);
  _green = std::clamp(green, 0, 255);
  _blue = std::clamp(blue, 0, 255);
}

void LineDrawer::SetOpacity(double opacity)
{
  _opacity = std::clamp(opacity, 0.0, 1.0);
}

void LineDrawer::ClearGeometry()
{
  _length = _invLength = _halfLength = 0.0;
  _normalX = _normalY = _normalOffset = 0.0;
  _directionX = _directionY = _directionOffset = 0.0;
}

bool LineDrawer::CacheGeometry(double x1, double y1, double x2, double y2)
{
  const double dx = x2 - x1, dy = y2 - y1;
  _length = std::sqrt(dx * dx + dy * dy);
  if (_length == 0.0)
  {
    ClearGeometry();
    return false;
  }
  _invLength = 1.0 / _length;
  _halfLength = _length / 2.0;
  _directionX = dx * _invLength;
  _directionY = dy * _invLength;
  _normalX = -_directionY;
  _normalY = _directionX;
  _normalOffset = _normalX * x1 + _normalY * y1;
  _directionOffset = _directionX * (x1 + x2) / 2.0 + _directionY * (y1 + y2) / 2.0;
  return true;
}

double LineDrawer::Coverage(double x, double y) const
{
  const double d = std::fabs(_normalX * x + _normalY * y - _normalOffset) - _halfWidth;
  const double side = d <= 0.0 ? 1.0 : (d < 1.0 ? 1.0 - d : 0.0);
  if (side == 0.0)
    return 0.0;
  const double e = std::fabs(_directionX * x + _directionY * y - _directionOffset) - _halfLength;
  const double end = e <= 0.0 ? 1.0 : (e < 1.0 ? 1.0 - e : 0.0);
  return side * end * _opacity;
}

bool LineDrawer::Paint(std::int64_t x, std::int64_t y, BaseBitmap& target, std::int32_t width,
                       std::int32_t height) const
{
  if (x < 0 || y < 0 || x >= width || y >= height)
    return false;
  const double coverage = Coverage(static_cast<double>(x), static_cast<double>(y));
  if (coverage <= 0.0)
    return false;
  const auto px = static_cast<std::int32_t>(x), py = static_cast<std::int32_t>(y);
  std::int32_t r, g, b;
  target.GetPixel(px, py, r, g, b);
  target.SetPixel(px, py, Channel(r, _red, coverage), Channel(g, _green, coverage), Channel(b, _blue, coverage));
  return true;
}

bool LineDrawer::PaintAcross(std::int64_t major, std::int64_t minor, BaseBitmap& target, std::int32_t width,
                             std::int32_t height) const
{
  bool painted = false, covered = false;
  for (std::int64_t m = minor - _span; m <= minor + _span; ++m)
  {
    const std::int64_t x = _steep ? m : major, y = _steep ? major : m;
    const bool inside = Coverage(static_cast<double>(x), static_cast<double>(y)) > 0.0;
    // The band across the line is convex: once left, nothing more is covered.
    if (covered && !inside)
      break;
    covered = covered || inside;
    painted = Paint(x, y, target, width, height) || painted;
  }
  return painted;
}

bool LineDrawer::DrawLine(double x1, double y1, double x2, double y2, BaseBitmap& target)
{
  if (_zeroWidth || !CacheGeometry(x1, y1, x2, y2))
    return false;
  const std::int32_t width = target.GetWidth(), height = target.GetHeight();
  std::int64_t sx = Round(x1 - kWalkMargin * _directionX), sy = Round(y1 - kWalkMargin * _directionY);
  std::int64_t ex = Round(x2 + kWalkMargin * _directionX), ey = Round(y2 + kWalkMargin * _directionY);
  _steep = std::llabs(ey - sy) > std::llabs(ex - sx);
  if (_steep)
  {
    std::swap(sx, sy);
    std::swap(ex, ey);
  }
  if (sx > ex)
  {
    std::swap(sx, ex);
    std::swap(sy, ey);
  }
  _descending = ey < sy;
  _majorExtent = ex - sx;
  _minorExtent = std::llabs(ey - sy);
  _errorStep = 2 * _minorExtent;
  _errorCorrection = 2 * _majorExtent;
  const double alongMajor = std::fabs(_steep ? _directionY : _directionX);
  _span = static_cast<std::int64_t>(std::ceil(_reach / alongMajor)) + 1;

  bool painted = false;
  std::int64_t minor = sy, error = _errorStep - _majorExtent;
  for (std::int64_t major = sx; major <= ex; ++major)
  {
    painted = PaintAcross(major, minor, target, width, height) || painted;
    if (error > 0)
    {
      minor += _descending ? -1 : 1;
      error -= _errorCorrection;
    }
    error += _errorStep;
  }
  return painted;
}

bool LineDrawer::DrawDashedLine(double x1, double y1, double x2, double y2, double dash, double gap, bool startWithGap,
                                BaseBitmap& target)
{
  dash = std::fabs(dash);
  gap = std::fabs(gap);
  if (dash == 0.0)
    return false;
  if (gap == 0.0)
    return DrawLine(x1, y1, x2, y2, target);
  const double dx = x2 - x1, dy = y2 - y1;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0.0)
    return false;
  const double ux = dx / length, uy = dy / length;
  const double period = dash + gap;
  const double start = startWithGap ? gap : 0.0;
  const double count = std::ceil((length - start) / period);
  if (count < 1.0)
    return false;
  const auto dashes = static_cast<std::int64_t>(count);

  bool painted = false;
  for (std::int64_t i = 0; i + 1 < dashes; ++i)
  {
    const double from = start + static_cast<double>(i) * period;
    painted =
        DrawLine(x1 + from * ux, y1 + from * uy, x1 + (from + dash) * ux, y1 + (from + dash) * uy, target) || painted;
  }
  const double from = start + static_cast<double>(dashes - 1) * period;
  const double remaining = length - from;
  const double fx = x1 + from * ux, fy = y1 + from * uy;
  if (remaining > dash)
    return DrawLine(fx, fy, fx + dash * ux, fy + dash * uy, target) || painted;
  if (remaining <= 0.0)
    return painted;
  return DrawLine(fx, fy, x2, y2, target) || painted;
}
