// Colour-vision views of the swatches, the wheel's colour strip and the
// wheel's handles through the host: the submenu that chooses them, pixels
// against the published matrices, marks on colours that look alike, and
// nothing of it without the perceptual colour tools.
#include <algorithm>
#include <cmath>
#include <vector>

#include "../swatchesmode/swatchesmodetest.h"
#include "colorscience/oklab.h"
#include "perceptualtest.h"
#include "wheelpagetest.h"

namespace perceptualtest {
namespace {
constexpr std::int32_t kCellsTop = 3;

bool SamePixels(const host::Bitmap& a, const host::Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (At(a, x, y) != At(b, x, y)) return false;
  return true;
}

host::Container SwatchesAndWheel() {
  host::Container prefs = Modes({kPrefSwatches});
  prefs.SetBool(swatchtest::kPrefNames, false);
  prefs.SetInt32(kPrefStartMode, 1);
  prefs.SetInt32(kPrefWheelSize, 1);
  return prefs;
}

class VisionViews : public PerceptualTest {
 protected:
  void StartViews(Tools tools) {
    StartWith(tools, SwatchesAndWheel());
    Open("a", Settings(0, kNoBrightness), Plain(1.0, 0.0, 0.0));
  }

  std::vector<swatchtest::Swatch> FirstGroup() {
    const swatchtest::Collections stored = swatchtest::StoredSwatches(Host());
    EXPECT_FALSE(stored[0].empty());
    return stored[0].empty() ? std::vector<swatchtest::Swatch>() : stored[0][0].swatches;
  }
  int Columns() { return std::max(1, (Gadget("a", kSwatchArea).Frame().w - 1) / 15); }
  host::Point Corner(int i) { return {1 + i % Columns() * 15, kCellsTop + i / Columns() * 15}; }

