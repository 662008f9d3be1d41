#pragma once
// Colours in OKLab and its polar form OKLCh, for the perceptual colour tools:
// conversions from and to sRGB (through linear light, with the exact sRGB
// curve), the OKLab colour difference and the mapping of a colour outside
// sRGB back into it by reducing chroma at constant lightness and hue.
// Everything is double precision; sRGB components are 0..1 but may lie
// outside it on the way to or from an OKLab colour no screen shows.

namespace colorscience
{

struct SrgbColor
{
  double r = 0.0, g = 0.0, b = 0.0;
};

struct OkLabColor
{
  double l = 0.0, a = 0.0, b = 0.0;
};

struct OkLchColor
{
  double l = 0.0, c = 0.0;
  double h = 0.0;  // degrees, 0 up to 360; 0 for a grey
};

class OkLab
{
public:
  // The largest difference nobody tells apart (the gamut mapping's target).
  static constexpr double kJustNoticeable = 0.02;

  static double ToLinear(double encoded);
  static double ToEncoded(double linear);

  static OkLabColor FromLinear(const SrgbColor& linear);
  static SrgbColor ToLinear(const OkLabColor& lab);
  static OkLabColor FromSrgb(const SrgbColor& srgb);
  static SrgbColor ToSrgb(const OkLabColor& lab);

  static OkLchColor ToLch(const OkLabColor& lab);
  static OkLabColor FromLch(const OkLchColor& lch);

  static double DeltaE(const OkLabColor& x, const OkLabColor& y);

  static bool InGamut(const SrgbColor& srgb);
  // The sRGB colour closest in look to lch that a screen shows: the colour
  // itself when it is in gamut, else the colour of the same lightness and
  // hue with the chroma cut until clipping it moves it by less than a just
  // noticeable difference, clipped.
  static SrgbColor GamutMap(const OkLchColor& lch);
};

}  // namespace colorscience
