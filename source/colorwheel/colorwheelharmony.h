#pragma once
// All the wheel needs of a harmony rule: to let it place the colours of the
// list around the main colour, and whether it is Mono, whose related
// colours all lie on the main colour's spoke and so carry no centre dots.
#include "basearray.h"
#include "result.h"
#include "utils/colorlistentry.h"

class ColorWheel;

class ColorWheelHarmony
{
public:
  virtual ~ColorWheelHarmony() = default;

  virtual Result<void> Compute(const Vector& hsv, BaseArray<ColorListEntry>& colors, const ColorWheel& wheel) = 0;
  virtual bool IsMono() const = 0;
};
