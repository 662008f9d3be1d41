#include "utils/colorunit.h"

#include <new>

#include "utils/colorunit16bit.h"
#include "utils/colorunit8bit.h"
#include "utils/colorunitpercent.h"
#include "utils/colorutils.h"

double ColorUnit::MaximumFor(std::int32_t preference)
{
  if (preference == kColorUnitPercent)
    return 1.0;
  return preference == kColorUnit16Bit ? 65535.0 : 255.0;
}

std::unique_ptr<ColorUnit> ColorUnit::Create(std::int32_t preference)
{
  if (preference == kColorUnitPercent)
    return std::unique_ptr<ColorUnit>(new (std::nothrow) ColorUnitPercent);
  if (preference == kColorUnit16Bit)
    return std::unique_ptr<ColorUnit>(new (std::nothrow) ColorUnit16Bit);
  return std::unique_ptr<ColorUnit>(new (std::nothrow) ColorUnit8Bit);
}

std::int64_t ColorUnit::WholeValue(double fieldValue)
{
  constexpr double kLimit = 9.0e18;
  if (!(fieldValue > -kLimit))
    return fieldValue != fieldValue ? 0 : static_cast<std::int64_t>(-kLimit);
  if (fieldValue > kLimit)
    return static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(fieldValue);
}
