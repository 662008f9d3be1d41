#pragma once
// One channel of an OKLab or OKLCh colour along the bar: lightness 0..1,
// chroma 0..0.4, hue 0..360 degrees, or the a or b axis -0.4..0.4, with the
// other channels held at the current colour. Stretches that no screen shows
// are drawn in the colour the gamut mapping brings them to, hatched.
// Messages carry t.
#include "colorscience/oklab.h"
#include "utils/colorsliderarea.h"

class ColorSliderAreaOklch : public ColorSliderArea
{
public:
  enum class Channel
  {
    Lightness,
    Chroma,
    Hue,
    A,
    B
  };

  static constexpr double kMaxChroma = 0.4;

  ColorSliderAreaOklch();

  Vector GetSliderColor(double t) const override;
  bool IsHatched(double t) const override;

  void SetChannel(Channel channel) { _channel = channel; }
  Channel GetChannel() const { return _channel; }
  // The colour the other channels hold; linear: drawn colours leave the
  // chooser's space through code 1. Puts the handle on the channel's value
  // and redraws.
  void SetColor(const colorscience::OkLchColor& lch, bool linear);

  // The channel's value at t along the bar, and back.
  static double ValueAt(Channel channel, double t);
  static double PositionOf(Channel channel, double value);
  // lch with the channel set to value; the hue stays for a grey.
  static colorscience::OkLchColor With(const colorscience::OkLchColor& lch, Channel channel, double value);
  static double ValueOf(const colorscience::OkLchColor& lch, Channel channel);

private:
  colorscience::OkLabColor LabAt(double t) const;

  Channel _channel = Channel::Lightness;
  colorscience::OkLchColor _lch;
  bool _linear = false;
};
