#include "utils/colorsliderareaalpha.h"

ColorSliderAreaAlpha::ColorSliderAreaAlpha()
{
  SetRange(0.0, 1.0, 0.01);
  SetCheckerboard(true);
}

Vector ColorSliderAreaAlpha::GetSliderColor(double) const
{
  return _color;
}

std::int32_t ColorSliderAreaAlpha::Message(const BaseContainer& msg, BaseContainer& result)
{
  // The checker greys follow the interface theme.
  if (msg.GetId() == GXA_MSG_PREFS_CHANGED && RefreshTheme())
    Redraw();
  return ColorSliderArea::Message(msg, result);
}

void ColorSliderAreaAlpha::SetPositionAndColor(double t, const Vector& color)
{
  _color = color;
  SetPosition(t);
}
