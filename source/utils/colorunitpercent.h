#pragma once
#include "utils/colorunit.h"

// Percent, 0 to 100, with fractions.
class ColorUnitPercent final : public ColorUnit
{
public:
  double GetMaximum() const override;
  double GetStep() const override;
  bool IsWholeNumber() const override;
  ColorUnitField FieldFor(double component) const override;
  double ComponentFrom(double fieldValue) const override;
};
