#include "colorwheel/harmonygenerator.h"

#include <algorithm>

#include "colorwheel/colorwheelschemergb.h"
#include "colorwheel/colorwheelschemeryb.h"
#include "utils/colorconversions.h"

namespace
{
constexpr double kPi = 3.141592653589793;
constexpr double kTurn = 2.0 * kPi;
constexpr double kSplitOffset = 150.0 * kPi / 180.0;
constexpr double kTetradOffset = -60.0 * kPi / 180.0;

// One scheme object of each kind for the whole module.
const ColorWheelScheme& SchemeFor(bool ryb)
{
  static const ColorWheelSchemeRGB rgb;
  static const ColorWheelSchemeRYB painter;
  if (ryb)
    return painter;
  return rgb;
}

double AngleToHue(double angle)
{
  return std::clamp(angle / kTurn, 0.0, 1.0);
}
}  // namespace

HarmonyGenerator::HarmonyGenerator(bool ryb) : _scheme(SchemeFor(ryb)) {}

bool HarmonyGenerator::AppendHue(double angle, const Vector& hsv, BaseArray<Vector>& out) const
{
  return out.Append(HsvToRgb(Vector(AngleToHue(angle), hsv.y, hsv.z))).IsOk();
}

bool HarmonyGenerator::Start(const Vector& rgb, Vector& hsv, double& angle, BaseArray<Vector>& out) const
{
  hsv = RgbToHsv(rgb);
  angle = kTurn * hsv.x;
  return AppendHue(_scheme.RotateHue(angle, 0.0), hsv, out);
}

bool HarmonyGenerator::Complementary(const Vector& rgb, BaseArray<Vector>& out) const
{
  Vector hsv;
  double a = 0.0;
  return Start(rgb, hsv, a, out) && AppendHue(_scheme.RotateHue(a, kPi), hsv, out);
}

bool HarmonyGenerator::Split(const Vector& rgb, BaseArray<Vector>& out) const
{
  Vector hsv;
  double a = 0.0;
  return Start(rgb, hsv, a, out) && AppendHue(_scheme.RotateHue(a, kSplitOffset), hsv, out) &&
         AppendHue(_scheme.RotateHue(a, -kSplitOffset), hsv, out);
}

bool HarmonyGenerator::Tetrad(const Vector& rgb, BaseArray<Vector>& out) const
{
  Vector hsv;
  double a = 0.0;
  if (!Start(rgb, hsv, a, out))
    return false;
  const double side = _scheme.RotateHue(a, kTetradOffset);
  return AppendHue(_scheme.RotateHue(a, kPi), hsv, out) && AppendHue(side, hsv, out) &&
         AppendHue(_scheme.RotateHue(side, kPi), hsv, out);
}

bool HarmonyGenerator::Steps(const Vector& rgb, std::int32_t count, double step, BaseArray<Vector>& out) const
{
  Vector hsv;
  double angle = 0.0;
  if (!Start(rgb, hsv, angle, out))
    return false;
  for (std::int32_t i = 0; i < count; ++i)
  {
    angle = _scheme.RotateHue(angle, step);
    if (!AppendHue(angle, hsv, out))
      return false;
  }
  return true;
}

bool HarmonyGenerator::Equi(const Vector& rgb, std::int32_t count, BaseArray<Vector>& out) const
{
  return Steps(rgb, count, kTurn / (static_cast<double>(count) + 1.0), out);
}

bool HarmonyGenerator::Gradient(const Vector& first, const Vector& second, std::int32_t count,
                                BaseArray<Vector>& out) const
{
  if (count < 1)
    return false;
  const Vector a = RgbToHsv(first), b = RgbToHsv(second);
  double angleA = kTurn * a.x, angleB = kTurn * b.x;
  const bool ryb = _scheme.GetSchemeId() == ColorWheelScheme::kRyb;
  Vector start = first, end = second;
  if (ryb)
  {
    angleA = _scheme.RotateHue(angleA, 0.0);
    angleB = _scheme.RotateHue(angleB, 0.0);
    start = HsvToRgb(Vector(AngleToHue(angleA), a.y, a.z));
    end = HsvToRgb(Vector(AngleToHue(angleB), b.y, b.z));
  }
  if (!out.Append(start).IsOk())
    return false;
  const double parts = static_cast<double>(count) + 1.0;
  const double dh = (angleB - angleA) / parts, ds = (b.y - a.y) / parts, dv = (b.z - a.z) / parts;
  double angle = angleA, s = a.y, v = a.z;
  for (std::int32_t i = 0; i < count; ++i)
  {
    angle = _scheme.RotateHue(angle, dh);
    s += ds;
    v += dv;
    if (!out.Append(HsvToRgb(Vector(AngleToHue(angle), s, v))).IsOk())
      return false;
  }
  return out.Append(end).IsOk();
}
