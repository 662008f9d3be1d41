#include "utils/colorunit.h"

#include <new>

#include "gedialog.h"

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

bool ColorUnit::SetDialogValue(std::int32_t id, double component, GeDialog& dialog, bool ambiguous) const
{
  const ColorUnitField field = FieldFor(component);
  if (field.whole)
    return dialog.SetInt32(id, static_cast<std::int32_t>(field.value), static_cast<std::int32_t>(field.minimum),
                           static_cast<std::int32_t>(field.maximum), static_cast<std::int32_t>(field.step), ambiguous);
  // Typed input is bounded by the same pair as the value.
  return dialog.SetFloat(id, field.value, field.minimum, field.maximum, field.step, field.format, field.minimum,
                         field.maximum, ambiguous);
}

std::optional<double> ColorUnit::GetDialogValue(std::int32_t id, const GeDialog& dialog) const
{
  if (IsWholeNumber())
  {
    std::int32_t value = 0;
    if (!dialog.GetInt32(id, value))
      return std::nullopt;
    return ComponentFrom(value);
  }
  double value = 0.0;
  if (!dialog.GetFloat(id, value))
    return std::nullopt;
  return ComponentFrom(value);
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
