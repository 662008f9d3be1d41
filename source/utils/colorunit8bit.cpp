#include "utils/colorunit8bit.h"

#include "utils/colorconversions.h"

double ColorUnit8Bit::GetMaximum() const
{
  return 255.0;
}

double ColorUnit8Bit::GetStep() const
{
  return 1.0;
}

bool ColorUnit8Bit::IsWholeNumber() const
{
  return true;
}

ColorUnitField ColorUnit8Bit::FieldFor(double component) const
{
  return {true, static_cast<double>(To8Bit(component)), 0.0, 255.0, 1.0, 0};
}

double ColorUnit8Bit::ComponentFrom(double fieldValue) const
{
  return From8Bit(WholeValue(fieldValue));
}
