#include "utils/colorsliderareablend.h"

Vector ColorSliderAreaBlend::GetSliderColor(double t) const
{
  const Vector color = _drawA + (_drawB - _drawA) * t;
  return _convertOutput ? ConvertColorSpace(color, GXA_TRANSFORM_TO_HOST) : color;
}

void ColorSliderAreaBlend::PrepareGradient()
{
  _drawA = _colorA;
  _drawB = _colorB;
  // Mixed ends meet in the chooser's space.
  if (_chooserSpaceA && !_chooserSpaceB)
    _drawB = ConvertColorSpace(_drawB, GXA_TRANSFORM_FROM_HOST);
  else if (_chooserSpaceB && !_chooserSpaceA)
    _drawA = ConvertColorSpace(_drawA, GXA_TRANSFORM_FROM_HOST);
  _convertOutput = _chooserSpaceA || _chooserSpaceB;
}

void ColorSliderAreaBlend::SetColorA(const Vector& color, bool chooserSpace)
{
  _colorA = color;
  _chooserSpaceA = chooserSpace;
}

void ColorSliderAreaBlend::SetColorB(const Vector& color, bool chooserSpace)
{
  _colorB = color;
  _chooserSpaceB = chooserSpace;
}

void ColorSliderAreaBlend::SetEndColors(double t, const Vector& a, bool aChooserSpace, const Vector& b,
                                        bool bChooserSpace)
{
  SetEndColorsNoRedraw(t, a, aChooserSpace, b, bChooserSpace);
  Redraw();
}

void ColorSliderAreaBlend::SetEndColorsNoRedraw(double t, const Vector& a, bool aChooserSpace, const Vector& b,
                                                bool bChooserSpace)
{
  SetPositionNoRedraw(t);
  SetColorA(a, aChooserSpace);
  SetColorB(b, bChooserSpace);
}
