#include "utils/colortooltip.h"

#include "hostservices.h"
#include "moduleresource.h"
#include "utils/colorutils.h"

String ColorTooltipLine(const String& label, const String& value)
{
  return String::Format("<b>@</b>: @", label, value);
}

String ColorTooltipText(const Vector& rgb)
{
  return ColorTooltipLine(ModuleResource::LoadString(kTooltipLabelRgb), ColorToRgbText(rgb)) + "\n" +
         ColorTooltipLine(ModuleResource::LoadString(kTooltipLabelHsv), ColorToHsvText(rgb)).GetStd();
}

String ColorTooltipText(const Vector& rgb, double alpha)
{
  return ColorTooltipText(rgb) + "\n" +
         ColorTooltipLine(ModuleResource::LoadString(kTooltipLabelAlpha), FormatNumber(alpha, GXA_UNIT_PERCENT))
             .GetStd();
}
