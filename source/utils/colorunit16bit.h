#pragma once
#include "utils/colorunit.h"

// Whole numbers 0 to 65535.
class ColorUnit16Bit final : public ColorUnit
{
public:
  double GetMaximum() const override;
  double GetStep() const override;
  bool IsWholeNumber() const override;
  ColorUnitField FieldFor(double component) const override;
  double ComponentFrom(double fieldValue) const override;
};
