#pragma once
// The colour-vision view chosen in a chooser: how its swatches, colour
// strips and wheel handles show colours as seen with a colour vision
// deficiency, and which colours of one group or harmony then look alike.
// Normal (nothing changes) unless the perceptual colour tools are on.
#include <cstdint>
#include <vector>

#include "basecontainer.h"
#include "colorscience/colorvision.h"
#include "geuserarea.h"
#include "vector.h"

class ColorVisionView
{
public:
  // The view stored in a chooser's state.
  static ColorVisionView Of(const BaseContainer& state);
  static void Store(BaseContainer& state, colorscience::ColorDeficiency kind, double severity);
  static colorscience::ColorDeficiency StoredKind(const BaseContainer& state);
  static double StoredSeverity(const BaseContainer& state);

  bool IsOn() const { return !_vision.IsNormal(); }
  // rgb (0..1, as drawn) as seen.
  Vector Show(const Vector& rgb) const;
  // One flag per colour (as drawn, before Show): true where another colour
  // of the same set looks alike in this view; all false while it is off.
  std::vector<bool> LookAlike(const std::vector<Vector>& colors) const;

  // The mark of a colour that looks like another: a corner triangle at the
  // top right of a cell, black or white, whichever stands out on shown.
  static void DrawMark(GeUserArea& area, std::int32_t x, std::int32_t y, std::int32_t size, const Vector& shown);

private:
  colorscience::ColorVision _vision;
};
