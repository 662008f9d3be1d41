#include "utils/colorsliderarearange.h"

#include <algorithm>
#include <cmath>

#include "gxa_api.h"

namespace
{
double Clamp01(double t)
{
  return t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
}

double Reciprocal(double v)
{
  return v == 0.0 ? 0.0 : 1.0 / v;
}

double Sign(double v)
{
  return v < 0.0 ? -1.0 : 1.0;
}
}  // namespace

ColorSliderAreaRange::ColorSliderAreaRange(double minimum, double maximum, double step)
    : _minimum(minimum),
      _maximum(maximum),
      _range(maximum - minimum),
      _invRange(Reciprocal(maximum - minimum)),
      _step(step),
      _invStep(Reciprocal(step))
{}

double ColorSliderAreaRange::ValueAt(double t) const
{
  return _minimum + _range * t;
}

double ColorSliderAreaRange::PositionOf(double value) const
{
  return Clamp01((value - _minimum) * _invRange);
}

double ColorSliderAreaRange::ClampValue(double value) const
{
  return std::clamp(value, std::min(_minimum, _maximum), std::max(_minimum, _maximum));
}

double ColorSliderAreaRange::WheelStep(double t, double notches, bool vertical, std::int32_t qualifier) const
{
  if (notches == 0.0)
    return t;
  double direction = notches > 0.0 ? 1.0 : -1.0;
  if (vertical)
    direction = -direction;
  const double increment = (qualifier & GXA_QUALIFIER_ALT) ? 10.0 * _step : _step;
  return PositionOf(ClampValue(ValueAt(t) + direction * increment));
}

std::optional<double> ColorSliderAreaRange::KeyStep(double t, std::int32_t key, std::int32_t qualifier,
                                                    bool vertical) const
{
  // Arrow keys move the handle along the bar whichever way the range runs
  // and whatever the sign of the step.
  const double increment = (qualifier != 0 ? 10.0 : 1.0) * std::fabs(_step) * Sign(_range);
  const double along = vertical ? -1.0 : 1.0;
  double value = ValueAt(t);
  switch (key)
  {
    case GXA_KEY_UP: value += along * increment; break;
    case GXA_KEY_DOWN: value -= along * increment; break;
    case GXA_KEY_LEFT: value -= increment; break;
    case GXA_KEY_RIGHT: value += increment; break;
    case GXA_KEY_PGDOWN: value -= 0.1 * _range; break;
    case GXA_KEY_PGUP: value += 0.1 * _range; break;
    case GXA_KEY_HOME: return 0.0;
    case GXA_KEY_END: return 1.0;
    default: return std::nullopt;
  }
  return PositionOf(ClampValue(value));
}

double ColorSliderAreaRange::Snap(double t, std::int32_t qualifier, std::int32_t channel) const
{
  double increment = _step;
  if (qualifier & GXA_QUALIFIER_CTRL)
    increment = _range / 6.0;
  else if ((qualifier & GXA_QUALIFIER_ALT) || channel == GXA_CHANNEL_MIDDLE)
    increment = 10.0 * _step;
  const double value = increment == 0.0 ? _minimum : increment * std::floor(_range * t / increment + 0.5) + _minimum;
  return PositionOf(value);
}
