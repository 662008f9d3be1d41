#include "gui/colordialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "color/numberformatter.h"
#include "color/profilemodesource.h"
#include "core/host.h"
#include "gui/button.h"
#include "gui/channelslider.h"
#include "gui/colorswatch.h"
#include "gui/dialog.h"
#include "gui/edittext.h"
#include "gui/numberfield.h"
#include "gui/separator.h"
#include "gui/statictext.h"

namespace host {

namespace {

constexpr double kTwoPi = 6.283185307179586;

host::Rgba ToRgba(double r, double g, double b, double a = 1.0) {
  auto c = [](double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
  return {c(r), c(g), c(b), c(a)};
}

std::optional<DisplayConversion> ChooserDisplay(int32_t profileMode) {
  Host* host = Host::Current();
  if (!host) return std::nullopt;
  const Value* pref = host->Prefs().Data().Find(WorldPreferences::kDisplayProfile);
  const Value::ProfilePtr* display = pref ? pref->AsProfile() : nullptr;
  const Document* doc = host->ActiveDocument();
  return ProfileModeSource::ToDisplay(profileMode, doc ? &doc->Settings() : nullptr,
                                      display ? display->get() : nullptr);
}

}  // namespace

ColorDialog::ColorDialog(std::array<double, 4> rgba, bool withAlpha, int32_t profileMode)
    : original_(rgba),
      rgba_(rgba),
      hsv_(RgbToHsv(rgba[0], rgba[1], rgba[2])),
      withAlpha_(withAlpha),
      display_(ChooserDisplay(profileMode)) {
  if (!withAlpha_) original_[3] = rgba_[3] = 1.0;
}

std::array<double, 4> ColorDialog::Displayed(std::array<double, 4> rgba) const {
  if (!display_ || display_->IsIdentity()) return rgba;
  float rgb[3] = {float(rgba[0]), float(rgba[1]), float(rgba[2])};
  display_->ConvertFloat(rgb, 1);
  return {rgb[0], rgb[1], rgb[2], rgba[3]};
}

std::array<double, 3> ColorDialog::RgbToHsv(double r, double g, double b) {
  const double mx = std::max({r, g, b}), mn = std::min({r, g, b}), d = mx - mn;
  double h = 0.0;
  if (d > 0.0) {
    if (mx == r) h = std::fmod((g - b) / d + 6.0, 6.0);
    else if (mx == g) h = (b - r) / d + 2.0;
    else h = (r - g) / d + 4.0;
    h /= 6.0;
  }
  return {h, mx > 0.0 ? d / mx : 0.0, mx};
}

std::array<double, 3> ColorDialog::HsvToRgb(double h, double s, double v) {
  const double hh = std::fmod(std::fmod(h, 1.0) + 1.0, 1.0) * 6.0;
  const int i = int(hh) % 6;
  const double f = hh - std::floor(hh), p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  switch (i) {
    case 0: return {v, t, p};
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    default: return {v, p, q};
  }
}

std::string ColorDialog::ToHex(const std::array<double, 4>& rgba) {
  const host::Rgba c = ToRgba(rgba[0], rgba[1], rgba[2]);
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
  return buf;
}

bool ColorDialog::FromHex(const std::string& text, std::array<double, 4>& rgba) {
  const size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
  std::string s = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
  if (!s.empty() && s[0] == '#') s.erase(0, 1);
  if (s.size() == 3) s = {s[0], s[0], s[1], s[1], s[2], s[2]};
  if (s.size() != 6 || s.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
  for (int i = 0; i < 3; ++i) rgba[size_t(i)] = std::stoi(s.substr(size_t(i) * 2, 2), nullptr, 16) / 255.0;
  return true;
}

void ColorDialog::AddRow(Dialog& d, const char* label, int32_t slider, int32_t field, int channel) {
  DialogBuilder& b = d.Builder();
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_LEFT, label, 0)).SetHints(GXA_SIZE_PIXELS(14), 0);
  auto gradient = [this, channel](double t) {
    std::array<double, 4> c = rgba_;
    c[3] = 1.0;
    if (channel < 4) {
      c[size_t(channel)] = t;
    } else {
      std::array<double, 3> hsv = hsv_;
      hsv[size_t(channel - 4)] = t;
      const auto rgb = HsvToRgb(hsv[0], hsv[1], hsv[2]);
      c = {rgb[0], rgb[1], rgb[2], 1.0};
    }
    c = Displayed(c);
    return ToRgba(c[0], c[1], c[2], c[3]);
  };
  b.Add(std::make_unique<ChannelSlider>(slider, GXA_ALIGN_H_SCALEFIT, gradient, channel == 3));
  b.Add(std::make_unique<NumberField>(field, GXA_ALIGN_LEFT, true)).SetHints(60, 0);
}

bool ColorDialog::CreateLayout(Dialog& d) {
  DialogBuilder& b = d.Builder();
  Group& top = b.Begin(std::make_unique<Group>(0, GXA_ALIGN_H_SCALEFIT, 0, 1));
  top.SetSpacing(10, 0);
  b.Add(std::make_unique<ColorSwatch>(kPreview, GXA_ALIGN_LEFT, Displayed(original_)));
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_RIGHT, "Hex", 0));
  b.Add(std::make_unique<EditText>(kHex, GXA_ALIGN_LEFT)).SetHints(90, 0);
  b.End();
  b.Add(std::make_unique<Separator>(GXA_ALIGN_H_FIT, true));
  Group& rgb = b.Begin(std::make_unique<Group>(0, GXA_ALIGN_H_SCALEFIT, 3, 0));
  rgb.SetSpacing(8, 3);
  AddRow(d, "R", kRedSlider, kRed, 0);
  AddRow(d, "G", kGreenSlider, kGreen, 1);
  AddRow(d, "B", kBlueSlider, kBlue, 2);
  if (withAlpha_) AddRow(d, "A", kAlphaSlider, kAlpha, 3);
  b.Add(std::make_unique<Separator>(GXA_ALIGN_H_FIT, true));
  b.Add(std::make_unique<Separator>(GXA_ALIGN_H_FIT, true));
  b.Add(std::make_unique<Separator>(GXA_ALIGN_H_FIT, true));
  AddRow(d, "H", kHueSlider, kHue, 4);
  AddRow(d, "S", kSatSlider, kSat, 5);
  AddRow(d, "V", kValSlider, kVal, 6);
  b.End();
  Group& buttons = b.Begin(std::make_unique<Group>(0, GXA_ALIGN_RIGHT | GXA_ALIGN_BOTTOM, 0, 1));
  buttons.SetBorderSpace({0, 8, 0, 0});
  b.Add(std::make_unique<Button>(kOk, GXA_ALIGN_RIGHT, "OK"));
  b.Add(std::make_unique<Button>(kCancel, GXA_ALIGN_RIGHT, "Cancel"));
  b.End();
  return true;
}

