#include "utils/colorvisionview.h"

#include <algorithm>

#include "chooserids.h"
#include "colorscience/confusablecolors.h"
#include "colorscience/wcagcontrast.h"
#include "utils/perceptualtools.h"

using colorscience::ColorDeficiency;

namespace
{
// A mark this size, at the least, shows on the smallest cells.
constexpr std::int32_t kMinimumMark = 4;
// Above this luminance a black mark stands out better than a white one.
constexpr double kDarkMarkLuminance = 0.18;
}  // namespace

ColorVisionView ColorVisionView::Of(const BaseContainer& state)
{
  ColorVisionView view;
  if (PerceptualTools::IsOn())
    view._vision = colorscience::ColorVision(StoredKind(state), StoredSeverity(state));
  return view;
}

void ColorVisionView::Store(BaseContainer& state, ColorDeficiency kind, double severity)
{
  state.SetInt32(chooser::kStateVisionKind, static_cast<std::int32_t>(kind));
  state.SetFloat(chooser::kStateVisionSeverity, std::clamp(severity, 0.0, 1.0));
}

ColorDeficiency ColorVisionView::StoredKind(const BaseContainer& state)
{
  const std::int32_t kind = state.GetInt32(chooser::kStateVisionKind, 0);
  if (kind < static_cast<std::int32_t>(ColorDeficiency::kNone) ||
      kind > static_cast<std::int32_t>(ColorDeficiency::kTritan))
    return ColorDeficiency::kNone;
  return static_cast<ColorDeficiency>(kind);
}

double ColorVisionView::StoredSeverity(const BaseContainer& state)
{
  return std::clamp(state.GetFloat(chooser::kStateVisionSeverity, 1.0), 0.0, 1.0);
}

Vector ColorVisionView::Show(const Vector& rgb) const
{
  if (!IsOn())
    return rgb;
  return PerceptualTools::FromSrgb(_vision.See(PerceptualTools::ToSrgb(rgb.Clamp01())));
}

std::vector<bool> ColorVisionView::LookAlike(const std::vector<Vector>& colors) const
{
  if (!IsOn())
    return std::vector<bool>(colors.size(), false);
  std::vector<colorscience::SrgbColor> srgb;
  srgb.reserve(colors.size());
  for (const Vector& c : colors)
    srgb.push_back(PerceptualTools::ToSrgb(c.Clamp01()));
  return colorscience::ConfusableColors::Find(srgb, _vision);
}

void ColorVisionView::DrawMark(GeUserArea& area, std::int32_t x, std::int32_t y, std::int32_t size, const Vector& shown)
{
  const double luminance = colorscience::WcagContrast::RelativeLuminance(PerceptualTools::ToSrgb(shown));
  area.DrawSetPen(luminance > kDarkMarkLuminance ? Vector(0.0, 0.0, 0.0) : Vector(1.0, 1.0, 1.0));
  const std::int32_t mark = std::max(kMinimumMark, size / 3);
  const std::int32_t right = x + size - 1;
  // Rows shrinking from the full width at the top to one pixel.
  for (std::int32_t row = 0; row < mark; ++row)
    area.DrawLine(right - (mark - 1 - row), y + row, right, y + row);
}
