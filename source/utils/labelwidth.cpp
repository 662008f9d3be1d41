#include "utils/labelwidth.h"

#include <algorithm>
#include <array>

#include "geclipmap.h"
#include "moduleresource.h"

namespace
{
// R, G, B, H, S, V, alpha and hex row labels.
constexpr std::array<std::int32_t, 8> kLabelStrings = {20015, 20016, 20017, 20022, 20023, 20024, 20102, 20018};

std::int32_t& Pixels()
{
  static std::int32_t pixels = 0;
  return pixels;
}
}  // namespace

void LabelWidth::Compute()
{
  if (Pixels() > 0)
    return;
  GeClipMap canvas;
  if (canvas.Init(1, 1, 32).IsError())
    return;
  std::int32_t widest = 0;
  for (const std::int32_t id : kLabelStrings)
    widest = std::max(widest, canvas.TextWidth(ModuleResource::LoadString(id)));
  Pixels() = widest;
}

std::int32_t LabelWidth::GetPixels()
{
  return Pixels();
}

std::int32_t LabelWidth::GetHint()
{
  return Pixels() << 14;
}
