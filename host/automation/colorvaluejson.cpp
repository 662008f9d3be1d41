#include "automation/colorvaluejson.h"

#include "automation/jsonfields.h"

namespace host {

namespace {

using R = Outcome<ColorValue>;

}  // namespace

Outcome<Vector3> ColorValueJson::Rgb(const OrderedJson& j) {
  if (!j.is_array() || j.size() != 3) return Outcome<Vector3>::Fail("a colour is [r, g, b]");
  for (const auto& n : j) {
    if (!n.is_number()) return Outcome<Vector3>::Fail("a colour's components are numbers");
  }
  return Vector3{j[0].get<double>(), j[1].get<double>(), j[2].get<double>()};
}

Outcome<ColorValue> ColorValueJson::Parse(const OrderedJson& j, ColorForm form) {
  ColorValue v;
  v.form = form;
  if (form == ColorForm::Brightness && j.is_object()) {
    JsonFields f(j);
    const OrderedJson* color = f.Require("color");
    if (auto b = f.Number("brightness")) v.brightness = *b;
    if (auto m = f.Number("max")) v.maximum = *m;
    if (!f.Finish()) return R::Fail("colour with brightness: " + f.Error());
    auto rgb = Rgb(*color);
    if (!rgb) return R::Fail(rgb.Error());
    v.color = *rgb;
    return v;
  }
  OrderedJson rgbPart = j;
  if (form == ColorForm::ColorAlpha && j.is_array() && j.size() == 4) {
    if (!j[3].is_number()) return R::Fail("alpha is a number");
    v.alpha = j[3].get<double>();
    rgbPart.erase(3);
  }
  if (rgbPart.is_array() && rgbPart.size() == 4) {
    return R::Fail("[r, g, b, a] needs a parameter with alpha ('acol' 1)");
  }
  auto rgb = Rgb(rgbPart);
  if (!rgb)
    return R::Fail(form == ColorForm::Brightness ? "a colour with brightness is [r, g, b] or "
                                                   "{\"color\": [r, g, b], \"brightness\": b, \"max\": m}"
                                                 : rgb.Error());
  v.color = *rgb;
  return v;
}

OrderedJson ColorValueJson::Write(const ColorValue& v) {
  const OrderedJson rgb = OrderedJson::array({v.color.x, v.color.y, v.color.z});
  switch (v.form) {
    case ColorForm::Vector: return rgb;
    case ColorForm::ColorAlpha: return OrderedJson::array({v.color.x, v.color.y, v.color.z, v.alpha});
    case ColorForm::Brightness: return {{"color", rgb}, {"brightness", v.brightness}, {"max", v.maximum}};
  }
  return nullptr;
}

}  // namespace host
