#include "utils/colorunitpercent.h"

#include "gxa_api.h"

double ColorUnitPercent::GetMaximum() const
{
  return 1.0;
}

double ColorUnitPercent::GetStep() const
{
  return 0.01;
}

bool ColorUnitPercent::IsWholeNumber() const
{
  return false;
}

ColorUnitField ColorUnitPercent::FieldFor(double component) const
{
  return {false, component, 0.0, 1.0, 0.01, GXA_UNIT_PERCENT};
}

// Not clamped: the field's own limits bound what the user can enter.
double ColorUnitPercent::ComponentFrom(double fieldValue) const
{
  return fieldValue;
}
