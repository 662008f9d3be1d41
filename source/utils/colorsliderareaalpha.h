#pragma once
// Alpha over a checkerboard: one colour fades in over the checker cells and
// reaches full strength at the end of the bar. Messages carry t.
#include "utils/colorsliderarea.h"

class ColorSliderAreaAlpha : public ColorSliderArea
{
public:
  ColorSliderAreaAlpha();

  Vector GetSliderColor(double t) const override;
  std::int32_t Message(const BaseContainer& msg, BaseContainer& result) override;

  // Position and colour at once; redraws.
  void SetPositionAndColor(double t, const Vector& color);
  const Vector& GetColor() const { return _color; }

private:
  Vector _color;
};
