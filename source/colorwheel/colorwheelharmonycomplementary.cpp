#include "colorwheel/colorwheelharmonycomplementary.h"

ColorWheelHarmonyComplementary::ColorWheelHarmonyComplementary(const ColorWheel& owner)
    : ColorWheelHarmony(owner, kComplementary, false, {1033500, 1033623, 20037})
{}

Result<void> ColorWheelHarmonyComplementary::Compute(const Vector& hsv, ColorList& list)
{
  RETURN_IF_ERROR(list.SetCount(2));
  const Vector partner(AngleToHue(Rotate(HueAngle(hsv), kPi)), hsv.y, hsv.z);
  const bool partnerEdited = list.GetSelectedIndex() == 1;
  list[0].color = partnerEdited ? partner : hsv;
  list[1].color = partnerEdited ? hsv : partner;
  KeepLightness(EditedEntry(list), list);
  return Ok();
}
