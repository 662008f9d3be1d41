#pragma once
// Conversion of the colours a gadget draws from the document's colour profile
// to the display's, through the host's colour management.
#include <cstdint>

#include "gxa_api.h"
#include "vector.h"

// Bits of the chooser's colour-profile mode.
constexpr std::int32_t kProfileModeDocument = 8;       // the active document's setting decides
constexpr std::int32_t kProfileModePaintTexture = 16;  // the current paint texture's profile
// Set in a bitmap's flags word when it carries a display-managed profile.
constexpr std::int32_t kBitmapFlagColorProfile = 0x200;
// World preference: the display profile (a colour-profile value).
constexpr std::int32_t kPrefDisplayProfile = 1086;

// Owns one host conversion; empty until prepared.
class ColorDisplayConversion
{
public:
  ColorDisplayConversion() = default;
  ~ColorDisplayConversion();
  ColorDisplayConversion(const ColorDisplayConversion&) = delete;
  ColorDisplayConversion& operator=(const ColorDisplayConversion&) = delete;
  ColorDisplayConversion(ColorDisplayConversion&& other) noexcept;
  ColorDisplayConversion& operator=(ColorDisplayConversion&& other) noexcept;

  GxaColorConversion* Get() const { return _conversion; }
  // Takes ownership of conversion (may be null), releasing the previous one.
  void Reset(GxaColorConversion* conversion = nullptr);

private:
  GxaColorConversion* _conversion = nullptr;
};

// The source profile for a colour-profile mode; the second standard profile
// when the mode names nothing that exists. Borrowed from the host.
const GxaColorProfile* SourceProfileForMode(std::int32_t profileMode);

// Builds the conversion from the mode's source profile to the display profile
// of the world preferences. ready is false without a display profile or when
// the host cannot convert.
void PrepareDisplayConversion(ColorDisplayConversion& conversion, std::int32_t profileMode, bool& ready);
// Converts rgb in place and clamps it to [0, 1]; unchanged when not ready.
void ConvertForDisplay(const ColorDisplayConversion& conversion, bool ready, Vector& rgb);
// Gives the bitmap the mode's source profile so that the host converts it
// when drawing, and marks that in flags.
void AttachDisplayProfile(GxaBitmap* bitmap, std::int32_t profileMode, std::int32_t& flags);