bool ColorDialog::InitValues(Dialog& d) {
  Refresh(d);
  return true;
}

void ColorDialog::SetRgb(double r, double g, double b) {
  rgba_[0] = r, rgba_[1] = g, rgba_[2] = b;
  const auto hsv = RgbToHsv(r, g, b);
  // Greys and black keep the hue (and saturation) the user had.
  if (hsv[2] > 0.0) {
    if (hsv[1] > 0.0) hsv_[0] = hsv[0];
    hsv_[1] = hsv[1];
  }
  hsv_[2] = hsv[2];
}

void ColorDialog::SetHsv(double h, double s, double v) {
  hsv_ = {h, s, v};
  const auto rgb = HsvToRgb(h, s, v);
  rgba_[0] = rgb[0], rgba_[1] = rgb[1], rgba_[2] = rgb[2];
}

void ColorDialog::Refresh(Dialog& d) {
  auto number = [&](int32_t id, double value, double max, double step, int32_t unit, bool integer) {
    if (Widget* w = d.Find(id)) {
      NumberSetting s;
      s.value = value, s.min = 0.0, s.max = max, s.step = step, s.unit = unit, s.integer = integer;
      w->SetNumber(s);
    }
  };
  auto slider = [&](int32_t id, double t) {
    if (auto* s = dynamic_cast<ChannelSlider*>(d.Find(id))) {
      s->SetValue(t);
      s->Invalidate();
    }
  };
  const int32_t intUnit = int32_t(NumberFormatter::kInteger);
  for (int i = 0; i < (withAlpha_ ? 4 : 3); ++i) {
    number(kRed + 10 * i, std::round(rgba_[size_t(i)] * 255.0), 255.0, 1.0, intUnit, true);
    slider(kRedSlider + 10 * i, rgba_[size_t(i)]);
  }
  number(kHue, hsv_[0] * kTwoPi, kTwoPi, kTwoPi / 360.0, int32_t(NumberFormatter::kDegree), false);
  number(kSat, hsv_[1], 1.0, 0.01, int32_t(NumberFormatter::kPercent), false);
  number(kVal, hsv_[2], 1.0, 0.01, int32_t(NumberFormatter::kPercent), false);
  for (int i = 0; i < 3; ++i) slider(kHueSlider + 10 * i, hsv_[size_t(i)]);
  if (Widget* w = d.Find(kHex)) w->SetText(ToHex(rgba_));
  if (auto* p = dynamic_cast<ColorSwatch*>(d.Find(kPreview))) p->SetColor(Displayed(rgba_));
}

bool ColorDialog::Apply(Dialog& d, int32_t id, double v) {
  const int channel = (id - kRedSlider) / 10;
  const bool isSlider = (id % 10) == 0;
  if (channel >= 0 && channel < 4) {
    const double c = std::clamp(isSlider ? v : v / 255.0, 0.0, 1.0);
    if (channel == 3) rgba_[3] = c;
    else {
      std::array<double, 3> rgb{rgba_[0], rgba_[1], rgba_[2]};
      rgb[size_t(channel)] = c;
      SetRgb(rgb[0], rgb[1], rgb[2]);
    }
  } else if (channel >= 4 && channel < 7) {
    std::array<double, 3> hsv = hsv_;
    hsv[size_t(channel - 4)] = std::clamp(isSlider || channel > 4 ? v : v / kTwoPi, 0.0, 1.0);
    SetHsv(hsv[0], hsv[1], hsv[2]);
  } else {
    return false;
  }
  Refresh(d);
  return true;
}

bool ColorDialog::Command(Dialog& d, int32_t id, const Container& msg) {
  if (id == kOk || id == kCancel) {
    confirmed_ = id == kOk;
    d.Close();
    return true;
  }
  if (id == kHex) {
    std::array<double, 4> c = rgba_;
    if (FromHex(msg.GetString(GXA_MSG_VALUE).value_or(""), c)) SetRgb(c[0], c[1], c[2]);
    Refresh(d);
    return true;
  }
  return Apply(d, id, msg.GetFloat(GXA_MSG_VALUE, 0.0));
}

}  // namespace host
