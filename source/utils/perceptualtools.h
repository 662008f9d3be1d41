#pragma once
// Whether the host's "Perceptual colour tools" preference is on. Everything
// it brings (the OKLCh panel, the perceptual wheel scheme) asks here, so that
// with it off the chooser looks and behaves as it always did.
class PerceptualTools
{
public:
  static bool IsOn();
};
