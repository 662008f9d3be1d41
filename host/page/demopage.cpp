#include "page/demopage.h"

#include "core/fourcc.h"

namespace host {

namespace {

ParameterSpec Make(const char* key, const char* label, int32_t kind, ColorValue value) {
  ParameterSpec spec;
  spec.key = key;
  spec.label = label;
  spec.settings.SetInt32(FourCC("retT"), kind);
  spec.ShowExpanded();
  spec.objects.push_back({value, false});
  return spec;
}

}  // namespace

std::vector<ParameterSpec> DemoPage::Parameters() {
  std::vector<ParameterSpec> out;
  out.push_back(Make("color", "Color", 0, {ColorForm::Vector, {0.80, 0.32, 0.12}}));

  ParameterSpec alpha = Make("tint", "Tint with alpha", 0, {ColorForm::ColorAlpha, {0.20, 0.55, 0.85}, 0.6});
  alpha.settings.SetInt32(FourCC("acol"), 1);
  out.push_back(std::move(alpha));

  out.push_back(Make("light", "Light color", 2, {ColorForm::Brightness, {1.0, 0.86, 0.62}, 1.0, 1.5, 2.0}));

  ParameterSpec field = Make("swatch", "Compact field", 1, {ColorForm::Vector, {0.35, 0.70, 0.30}});
  field.settings.SetInt32(FourCC("posw"), 120);
  field.settings.SetInt32(FourCC("posh"), 20);
  out.push_back(std::move(field));
  return out;
}

}  // namespace host