  // The menus of the three gadgets, as written.
  std::vector<std::string> Menus() {
    return {Written(MenuOf("a", kSwatchArea, std::nullopt, Corner(0))),
            Written(MenuOf("a", kWheelArea, std::nullopt, host::Point{107, 107})),
            Written(MenuOf("a", kWheelStrip, std::nullopt, host::Point{22, 7}))};
  }
};

TEST_F(VisionViews, SubmenuIsAddedAtTheEndOnlyWithTheTools) {
  std::vector<std::string> menus[3];
  for (const Tools tools : {Tools::Missing, Tools::Off, Tools::On}) {
    StartViews(tools);
    menus[static_cast<int>(tools)] = Menus();
    TearDown();
  }
  EXPECT_EQ(menus[0], menus[1]);
  const std::string submenu =
      "0=;900100=Color Vision{900110=Normal Vision&c&;900111=Protanopia;900112=Deuteranopia;"
      "900113=Tritanopia;0=;900120=Full Severity&d&&c&;900121=Severity 75%&d&;900122=Severity 50%&d&;"
      "900123=Severity 25%&d&;};";
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(menus[1][i].find(std::to_string(kVisionMenu)), std::string::npos) << menus[1][i];
    // A separator and the submenu after the stated entries.
    ASSERT_GE(menus[2][i].size(), submenu.size());
    EXPECT_EQ(menus[2][i].substr(menus[2][i].size() - submenu.size()), submenu) << menus[2][i];
  }
  // The swatches' and the strip's stated entries stay as they are (the
  // wheel's gains its perceptual scheme too).
  for (const size_t i : {0u, 2u}) EXPECT_EQ(menus[2][i].substr(0, menus[2][i].size() - submenu.size()), menus[1][i]);
}

TEST_F(VisionViews, ChosenViewIsCheckedInEveryMenuOfTheChooser) {
  StartViews(Tools::On);
  MenuOf("a", kWheelStrip, kDeuteranopia, host::Point{22, 7});
  MenuOf("a", kSwatchArea, kHalfSeverity, Corner(0));
  const host::MenuModel menu = MenuOf("a", kWheelArea, std::nullopt, host::Point{107, 107});
  EXPECT_TRUE(menu.Find(kDeuteranopia)->checked);
  EXPECT_FALSE(menu.Find(kNormalVision)->checked);
  EXPECT_TRUE(menu.Find(kHalfSeverity)->checked);
  EXPECT_FALSE(menu.Find(kHalfSeverity)->disabled);
  EXPECT_FALSE(menu.Find(kFullSeverity)->checked);
  // The submenu itself cannot be answered as a choice.
  MenuOf("a", kWheelArea, kVisionMenu, host::Point{107, 107});
  EXPECT_TRUE(menu.Find(kDeuteranopia)->checked);
}

TEST_F(VisionViews, SwatchesShowThePublishedSimulations) {
  StartViews(Tools::On);
  const std::vector<swatchtest::Swatch> swatches = FirstGroup();
  ASSERT_GE(swatches.size(), 8u);
  const auto expectCells = [&](const char* view, auto seen) {
    const host::Bitmap picture = Picture("a", kSwatchArea);
    for (size_t i = 0; i < swatches.size(); ++i) {
      const host::Point corner = Corner(int(i));
      const auto& c = swatches[i].rgba;
      // Left of the middle, clear of any mark.
      EXPECT_TRUE(Near(At(picture, corner.x + 4, corner.y + 9), seen(c[0], c[1], c[2]), 2)) << view << " swatch " << i;
    }
  };
  MenuOf("a", kSwatchArea, kProtanopia, Corner(0));
  expectCells("protanopia", [](double r, double g, double b) { return Seen(ProtanopeMatrix(), r, g, b); });
  MenuOf("a", kSwatchArea, kDeuteranopia, Corner(0));
  MenuOf("a", kSwatchArea, kHalfSeverity, Corner(0));
  expectCells("deuteranomaly 0.5",
              [](double r, double g, double b) { return Seen(HalfDeuteranomalyMatrix(), r, g, b); });
  MenuOf("a", kSwatchArea, kNormalVision, Corner(0));
  expectCells("normal", [](double r, double g, double b) { return Of(r, g, b); });
}

TEST_F(VisionViews, SwatchesThatLookAlikeInTheViewAreMarked) {
  StartViews(Tools::On);
  const std::vector<swatchtest::Swatch> swatches = FirstGroup();
  MenuOf("a", kSwatchArea, kProtanopia, Corner(0));
  // Which swatches of the group come within 0.04 of another as a protanope
  // sees them.
  std::vector<colorscience::OkLabColor> seen;
  for (const swatchtest::Swatch& s : swatches) {
    const Pixel p = Seen(ProtanopeMatrix(), s.rgba[0], s.rgba[1], s.rgba[2]);
    seen.push_back(colorscience::OkLab::FromSrgb({p.r / 255.0, p.g / 255.0, p.b / 255.0}));
  }
  std::vector<bool> alike(swatches.size(), false);
  for (size_t i = 0; i < seen.size(); ++i)
    for (size_t j = 0; j < seen.size(); ++j)
      if (i != j && colorscience::OkLab::DeltaE(seen[i], seen[j]) < 0.035) alike[i] = true;
  std::vector<bool> apart(swatches.size(), true);
  for (size_t i = 0; i < seen.size(); ++i)
    for (size_t j = 0; j < seen.size(); ++j)
      if (i != j && colorscience::OkLab::DeltaE(seen[i], seen[j]) < 0.045) apart[i] = false;
  ASSERT_NE(std::find(alike.begin(), alike.end(), true), alike.end()) << "the palette has no look-alikes";
  ASSERT_NE(std::find(apart.begin(), apart.end(), true), apart.end()) << "the palette is all look-alikes";

  const host::Bitmap picture = Picture("a", kSwatchArea);
  const Pixel black = Of(0, 0, 0), white = Of(1, 1, 1);
  for (size_t i = 0; i < swatches.size(); ++i) {
    // A transparent swatch shows a checkerboard, no flat colour to compare.
    if (swatches[i].rgba[3] < 1.0) continue;
    const host::Point corner = Corner(int(i));
    // Inside the mark at the top right of the cell, framed or not, and a
    // pixel away from it.
    const Pixel mark = At(picture, corner.x + 11, corner.y + 2);
    const Pixel cell = At(picture, corner.x + 4, corner.y + 9);
    if (alike[i]) {
      EXPECT_TRUE(mark == black || mark == white) << "swatch " << i;
    }
    if (apart[i]) {
      EXPECT_EQ(mark, cell) << "swatch " << i;
    }
  }
}

class WheelViews : public VisionViews {
 protected:
  static constexpr double kCentre = 107.0, kRadius = 101.0;
  static host::Point OnWheel(double hue, double saturation) {
    const double theta = 2.0 * 3.141592653589793 * hue - 3.141592653589793;
    return {static_cast<int>(std::lround(kCentre + kRadius * saturation * std::sin(theta))),
            static_cast<int>(std::lround(kCentre + kRadius * saturation * std::cos(theta)))};
  }
};

TEST_F(WheelViews, HandlesAndStripShowTheViewAndLookAlikesAreRinged) {
  StartViews(Tools::On);
  // A second red, close to the first.
  ClickAt("a", kWheelArea, OnWheel(0.985, 0.95), 1, 2);
  const host::Point main = OnWheel(0.0, 1.0);
  const host::Point ring{main.x - 8, main.y};
  const Pixel before = At(Picture("a", kWheelArea), ring.x, ring.y);

  MenuOf("a", kWheelArea, kProtanopia, host::Point{107, 107});
  const host::Bitmap wheel = Picture("a", kWheelArea);
  EXPECT_TRUE(Near(At(wheel, main.x, main.y), Seen(ProtanopeMatrix(), 1.0, 0.0, 0.0), 2));
  // The bare wheel stays as it was: a point inside it shows its own colour.
  EXPECT_TRUE(Near(At(wheel, 107, 30), At(Picture("a", kWheelArea), 107, 30), 0));
  // Both reds look alike: the main handle gets a ring in its outline grey.
  EXPECT_NE(At(wheel, ring.x, ring.y), before);
  EXPECT_TRUE(Near(At(wheel, ring.x, ring.y), Of(0, 0, 0), 40));
  // The strip's first colour cell, after the handle cell.
  const host::Bitmap strip = Picture("a", kWheelStrip);
  EXPECT_TRUE(Near(At(strip, 15 + 5, 1 + 9), Seen(ProtanopeMatrix(), 1.0, 0.0, 0.0), 2));

  MenuOf("a", kWheelStrip, kNormalVision, host::Point{22, 7});
  EXPECT_EQ(At(Picture("a", kWheelArea), ring.x, ring.y), before);
  EXPECT_TRUE(Near(At(Picture("a", kWheelArea), main.x, main.y), Of(1, 0, 0), 2));
}

TEST_F(VisionViews, TurningTheToolsOffShowsTheColoursAsBefore) {
  StartViews(Tools::Off);
  // The same selection as the menu below makes.
  MenuOf("a", kSwatchArea, std::nullopt, Corner(0));
  const host::Bitmap plainSwatches = Picture("a", kSwatchArea);
  const host::Bitmap plainWheel = Picture("a", kWheelArea);
  TearDown();
  StartViews(Tools::On);
  MenuOf("a", kSwatchArea, kTritanopia, Corner(0));
  EXPECT_FALSE(SamePixels(Picture("a", kSwatchArea), plainSwatches));
  host::Container off;
  off.SetBool(kPrefPerceptual, false);
  Host().SetPrefs(off);
  EXPECT_TRUE(SamePixels(Picture("a", kSwatchArea), plainSwatches));
  EXPECT_TRUE(SamePixels(Picture("a", kWheelArea), plainWheel));
}
}  // namespace
}  // namespace perceptualtest
