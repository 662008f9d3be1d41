#pragma once
// A blend between two end colours. Each end says whether it is in the
// chooser's space; when either is, the blend runs in the chooser's space and
// every colour leaves it through code 1 before it is drawn.
#include "utils/colorsliderarea.h"

class ColorSliderAreaBlend : public ColorSliderArea
{
public:
  Vector GetSliderColor(double t) const override;
  void PrepareGradient() override;

  void SetColorA(const Vector& color, bool chooserSpace);
  void SetColorB(const Vector& color, bool chooserSpace);
  const Vector& GetColorA() const { return _colorA; }
  const Vector& GetColorB() const { return _colorB; }
  // Position and both ends at once; redraws.
  void SetEndColors(double t, const Vector& a, bool aChooserSpace, const Vector& b, bool bChooserSpace);
  void SetEndColorsNoRedraw(double t, const Vector& a, bool aChooserSpace, const Vector& b, bool bChooserSpace);

private:
  Vector _colorA;
  bool _chooserSpaceA = false;
  Vector _colorB;
  bool _chooserSpaceB = false;
  Vector _drawA;
  Vector _drawB;
  bool _convertOutput = false;
};
