#include "page/choosercolortext.h"

#include "color/colorspacetransform.h"
#include "page/attributepage.h"

namespace host {

namespace {

constexpr int32_t kStateLinearContext = 0x3E8000E;
constexpr int32_t kStateLinearDisplay = 0x3E9000D;

std::array<double, 3> Transformed(int32_t code, const std::array<double, 3>& in) {
  std::array<double, 3> out = in;
  if (!TransformColorSpace(code, in.data(), out.data())) return in;
  return out;
}

}  // namespace

bool ChooserColorText::ConvertsLinear() const {
  const std::optional<Container> state = page_.ChooserState(parameter_);
  return state && state->GetBool(kStateLinearContext, false) && state->GetBool(kStateLinearDisplay, false);
}

std::optional<TextColor> ChooserColorText::Shown() const {
  if (!page_.ChooserState(parameter_)) return std::nullopt;
  const ColorValue shown = parameter_.Shown();
  std::array<double, 3> rgb{shown.color.x, shown.color.y, shown.color.z};
  if (ConvertsLinear()) rgb = Transformed(kTransformToSrgb, rgb);
  TextColor color{rgb, std::nullopt};
  if (parameter_.Form() == ColorForm::ColorAlpha) color.alpha = shown.alpha;
  return color;
}

void ChooserColorText::Paste(const TextColor& color) {
  ColorValue value = parameter_.Shown();
  const std::array<double, 3> rgb = ConvertsLinear() ? Transformed(kTransformToLinear, color.rgb) : color.rgb;
  value.color = {rgb[0], rgb[1], rgb[2]};
  if (color.alpha) value.alpha = *color.alpha;
  std::vector<EditedObject> objects;
  for (bool linear : parameter_.LinearMarks()) objects.push_back({value, linear});
  page_.SetValues(parameter_, objects);
}

}  // namespace host
