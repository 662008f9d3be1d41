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
  // The colour field's alpha line has no colon, unlike a swatch's.
  const String line = String::Format("<b>@</b> @", ModuleResource::LoadString(kTooltipLabelAlpha),
                                     FormatNumber(alpha, GXA_UNIT_PERCENT));
  return ColorTooltipText(rgb) + "\n" + line.GetStd();
}

String SwatchTooltipText(const Vector& rgb, double alpha)
{
  const String line =
      ColorTooltipLine(ModuleResource::LoadString(kTooltipLabelAlpha), FormatNumber(alpha, GXA_UNIT_PERCENT));
  return ColorTooltipText(rgb) + "\n" + line.GetStd();
}
