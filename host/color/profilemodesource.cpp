#include "color/profilemodesource.h"

#include <string>

#include "color/colorfamily.h"
#include "core/container.h"
#include "core/document.h"

namespace host
{

namespace
{

// Values of the document's colour-space setting.
constexpr int32_t kSpaceLinear = 1;
constexpr int32_t kSpaceByWorkflow = 2;

}  // namespace

const ColorProfile& ProfileModeSource::ForDocument(const Container* settings)
{
  if (!settings)
    return ColorProfile::Srgb();
  switch (settings->GetInt32(Document::kColorSpace))
  {
    case kSpaceLinear: return ColorProfile::LinearSrgb();
    case kSpaceByWorkflow:
      return settings->GetBool(Document::kLinearWorkflow) ? ColorProfile::LinearSrgb() : ColorProfile::Srgb();
    default: return ColorProfile::Srgb();
  }
}

const ColorProfile& ProfileModeSource::Of(int32_t mode, const Container* documentSettings)
{
  if (mode & kDocument)
    return ForDocument(documentSettings);
  if (mode & kPaintTexture)
  {
    if (const ColorProfile* texture = CurrentPaintTextureProfile())
      return *texture;
  }
  return ColorProfile::Srgb();
}

std::optional<DisplayConversion> ProfileModeSource::ToDisplay(int32_t mode, const Container* documentSettings,
                                                              const ColorProfile* display)
{
  if (!display || !display->IsValid())
    return std::nullopt;
  std::string error;
  return DisplayConversion::Create(Of(mode, documentSettings), *display, error);
}

}  // namespace host
