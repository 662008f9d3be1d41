#include "page/colorvalue.h"

#include "core/container.h"

namespace host {

Value ColorValue::ToHost() const {
  switch (form) {
    case ColorForm::Vector: return Value::Vector(color);
    case ColorForm::ColorAlpha: return Value::Color({color.x, color.y, color.z, alpha});
    case ColorForm::Brightness: {
      Container c;
      c.SetVector(kColorEntry, color);
      c.SetFloat(kBrightnessEntry, brightness);
      c.SetFloat(kMaximumEntry, maximum);
      return Value::Of(std::move(c));
    }
  }
  return {};
}

Value ColorValue::ChooserValue() const {
  if (form == ColorForm::ColorAlpha) return ToHost();
  return Value::Vector(color);
}

std::optional<ColorValue> ColorValue::FromHost(const Value& v, ColorForm form, double fallbackMaximum) {
  ColorValue out;
  out.form = form;
  out.maximum = fallbackMaximum;
  switch (form) {
    case ColorForm::Vector: {
      auto c = v.AsVector();
      if (!c) return std::nullopt;
      out.color = *c;
      return out;
    }
    case ColorForm::ColorAlpha: {
      auto c = v.AsColor();
      if (!c) return std::nullopt;
      out.color = {c->r, c->g, c->b};
      out.alpha = c->a;
      return out;
    }
    case ColorForm::Brightness: {
      const Container* c = v.AsContainer();
      auto color = c ? c->GetVector(kColorEntry) : std::nullopt;
      if (!color) return std::nullopt;
      out.color = *color;
      out.brightness = c->GetFloat(kBrightnessEntry, 1.0);
      out.maximum = c->GetFloat(kMaximumEntry, fallbackMaximum);
      return out;
    }
  }
  return std::nullopt;
}

const char* FormName(ColorForm form) {
  switch (form) {
    case ColorForm::Vector: return "vector";
    case ColorForm::ColorAlpha: return "color_alpha";
    case ColorForm::Brightness: return "color_brightness";
  }
  return "?";
}

}  // namespace host
