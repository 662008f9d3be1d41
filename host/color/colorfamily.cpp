#include "color/colorfamily.h"

#include <cstring>
#include <new>
#include <string>

#include "color/colorspacetransform.h"
#include "color/displayconversion.h"
#include "color/numberformatter.h"

namespace host
{
namespace
{

std::shared_ptr<const ColorProfile>& PaintTextureSlot()
{
  static std::shared_ptr<const ColorProfile> profile;
  return profile;
}

bool Transform(int32_t code, const double in[3], double out[3])
{
  return in && out && TransformColorSpace(code, in, out);
}

const GxaColorProfile* StandardProfile(int32_t which)
{
  if (which == GXA_PROFILE_LINEAR)
    return ToHandle(&ColorProfile::LinearSrgb());
  return which == GXA_PROFILE_SRGB ? ToHandle(&ColorProfile::Srgb()) : nullptr;
}

const GxaColorProfile* PaintTextureProfile()
{
  return ToHandle(CurrentPaintTextureProfile());
}

GxaColorConversion* ConversionCreate(const GxaColorProfile* src, const GxaColorProfile* dst, int32_t pixelFormat)
{
  if (!src || !dst || pixelFormat != GXA_PIXEL_RGBF)
    return nullptr;
  std::string error;
  auto conversion = DisplayConversion::Create(*FromHandle(src), *FromHandle(dst), error);
  if (!conversion)
    return nullptr;
  return reinterpret_cast<GxaColorConversion*>(new (std::nothrow) DisplayConversion(std::move(*conversion)));
}

void ConversionDestroy(GxaColorConversion* conversion)
{
  delete reinterpret_cast<DisplayConversion*>(conversion);
}

void Convert(const GxaColorConversion* conversion, float* rgb, int32_t count)
{
  if (conversion && rgb && count > 0)
    reinterpret_cast<const DisplayConversion*>(conversion)->ConvertFloat(rgb, static_cast<size_t>(count));
}

int64_t FormatNumber(double value, int32_t unit, char* buf, size_t cap)
{
  const std::string text = NumberFormatter::Format(value, static_cast<uint32_t>(unit));
  if (buf && cap > 0)
  {
    const size_t n = text.size() < cap - 1 ? text.size() : cap - 1;
    std::memcpy(buf, text.data(), n);
    buf[n] = '\0';
  }
  return static_cast<int64_t>(text.size());
}

const GxaColorFns kColor = {
    sizeof(GxaColorFns), Transform,         StandardProfile, PaintTextureProfile,
    ConversionCreate,    ConversionDestroy, Convert,         FormatNumber,
};

}  // namespace

const GxaColorFns* ColorFamily()
{
  return &kColor;
}

void SetPaintTextureProfile(std::shared_ptr<const ColorProfile> profile)
{
  PaintTextureSlot() = std::move(profile);
}

const ColorProfile* CurrentPaintTextureProfile()
{
  return PaintTextureSlot().get();
}

}  // namespace host
