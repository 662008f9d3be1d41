#pragma once
// Whether the host's "Perceptual colour tools" preference is on. Everything
// it brings (the OKLCh panel, the perceptual wheel scheme, the contrast and
// name readouts, the colour-vision views) asks here, so that with it off the
// chooser looks and behaves as it always did.
#include "colorscience/oklab.h"
#include "vector.h"

class PerceptualTools
{
public:
  static bool IsOn();
  static colorscience::SrgbColor ToSrgb(const Vector& rgb) { return {rgb.x, rgb.y, rgb.z}; }
  static Vector FromSrgb(const colorscience::SrgbColor& srgb) { return Vector(srgb.r, srgb.g, srgb.b); }
};
