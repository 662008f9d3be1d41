#include "utils/buttonicons.h"

#include <cmath>

#include "basecontainer.h"
#include "geuserarea.h"
#include "utils/colorconversions.h"

namespace
{
bool SameSize(const IconData& a, const IconData& b)
{
  return a.w == b.w && a.h == b.h;
}

constexpr std::int32_t kReasonFocusGained = GXA_FOURCC('b', 'G', 'F', 'C');
constexpr std::int32_t kReasonFocusLost = GXA_FOURCC('b', 'L', 'F', 'C');

std::int32_t ToLogical(std::int32_t physical, double scale)
{
  return static_cast<std::int32_t>(std::lround(physical / scale));
}
}  // namespace

ButtonIcons::Lookup ButtonIcons::Resolve(const ButtonSettings& settings)
{
  *this = ButtonIcons();
  const std::int32_t lightId =
      settings.iconOffLight != ButtonSettings::kNoIcon ? settings.iconOffLight : settings.iconOffDark;
  const std::int32_t darkId = settings.iconOffDark != ButtonSettings::kNoIcon ? settings.iconOffDark : lightId;
  IconData main, light, dark;
  if (!GetIcon(settings.icon, main))
    return Lookup::Missing;
  if (lightId == ButtonSettings::kNoIcon)
  {
    light = dark = main;
  }
  else if (!GetIcon(lightId, light) || !GetIcon(darkId, dark))
  {
    return Lookup::Missing;
  }
  if (!SameSize(main, light) || !SameSize(main, dark))
    return Lookup::SizeMismatch;
  _main = main;
  _offLight = light;
  _offDark = dark;
  _offLightId = lightId == ButtonSettings::kNoIcon ? settings.icon : lightId;
  _offDarkId = lightId == ButtonSettings::kNoIcon ? settings.icon : darkId;
  return Lookup::Found;
}

const IconData& ButtonIcons::Get(bool on, bool darkBackground) const
{
  if (on)
    return _main;
  return darkBackground ? _offDark : _offLight;
}

void ButtonIcons::GetSize(std::int32_t maxSize, std::int32_t& w, std::int32_t& h) const
{
  const double scale = GetInterfaceScale();
  w = ToLogical(_main.w, scale);
  h = ToLogical(_main.h, scale);
  if (maxSize > 0 && maxSize < h)
    w = h = maxSize;
}

void ButtonIcons::Draw(GeUserArea& area, const IconData& icon, std::int32_t x, std::int32_t y, std::int32_t w,
                       std::int32_t h, bool disabled)
{
  if (!icon.bitmap || w <= 0 || h <= 0)
    return;
  const std::int32_t scale = area.GetDisplayScale();
  std::int32_t mode = GXA_BMP_ALLOWALPHA;
  if (icon.w != w * scale || icon.h != h * scale)
    mode |= GXA_BMP_FILTER;
  if (disabled)
    mode |= GXA_BMP_DISABLED;
  area.DrawBitmap(icon.bitmap, x, y, w, h, icon.x, icon.y, icon.w, icon.h, mode);
}

bool IsDarkColor(const Vector& rgb)
{
  std::int64_t r = 0, g = 0, b = 0;
  ColorTo8Bit(rgb, r, g, b);
  // Integer weights keep a luma of exactly 115 on the light side.
  return 2126 * r + 7152 * g + 722 * b < 115 * 10000;
}

bool IsInterfaceColorDark(std::int32_t colorId)
{
  Vector rgb;
  return !GetInterfaceColor(colorId, rgb) || IsDarkColor(rgb);
}

bool IsFocusRedraw(const BaseContainer& drawMsg)
{
  const std::int32_t reason = drawMsg.GetInt32(GXA_DRAW_REASON);
  return reason == kReasonFocusGained || reason == kReasonFocusLost;
}
