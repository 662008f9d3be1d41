#pragma once
// Choosers on the host's page with the perceptual colour tools preference
// on, off or missing from the world preferences, and what a colour looks
// like to a dichromat or an anomalous trichromat worked out here from the
// published matrices, apart from the module's own code.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "chooserpagetest.h"
#include "core/host.h"
#include "core/worldpreferences.h"
#include "gui/answer.h"

namespace perceptualtest {
using namespace choosertest;

constexpr std::int32_t kPrefPerceptual = 1039500;
constexpr std::int32_t kVisionMenu = 900100;
constexpr std::int32_t kNormalVision = 900110;
constexpr std::int32_t kProtanopia = 900111;
constexpr std::int32_t kDeuteranopia = 900112;
constexpr std::int32_t kTritanopia = 900113;
constexpr std::int32_t kFullSeverity = 900120;
constexpr std::int32_t kHalfSeverity = 900122;
constexpr std::int32_t kSwatchArea = 0x3F10005;
constexpr std::int32_t kContrastText = 0x3EF0006;
constexpr std::int32_t kLightnessText = 0x3EF0007;

enum class Tools { Missing, Off, On };

using Matrix = std::array<std::array<double, 3>, 3>;

inline Matrix Times(const Matrix& a, const Matrix& b) {
  Matrix p{};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      for (int k = 0; k < 3; ++k) p[r][c] += a[r][k] * b[k][c];
  return p;
}

// Vienot, Brettel and Mollon (1999): linear RGB to cones, the protanope's
// lost L from M and S, and back with their published inverse.
inline Matrix ProtanopeMatrix() {
  const Matrix toLms{{{17.8824, 43.5161, 4.11935}, {3.45565, 27.1554, 3.86714}, {0.0299566, 0.184309, 1.46709}}};
  const Matrix lost{{{0.0, 2.02344, -2.52581}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}};
  const Matrix fromLms{{{0.0809444479, -0.130504409, 0.116721066},
                        {-0.0102485335, 0.0540193266, -0.113614708},
                        {-0.000365296938, -0.00412161469, 0.693511405}}};
  return Times(fromLms, Times(lost, toLms));
}

// Machado, Oliveira and Fernandes (2009), deuteranomaly of severity 0.5.
inline Matrix HalfDeuteranomalyMatrix() {
  return {{{0.547494, 0.607765, -0.155259}, {0.181692, 0.781742, 0.036566}, {-0.010410, 0.027275, 0.983136}}};
}

inline double Linear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
inline double Encoded(double c) {
  c = std::clamp(c, 0.0, 1.0);
  return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}

// An sRGB colour through a matrix that works on linear light.
inline Pixel Seen(const Matrix& m, double r, double g, double b) {
  const double l[3] = {Linear(r), Linear(g), Linear(b)};
  double out[3];
  for (int i = 0; i < 3; ++i) out[i] = Encoded(m[i][0] * l[0] + m[i][1] * l[1] + m[i][2] * l[2]);
  return Of(out[0], out[1], out[2]);
}

class PerceptualTest : public ChooserPageTest {
 protected:
  void StartWith(Tools tools, host::Container prefs = Modes(), int scale = 1) {
    if (tools != Tools::Missing) prefs.SetBool(kPrefPerceptual, tools == Tools::On);
    Start(prefs, 0, scale);
    if (tools == Tools::Missing) Host().GetHost().Prefs().Data().Remove(kPrefPerceptual);
  }

  // Shows the gadget's context menu, answered with choice or dismissed,
  // and gives back what it showed.
  host::MenuModel MenuOf(const std::string& key, std::int32_t id, std::optional<std::int32_t> choice = std::nullopt,
                         std::optional<host::Point> at = std::nullopt) {
    Host().Answer(choice ? host::Answer::MenuChoice(*choice) : host::Answer::MenuDismiss());
    const size_t before = ui.menus.size();
    if (at) ClickAt(key, id, *at, 2);
    else Click(key, id, 2);
    EXPECT_EQ(ui.menus.size(), before + 1);
    return ui.menus.empty() ? host::MenuModel() : ui.menus.back().menu;
  }

  // Texts and IDs of a menu as one string, submenus included, to compare.
  static std::string Written(const host::MenuModel& menu) {
    std::string out;
    for (const host::MenuEntry& e : menu.Entries())
      out += std::to_string(e.id) + "=" + e.rawText +
             (e.submenu ? "{" + Written(host::MenuModel(e.children)) + "}" : "") + ";";
    return out;
  }
};
}  // namespace perceptualtest
