#pragma once
// Choosers with the perceptual colour tools preference on: the OKLCh
// panel's gadgets, turned on from the mode row as a user would, and OKLab
// figures of the colours they send, for comparison with published ones.
#include <cmath>
#include <string>

#include "chooserpagetest.h"
#include "colorscience/oklab.h"
#include "gui/colordialog.h"

namespace choosertest {
constexpr std::int32_t kPrefPerceptual = 1039500;
constexpr std::int32_t kOklchMode = 0x3E9000E;
constexpr std::int32_t kOklchLightness = 0x3F50001;
constexpr std::int32_t kOklchSecond = 0x3F50002;
constexpr std::int32_t kOklchThird = 0x3F50003;
constexpr std::int32_t kOklchLightnessSlider = 0x3F50004;
constexpr std::int32_t kOklchSecondSlider = 0x3F50005;
constexpr std::int32_t kOklchThirdSlider = 0x3F50006;
constexpr std::int32_t kOklchLabSwitch = 0x3F50007;
constexpr std::int32_t kOklchSecondLabel = 0x3F50008;
constexpr std::int32_t kOklchThirdLabel = 0x3F50009;
constexpr std::int32_t kOklchLabState = 0x3F5000A;
constexpr double kDegree = 3.141592653589793 / 180.0;

inline host::Container Perceptual(host::Container prefs, bool on = true) {
  prefs.SetBool(kPrefPerceptual, on);
  return prefs;
}

class PerceptualTest : public ChooserPageTest {
 protected:
  // A chooser of context kind 0 whose mode row switched the OKLCh panel on.
  void OpenOklch(const std::string& key, const host::Vector3& color, bool linear = false) {
    Open(key, Settings(0), Plain(color.x, color.y, color.z), linear);
    ClickModeButton(key, "OKLCh");
    Host().ClearParentMessages();
  }

  void Type(const std::string& key, std::int32_t id, const std::string& text) {
    Host().Input().Type(Gadget(key, id), text, host::InputDriver::Commit::Enter);
  }

  // The colour of the last action message key's chooser sent.
  host::Vector3 LastColor(const std::string& key) {
    const auto sent = Sent(key);
    const host::Value* value = sent.empty() ? nullptr : sent.back().Find(kMessageValue);
    if (!value || !value->AsVector()) {
      ADD_FAILURE() << key << " sent no colour";
      return {};
    }
    return *value->AsVector();
  }
};

inline colorscience::OkLchColor Lch(const host::Vector3& srgb) {
  return colorscience::OkLab::ToLch(colorscience::OkLab::FromSrgb({srgb.x, srgb.y, srgb.z}));
}

inline bool InGamut(const host::Vector3& c) {
  return c.x >= 0.0 && c.x <= 1.0 && c.y >= 0.0 && c.y <= 1.0 && c.z >= 0.0 && c.z <= 1.0;
}

// Hue, saturation and value (0..1 each) as RGB.
inline host::Vector3 HsvToRgb(const host::Vector3& hsv) {
  const auto rgb = host::ColorDialog::HsvToRgb(hsv.x, hsv.y, hsv.z);
  return {rgb[0], rgb[1], rgb[2]};
}

// Pixels of two pictures are the same.
inline bool SamePicture(const host::Bitmap& a, const host::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (!(At(a, x, y) == At(b, x, y))) return false;
    }
  }
  return true;
}

// The turn from one hue in degrees to another, -180 .. 180.
inline double HueTurn(double from, double to) {
  double d = std::fmod(to - from, 360.0);
  if (d > 180.0) d -= 360.0;
  if (d < -180.0) d += 360.0;
  return d;
}
}  // namespace choosertest
