#include "utils/colordisplayconversion.h"

#include <utility>

#include "basecontainer.h"
#include "gedata.h"
#include "hostaccess.h"
#include "hostservices.h"

namespace
{
// Document colour-management setting values (GXA_DOC_COLOR_SPACE).
constexpr std::int32_t kDocumentSpaceLinear = 1;
constexpr std::int32_t kDocumentSpaceByWorkflow = 2;

const GxaColorProfile* StandardProfile(std::int32_t which)
{
  const GxaColorFns* color = HostColor();
  return GXA_HAS(color, standard_profile) ? color->standard_profile(which) : nullptr;
}

const GxaColorProfile* PaintTextureProfile()
{
  const GxaColorFns* color = HostColor();
  return GXA_HAS(color, paint_texture_profile) ? color->paint_texture_profile() : nullptr;
}

std::int32_t DocumentProfileChoice()
{
  GxaDocument* doc = GetActiveDocument();
  if (!doc)
    return GXA_PROFILE_SRGB;
  const BaseContainer settings = GetDocumentSettings(doc);
  switch (settings.GetInt32(GXA_DOC_COLOR_SPACE))
  {
    case kDocumentSpaceLinear: return GXA_PROFILE_LINEAR;
    case kDocumentSpaceByWorkflow:
      return settings.GetBool(GXA_DOC_LINEAR_WORKFLOW) ? GXA_PROFILE_LINEAR : GXA_PROFILE_SRGB;
    default: return GXA_PROFILE_SRGB;
  }
}
}  // namespace

ColorDisplayConversion::~ColorDisplayConversion()
{
  Reset();
}

ColorDisplayConversion::ColorDisplayConversion(ColorDisplayConversion&& other) noexcept
    : _conversion(std::exchange(other._conversion, nullptr))
{}

ColorDisplayConversion& ColorDisplayConversion::operator=(ColorDisplayConversion&& other) noexcept
{
  if (this != &other)
    Reset(std::exchange(other._conversion, nullptr));
  return *this;
}

void ColorDisplayConversion::Reset(GxaColorConversion* conversion)
{
  const GxaColorFns* color = HostColor();
  if (_conversion && GXA_HAS(color, conversion_destroy))
    color->conversion_destroy(_conversion);
  _conversion = conversion;
}

const GxaColorProfile* SourceProfileForMode(std::int32_t profileMode)
{
  if (profileMode & kProfileModeDocument)
    return StandardProfile(DocumentProfileChoice());
  if (profileMode & kProfileModePaintTexture)
  {
    if (const GxaColorProfile* texture = PaintTextureProfile())
      return texture;
  }
  return StandardProfile(GXA_PROFILE_SRGB);
}

void PrepareDisplayConversion(ColorDisplayConversion& conversion, std::int32_t profileMode, bool& ready)
{
  ready = false;
  conversion.Reset();
  const GxaColorFns* color = HostColor();
  if (!GXA_HAS(color, conversion_create))
    return;
  // The profile is borrowed from this copy of the preference's value.
  const GeData display = GetWorldPreferences().GetData(kPrefDisplayProfile);
  const GxaColorProfile* target = display.GetColorProfile();
  const GxaColorProfile* source = SourceProfileForMode(profileMode);
  if (!target || !source)
    return;
  conversion.Reset(color->conversion_create(source, target, GXA_PIXEL_RGBF));
  ready = conversion.Get() != nullptr;
}

void ConvertForDisplay(const ColorDisplayConversion& conversion, bool ready, Vector& rgb)
{
  const GxaColorFns* color = HostColor();
  if (!ready || !conversion.Get() || !GXA_HAS(color, convert))
    return;
  float pixel[3] = {static_cast<float>(rgb.x), static_cast<float>(rgb.y), static_cast<float>(rgb.z)};
  color->convert(conversion.Get(), pixel, 1);
  rgb = Vector(pixel[0], pixel[1], pixel[2]).Clamp01();
}

void AttachDisplayProfile(GxaBitmap* bitmap, std::int32_t profileMode, std::int32_t& flags)
{
  const GxaBitmapFns* bitmaps = HostBitmaps();
  if (!bitmap || !GXA_HAS(bitmaps, set_profile))
    return;
  const bool paintTexture = !(profileMode & kProfileModeDocument) && (profileMode & kProfileModePaintTexture);
  if (paintTexture && !PaintTextureProfile())
  {
    bitmaps->set_profile(bitmap, StandardProfile(GXA_PROFILE_SRGB));
    return;
  }
  flags |= kBitmapFlagColorProfile;
  bitmaps->set_profile(bitmap, SourceProfileForMode(profileMode));
}
