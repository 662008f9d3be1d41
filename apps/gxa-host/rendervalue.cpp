#include "rendervalue.h"

#include <charconv>
#include <vector>

namespace host::cli {

Outcome<std::vector<double>> RenderValue::Numbers(const std::string& text, const char* option) {
  std::vector<double> out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    double v = 0;
    auto [ptr, ec] = std::from_chars(text.data() + start, text.data() + end, v);
    if (ec != std::errc() || ptr != text.data() + end || end == start) {
      return Outcome<std::vector<double>>::Fail(std::string(option) + " expects numbers separated by commas, not '" +
                                                text + "'");
    }
    out.push_back(v);
    start = end + 1;
  }
  return out;
}

Outcome<ColorValue> RenderValue::Read(ColorForm form, const std::optional<std::string>& value,
                                      const std::optional<std::string>& brightness) {
  using R = Outcome<ColorValue>;
  ColorValue v{form, {0.8, 0.32, 0.12}};
  if (value) {
    auto n = Numbers(*value, "--value");
    if (!n) return R::Fail(n.Error());
    if (n->size() != 3 && n->size() != 4) return R::Fail("--value is r,g,b or r,g,b,a");
    if (n->size() == 4 && form != ColorForm::ColorAlpha) {
      return R::Fail("--value r,g,b,a needs a chooser with alpha (--settings acol=1)");
    }
    v.color = {(*n)[0], (*n)[1], (*n)[2]};
    if (n->size() == 4) v.alpha = (*n)[3];
  }
  if (brightness) {
    if (form != ColorForm::Brightness)
      return R::Fail("--brightness needs a chooser of context kind 2 (--settings retT=2)");
    auto n = Numbers(*brightness, "--brightness");
    if (!n) return R::Fail(n.Error());
    if (n->size() > 2) return R::Fail("--brightness is B or B,MAX");
    v.brightness = (*n)[0];
    v.maximum = n->size() == 2 ? (*n)[1] : std::max(1.0, v.brightness);
  }
  return v;
}

}  // namespace host::cli
