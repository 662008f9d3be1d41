#include "utils/hsvretention.h"

#include "utils/colorconversions.h"

Vector RetainHsv(const Vector& storedHsv, const Vector& rgb)
{
  const Vector fresh = RgbToHsv(rgb);
  if (rgb.x != rgb.y || rgb.y != rgb.z)
  {
    const bool wrapped = (storedHsv.x == 0.0 && fresh.x == 1.0) || (storedHsv.x == 1.0 && fresh.x == 0.0);
    return wrapped ? Vector(storedHsv.x, fresh.y, fresh.z) : fresh;
  }
  // A grey has no hue of its own; only a non-black one has a saturation (0).
  return Vector(storedHsv.x, rgb.x != 0.0 ? fresh.y : storedHsv.y, fresh.z);
}
