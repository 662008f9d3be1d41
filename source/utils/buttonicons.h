#pragma once
// The three icons of a button: the main one (shown when on) and the two off
// icons for a light and a dark background. Host icons, borrowed: they live as
// long as the host. Also the background rule that picks the off icon and the
// test for the host's focus redraws, which icon buttons skip.
#include <cstdint>

#include "gxa_api.h"
#include "hostservices.h"
#include "utils/buttonsettings.h"
#include "vector.h"

class BaseContainer;
class GeUserArea;

class ButtonIcons
{
public:
  enum class Lookup
  {
    Found,
    Missing,
    SizeMismatch
  };

  // Looks up settings' icons. One off icon given stands for both; none given,
  // the main icon does. Nothing is kept unless all are found and the off
  // icons match the main icon's size.
  Lookup Resolve(const ButtonSettings& settings);
  bool IsValid() const { return _main.bitmap != nullptr; }

  const IconData& Get(bool on, bool darkBackground) const;
  // The host icon ID of the off icon.
  std::int32_t GetOffId(bool darkBackground) const { return darkBackground ? _offDarkId : _offLightId; }
  const IconData& GetOff(bool darkBackground) const { return Get(false, darkBackground); }
  // The main icon in logical pixels (rounded), both sides set to maxSize
  // when 0 < maxSize < the height.
  void GetSize(std::int32_t maxSize, std::int32_t& w, std::int32_t& h) const;

  // Draws icon into the rectangle, smoothing when it has to scale.
  static void Draw(GeUserArea& area, const IconData& icon, std::int32_t x, std::int32_t y, std::int32_t w,
                   std::int32_t h, bool disabled);

private:
  IconData _main;
  IconData _offLight;
  IconData _offDark;
  std::int32_t _offLightId = ButtonSettings::kNoIcon;
  std::int32_t _offDarkId = ButtonSettings::kNoIcon;
};

// Luma 0.2126 R + 0.7152 G + 0.0722 B of the 8-bit components below 115;
// exactly 115 is light.
bool IsDarkColor(const Vector& rgb);
// For a host interface colour; unknown IDs count as dark.
bool IsInterfaceColorDark(std::int32_t colorId = GXA_COLOR_BACKGROUND);

// The host redraws for a change of focus only; icon buttons look the same.
bool IsFocusRedraw(const BaseContainer& drawMsg);
