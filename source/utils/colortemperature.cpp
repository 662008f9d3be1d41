#include "utils/colortemperature.h"

#include <cmath>

namespace
{
struct Isotherm
{
  double mired, u, v, slope;
};

// Wyszecki and Stiles; row 325 carries u = 0.24792, not the widespread
// misprint 0.24702.
constexpr Isotherm kIsotherms[31] = {
    {0, 0.18006, 0.26352, -0.24341},   {10, 0.18066, 0.26589, -0.25479},  {20, 0.18133, 0.26846, -0.26876},
    {30, 0.18208, 0.27119, -0.28539},  {40, 0.18293, 0.27407, -0.30470},  {50, 0.18388, 0.27709, -0.32675},
    {60, 0.18494, 0.28021, -0.35156},  {70, 0.18611, 0.28342, -0.37915},  {80, 0.18740, 0.28668, -0.40955},
    {90, 0.18880, 0.28997, -0.44278},  {100, 0.19032, 0.29326, -0.47888}, {125, 0.19462, 0.30141, -0.58204},
    {150, 0.19962, 0.30921, -0.70471}, {175, 0.20525, 0.31647, -0.84901}, {200, 0.21142, 0.32312, -1.0182},
    {225, 0.21807, 0.32909, -1.2168},  {250, 0.22511, 0.33439, -1.4512},  {275, 0.23247, 0.33904, -1.7298},
    {300, 0.24010, 0.34308, -2.0637},  {325, 0.24792, 0.34655, -2.4681},  {350, 0.25591, 0.34951, -2.9641},
    {375, 0.26400, 0.35200, -3.5814},  {400, 0.27218, 0.35407, -4.3633},  {425, 0.28039, 0.35577, -5.3762},
    {450, 0.28863, 0.35714, -6.7262},  {475, 0.29685, 0.35823, -8.5955},  {500, 0.30505, 0.35907, -11.324},
    {525, 0.31320, 0.35968, -15.628},  {550, 0.32129, 0.36011, -23.325},  {575, 0.32931, 0.36038, -40.770},
    {600, 0.33724, 0.36051, -116.45},
};

constexpr double kXyzToRgb[3][3] = {
    {3.2404542, -1.5371385, -0.4985314},
    {-0.969266, 1.8760108, 0.041556},
    {0.0556434, -0.2040259, 1.0572252},
};

constexpr double kTintScale = 0.1;
constexpr double kChromaLimit = 0.999999;
constexpr double kChromaFloor = 1e-6;

// Index of the lower row of the pair that brackets the mired value; beyond
// the last row the final pair is extrapolated.
int BracketRow(double mired)
{
  int i = 0;
  while (i < 29 && !(kIsotherms[i + 1].mired > mired))
    ++i;
  return i;
}

struct UvPoint
{
  double u, v;
};

// Point on the locus plus tint along the blended isotherm normal.
UvPoint LocusPoint(double mired, double tint)
{
  const int i = BracketRow(mired);
  const Isotherm& a = kIsotherms[i];
  const Isotherm& b = kIsotherms[i + 1];
  const double f = (b.mired - mired) / (b.mired - a.mired);

  const double lenA = std::sqrt(1.0 + a.slope * a.slope);
  const double lenB = std::sqrt(1.0 + b.slope * b.slope);
  double du = f / lenA + (1.0 - f) / lenB;
  double dv = f * a.slope / lenA + (1.0 - f) * b.slope / lenB;
  const double len = std::sqrt(du * du + dv * dv);
  du /= len;
  dv /= len;

  const double offset = tint * kTintScale;
  return {f * a.u + (1.0 - f) * b.u + du * offset, f * a.v + (1.0 - f) * b.v + dv * offset};
}

double ClampChroma(double c)
{
  return c < kChromaFloor ? kChromaFloor : (c > kChromaLimit ? kChromaLimit : c);
}

Vector UvToLinearRgb(UvPoint p)
{
  const double denom = p.u - 4.0 * p.v + 2.0;
  double x = ClampChroma(1.5 * p.u / denom);
  double y = ClampChroma(p.v / denom);
  if (x + y > kChromaLimit)
  {
    const double scale = kChromaLimit / (x + y);
    x *= scale;
    y *= scale;
  }

  const double xyz[3] = {x / y, 1.0, (1.0 - x - y) / y};
  double rgb[3];
  for (int row = 0; row < 3; ++row)
    rgb[row] = kXyzToRgb[row][0] * xyz[0] + kXyzToRgb[row][1] * xyz[1] + kXyzToRgb[row][2] * xyz[2];
  return {rgb[0], rgb[1], rgb[2]};
}

Vector NormaliseToBrightest(Vector c)
{
  const double m = std::fmax(c.x, std::fmax(c.y, c.z));
  c = m == 0.0 ? Vector(0.0) : c / m;
  auto positive = [](double v) { return v < 0.0 ? 0.0 : v; };
  return {positive(c.x), positive(c.y), positive(c.z)};
}
}  // namespace

Vector KelvinToColorUnclamped(double kelvin, double tint)
{
  const double mired = kelvin == 0.0 ? 0.0 : 1e6 / kelvin;
  return NormaliseToBrightest(UvToLinearRgb(LocusPoint(mired, tint)));
}

Vector KelvinToColor(double kelvin, double tint)
{
  // NaN reads as 0 K and no tint, so a bad field value still gives a colour.
  const double k = kelvin > 0.0 ? kelvin : 0.0;
  const double t = std::isnan(tint) ? 0.0 : (tint < -1.0 ? -1.0 : (tint > 1.0 ? 1.0 : tint));
  return KelvinToColorUnclamped(k, t);
}
