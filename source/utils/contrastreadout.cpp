#include "utils/contrastreadout.h"

#include "colorscience/apcacontrast.h"
#include "colorscience/cssnames.h"
#include "moduleresource.h"
#include "utils/colortooltip.h"
#include "utils/perceptualtools.h"

namespace
{
constexpr std::int32_t kStringName = 20150;
constexpr std::int32_t kStringContrast = 20151;
constexpr std::int32_t kStringLargeText = 20152;
constexpr std::int32_t kStringApca = 20153;

String Mark(const char* level, bool passed)
{
  return String::Format("@ @", level, passed ? "\u2713" : "\u2717");
}
}  // namespace

ContrastReadout::ContrastReadout(const Vector& text, const Vector& background)
{
  const colorscience::SrgbColor a = PerceptualTools::ToSrgb(text.Clamp01());
  const colorscience::SrgbColor b = PerceptualTools::ToSrgb(background.Clamp01());
  _ratio = colorscience::WcagContrast::Ratio(a, b);
  _lc = colorscience::ApcaContrast::Lc(a, b);
  _verdict = colorscience::WcagContrast::Judge(_ratio);
}

String ContrastReadout::NormalText() const
{
  // Two decimals never round a failing ratio up to a passing one's text:
  // 4.499 shows as 4.49.
  const double shown = static_cast<double>(static_cast<std::int64_t>(_ratio * 100.0)) / 100.0;
  return String::Format("@{.2f}:1 \u00b7 @ @", shown, Mark("AA", _verdict.aa), Mark("AAA", _verdict.aaa));
}

String ContrastReadout::LargeText() const
{
  return String::Format("@ @", Mark("AA", _verdict.aaLarge), Mark("AAA", _verdict.aaaLarge));
}

String ContrastReadout::Lightness() const
{
  return String::Format("Lc @{.1f}", _lc);
}

String ContrastReadout::TooltipLines() const
{
  return ColorTooltipLine(ModuleResource::LoadString(kStringContrast), NormalText()) + "\n" +
         ColorTooltipLine(ModuleResource::LoadString(kStringLargeText), LargeText()).GetStd() + "\n" +
         ColorTooltipLine(ModuleResource::LoadString(kStringApca), Lightness()).GetStd();
}

String ContrastReadout::FirstLine() const
{
  return String::Format("@ @", ModuleResource::LoadString(kStringContrast), NormalText());
}

String ContrastReadout::SecondLine() const
{
  return String::Format("@ @ \u00b7 @ @", ModuleResource::LoadString(kStringLargeText), LargeText(),
                        ModuleResource::LoadString(kStringApca), Lightness());
}

String ContrastReadout::NameLine(const Vector& rgb)
{
  const std::string name = colorscience::CssNames::Nearest(PerceptualTools::ToSrgb(rgb.Clamp01()));
  return ColorTooltipLine(ModuleResource::LoadString(kStringName), String(name));
}
