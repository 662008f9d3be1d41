#pragma once
// Harmonies of one RGB colour for other modules, without a wheel: the start
// colour, then the colours the rule derives from it, each with the start
// colour's saturation and value. False when out cannot grow.
#include <cstdint>

#include "basearray.h"
#include "vector.h"

class ColorWheelScheme;

class HarmonyGenerator
{
public:
  explicit HarmonyGenerator(bool ryb);

  bool Complementary(const Vector& rgb, BaseArray<Vector>& out) const;
  bool Split(const Vector& rgb, BaseArray<Vector>& out) const;
  bool Tetrad(const Vector& rgb, BaseArray<Vector>& out) const;
  // count colours, each step further round the wheel than the one before.
  bool Steps(const Vector& rgb, std::int32_t count, double step, BaseArray<Vector>& out) const;
  // count + 1 colours spaced equally.
  bool Equi(const Vector& rgb, std::int32_t count, BaseArray<Vector>& out) const;
  // first, count colours stepping to second (hue, saturation and value,
  // without wrapping the hue), then second; false for count < 1.
  bool Gradient(const Vector& first, const Vector& second, std::int32_t count, BaseArray<Vector>& out) const;

  static constexpr double kAnalogStep = 3.141592653589793 / 6.0;

private:
  bool AppendHue(double angle, const Vector& hsv, BaseArray<Vector>& out) const;
  // The start colour through the scheme, and its hue angle.
  bool Start(const Vector& rgb, Vector& hsv, double& angle, BaseArray<Vector>& out) const;

  const ColorWheelScheme& _scheme;
};
