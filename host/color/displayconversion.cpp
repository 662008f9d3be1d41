#include "color/displayconversion.h"

#include <lcms2.h>

#include <cstring>

#include "color/matrixshaperpath.h"
#include "color/transformcache.h"

namespace host
{

DisplayConversion::DisplayConversion(ColorProfile source, ColorProfile display, std::shared_ptr<void> floatTransform)
    : source_(std::move(source)), display_(std::move(display)), float_(std::move(floatTransform))
{
  identity_ = source_ == display_;
}

std::optional<DisplayConversion> DisplayConversion::Create(const ColorProfile& source, const ColorProfile& display,
                                                           std::string& error)
{
  if (!source.IsValid() || !display.IsValid())
  {
    error = "colour conversion needs a source and a display profile";
    return std::nullopt;
  }
  if (source == display)
    return DisplayConversion(source, display, nullptr);
  auto transform = TransformCache::Shared().Get(source, display, TYPE_RGB_FLT, TYPE_RGB_FLT, 0);
  if (!transform)
  {
    error = "cannot convert colours from '" + source.Description() + "' to '" + display.Description() + "'";
    return std::nullopt;
  }
  return DisplayConversion(source, display, std::move(transform));
}

void DisplayConversion::ConvertFloat(float* rgb, size_t count) const
{
  if (identity_ || count == 0)
    return;
  cmsDoTransform(float_.get(), rgb, rgb, static_cast<cmsUInt32Number>(count));
}

void DisplayConversion::PrepareEightBit() const
{
  if (eightBitReady_)
    return;
  eightBitReady_ = true;
  matrixShaper_ = TransformCache::Shared().GetMatrixShaper(source_, display_);
  if (!matrixShaper_)
    rgb8_ = TransformCache::Shared().Get(source_, display_, TYPE_RGB_8, TYPE_RGB_8, 0);
}

bool DisplayConversion::PassUnchanged(const uint8_t* in, uint8_t* out, size_t bytes) const
{
  if (!identity_)
  {
    PrepareEightBit();
    if (matrixShaper_ || rgb8_)
      return false;
  }
  // Same profile (or, unexpectedly, nothing that converts): the pixels pass as they are.
  if (in != out)
    std::memmove(out, in, bytes);
  return true;
}

void DisplayConversion::ConvertRgb8(const uint8_t* in, uint8_t* out, size_t count) const
{
  if (PassUnchanged(in, out, count * 3))
    return;
  if (matrixShaper_)
    matrixShaper_->Convert(in, out, count, 3);
  else
    cmsDoTransform(rgb8_.get(), in, out, static_cast<cmsUInt32Number>(count));
}

void DisplayConversion::ConvertRgba8(const uint8_t* in, uint8_t* out, size_t count) const
{
  if (PassUnchanged(in, out, count * 4))
    return;
  if (matrixShaper_)
    return matrixShaper_->Convert(in, out, count, 4);

  // LittleCMS unpacks RGBA through its general formatter at about twice the
  // cost of RGB; packing short runs into RGB and back is cheaper.
  constexpr size_t kRun = 1024;
  uint8_t rgb[kRun * 3];
  for (size_t done = 0; done < count; done += kRun)
  {
    const size_t n = count - done < kRun ? count - done : kRun;
    const uint8_t* src = in + done * 4;
    uint8_t* dst = out + done * 4;
    for (size_t i = 0; i < n; ++i)
      std::memcpy(rgb + i * 3, src + i * 4, 3);
    cmsDoTransform(rgb8_.get(), rgb, rgb, static_cast<cmsUInt32Number>(n));
    for (size_t i = 0; i < n; ++i)
    {
      dst[i * 4 + 3] = src[i * 4 + 3];
      std::memcpy(dst + i * 4, rgb + i * 3, 3);
    }
  }
}

}  // namespace host
