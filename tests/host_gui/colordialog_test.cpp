#include "gui/colordialog.h"

#include <gtest/gtest.h>

#include "guitestkit.h"

namespace host {
namespace {

using namespace testkit;

TEST(ColorDialog, HsvAndRgbRoundTripOverAGrid) {
  for (int r = 0; r <= 10; ++r) {
    for (int g = 0; g <= 10; ++g) {
      for (int b = 0; b <= 10; ++b) {
        const auto hsv = ColorDialog::RgbToHsv(r / 10.0, g / 10.0, b / 10.0);
        ASSERT_GE(hsv[0], 0.0);
        ASSERT_LT(hsv[0], 1.0);
        const auto rgb = ColorDialog::HsvToRgb(hsv[0], hsv[1], hsv[2]);
        ASSERT_NEAR(rgb[0], r / 10.0, 1e-12);
        ASSERT_NEAR(rgb[1], g / 10.0, 1e-12);
        ASSERT_NEAR(rgb[2], b / 10.0, 1e-12);
      }
    }
  }
  // A hue of a full turn is red again.
  EXPECT_NEAR(ColorDialog::HsvToRgb(1.0, 1.0, 1.0)[0], 1.0, 1e-12);
}

TEST(ColorDialog, HexTextsReadAndWrite) {
  std::array<double, 4> c{0, 0, 0, 0.5};
  ASSERT_TRUE(ColorDialog::FromHex("#fF8000", c));
  EXPECT_EQ(ColorDialog::ToHex(c), "#FF8000");
  EXPECT_DOUBLE_EQ(c[3], 0.5);
  ASSERT_TRUE(ColorDialog::FromHex(" a0c ", c));
  EXPECT_EQ(ColorDialog::ToHex(c), "#AA00CC");
  for (const char* bad : {"", "#12345", "12345678", "zzzzzz", "#12 3"}) {
    std::array<double, 4> keep{0.25, 0.25, 0.25, 1};
    EXPECT_FALSE(ColorDialog::FromHex(bad, keep)) << bad;
    EXPECT_DOUBLE_EQ(keep[0], 0.25);
  }
}

class ColorDialogScreen : public ::testing::Test {
 protected:
  // Tabs from the hex field (focused when the dialog opens) to the n-th gadget.
  void TabTo(int n) {
    for (int i = 0; i < n; ++i) gui.queue().Push(InputEvent::KeyDown(GXA_KEY_TAB));
  }
  void Type(const std::string& text) {
    gui.queue().Push(InputEvent::Typing(text));
    gui.queue().Push(InputEvent::KeyDown(GXA_KEY_ENTER));
  }

  GuiFixture gui{{480, 400}};
};

TEST_F(ColorDialogScreen, ValueDownToBlackAndBackKeepsHueAndSaturation) {
  double rgba[4] = {0.0, 0.5, 1.0, 1.0};
  TabTo(12);  // hex, then R, G, B, H, S as slider and field each: V's field
  Type("0");
  Type("100");
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_ENTER));  // OK
  ASSERT_TRUE(Dlg().color_dialog(rgba, false, "Colour"));
  EXPECT_NEAR(rgba[0], 0.0, 1e-9);
  EXPECT_NEAR(rgba[1], 0.5, 1e-9);
  EXPECT_NEAR(rgba[2], 1.0, 1e-9);
}

TEST_F(ColorDialogScreen, ChannelFieldsAndSlidersEditTheColour) {
  double rgba[4] = {0.2, 0.2, 0.2, 0.5};
  TabTo(2);  // the red field
  Type("255");
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_TAB, GXA_QUALIFIER_SHIFT));  // the red slider
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_LEFT, GXA_QUALIFIER_SHIFT));  // a tenth down
  TabTo(7);  // the alpha field
  Type("0");
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_ENTER));
  ASSERT_TRUE(Dlg().color_dialog(rgba, true, "Colour"));
  EXPECT_NEAR(rgba[0], 0.9, 1e-9);
  EXPECT_NEAR(rgba[1], 0.2, 1e-9);
  EXPECT_DOUBLE_EQ(rgba[3], 0.0);
}

TEST_F(ColorDialogScreen, CancelLeavesTheColourAlone) {
  double rgba[4] = {0.3, 0.6, 0.9, 1.0};
  Type("000000");
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_ESC));
  EXPECT_FALSE(Dlg().color_dialog(rgba, false, "Colour"));
  EXPECT_DOUBLE_EQ(rgba[0], 0.3);
  EXPECT_DOUBLE_EQ(rgba[2], 0.9);
}

}  // namespace
}  // namespace host
