#include "utils/colorunit16bit.h"

#include "utils/colorconversions.h"

double ColorUnit16Bit::GetMaximum() const
{
  return 65535.0;
}

// One 8-bit step, so arrow keys and the wheel move sliders as in 8-bit units.
double ColorUnit16Bit::GetStep() const
{
  return 256.0;
}

bool ColorUnit16Bit::IsWholeNumber() const
{
  return true;
}

ColorUnitField ColorUnit16Bit::FieldFor(double component) const
{
  return {true, static_cast<double>(To16Bit(component)), 0.0, 65535.0, 1.0, 0};
}

double ColorUnit16Bit::ComponentFrom(double fieldValue) const
{
  return From16Bit(WholeValue(fieldValue));
}
