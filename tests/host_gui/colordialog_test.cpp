#include "gui/colordialog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "color/colorspacetransform.h"
#include "core/host.h"
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
  // Types into the focused field and commits by leaving it and coming back:
  // Return would answer the dialog.
  void Type(const std::string& text) {
    gui.queue().Push(InputEvent::Typing(text));
    gui.queue().Push(InputEvent::KeyDown(GXA_KEY_TAB));
    gui.queue().Push(InputEvent::KeyDown(GXA_KEY_TAB, GXA_QUALIFIER_SHIFT));
  }

  GuiFixture gui{{480, 400}};
};

TEST_F(ColorDialogScreen, ValueDownToBlackAndBackKeepsHueAndSaturation) {
  double rgba[4] = {0.0, 0.5, 1.0, 1.0};
  TabTo(12);  // hex, then R, G, B, H, S as slider and field each: V's field
  Type("0");
  Type("100");
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_ENTER));  // OK
  ASSERT_TRUE(Dlg().color_dialog(rgba, false, "Colour", 0));
  EXPECT_NEAR(rgba[0], 0.0, 1e-9);
  EXPECT_NEAR(rgba[1], 0.5, 1e-9);
  EXPECT_NEAR(rgba[2], 1.0, 1e-9);
}

TEST_F(ColorDialogScreen, ChannelFieldsAndSlidersEditTheColour) {
  double rgba[4] = {0.2, 0.2, 0.2, 0.5};
  TabTo(2);  // the red field
  Type("255");
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_TAB, GXA_QUALIFIER_SHIFT));   // the red slider
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_LEFT, GXA_QUALIFIER_SHIFT));  // a tenth down
  TabTo(7);                                                                  // the alpha field
  Type("0");
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_ENTER));
  ASSERT_TRUE(Dlg().color_dialog(rgba, true, "Colour", 0));
  EXPECT_NEAR(rgba[0], 0.9, 1e-9);
  EXPECT_NEAR(rgba[1], 0.2, 1e-9);
  EXPECT_DOUBLE_EQ(rgba[3], 0.0);
}

TEST_F(ColorDialogScreen, CancelLeavesTheColourAlone) {
  double rgba[4] = {0.3, 0.6, 0.9, 1.0};
  Type("000000");
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_ESC));
  EXPECT_FALSE(Dlg().color_dialog(rgba, false, "Colour", 0));
  EXPECT_DOUBLE_EQ(rgba[0], 0.3);
  EXPECT_DOUBLE_EQ(rgba[2], 0.9);
}

// The dialog as the current host shows it: on the host's display profile,
// for a chooser whose colours are in the profile its mode names.
class ColorDialogDisplay : public ::testing::Test {
 protected:
  static std::unique_ptr<Host> MakeHost() {
    HostOptions options;
    options.home = std::filesystem::path(::testing::TempDir()) / "gui-color-dialog";
    options.persistent_preferences = false;
    auto created = Host::Create(options);
    if (!created.Ok()) {
      ADD_FAILURE() << created.Error();
      return nullptr;
    }
    created.Value()->SetActiveDocument(std::make_unique<Document>());
    return std::move(created.Value());
  }

  void SetDisplay(const ColorProfile& profile) {
    host_->Prefs().Data().Set(WorldPreferences::kDisplayProfile,
                              Value::Profile(std::make_shared<const ColorProfile>(profile)));
  }
  void SetDocumentSpace(int32_t space) { host_->ActiveDocument()->Settings().SetInt32(Document::kColorSpace, space); }

  // The dialog shown as the window: what its preview (the new colour's half)
  // and the start of its red slider show.
  struct Drawn {
    Rgba preview, redStart;
  };
  Drawn Show(std::array<double, 4> rgba, int32_t profileMode) {
    Dialog dialog(std::make_unique<ColorDialog>(rgba, false, profileMode));
    gui.screen().ShowWindow(dialog);
    gui.screen().Render();
    const Framebuffer& frame = gui.screen().Frame();
    const Rect preview = dialog.Find(ColorDialog::kPreview)->GlobalFrame();
    const Rect red = dialog.Find(ColorDialog::kRedSlider)->GlobalFrame();
    // The slider's track starts 4 pixels in, inside a 1-pixel frame.
    return {frame.GetPixel(preview.x + 4, preview.y + preview.h / 2), frame.GetPixel(red.x + 5, red.y + red.h / 2)};
  }

  static Rgba Level(double r, double g, double b) {
    auto c = [](double v) { return uint8_t(std::lround(v * 255.0)); };
    return {c(r), c(g), c(b), 255};
  }
  static Rgba Decoded(double r, double g, double b) { return Level(SrgbDecode(r), SrgbDecode(g), SrgbDecode(b)); }
  // Rounding in the conversion may move a level by one.
  static ::testing::AssertionResult Near(Rgba actual, Rgba expected, int tolerance = 1) {
    auto off = [tolerance](uint8_t a, uint8_t e) { return std::abs(int(a) - int(e)) > tolerance; };
    if (off(actual.r, expected.r) || off(actual.g, expected.g) || off(actual.b, expected.b)) {
      return ::testing::AssertionFailure()
             << "(" << int(actual.r) << ", " << int(actual.g) << ", " << int(actual.b) << ") is not near ("
             << int(expected.r) << ", " << int(expected.g) << ", " << int(expected.b) << ")";
    }
    return ::testing::AssertionSuccess();
  }

  std::unique_ptr<Host> host_ = MakeHost();
  GuiFixture gui{{480, 400}};
};

TEST_F(ColorDialogDisplay, ColoursAreDrawnOnTheDisplayProfileButEditedAsTheyAre) {
  ASSERT_TRUE(host_);
  SetDisplay(ColorProfile::LinearSrgb());
  // An sRGB chooser colour on a linear display.
  const Drawn drawn = Show({0.8, 0.4, 0.2, 1.0}, 0);
  EXPECT_TRUE(Near(drawn.preview, Decoded(0.8, 0.4, 0.2)));
  EXPECT_FALSE(Near(drawn.preview, Level(0.8, 0.4, 0.2)));
  EXPECT_TRUE(Near(drawn.redStart, Decoded(0.0, 0.4, 0.2)));

  // The red field takes 255 and OK confirms: the colour comes back as typed.
  double rgba[4] = {0.8, 0.4, 0.2, 1.0};
  for (int i = 0; i < 2; ++i) gui.queue().Push(InputEvent::KeyDown(GXA_KEY_TAB));
  gui.queue().Push(InputEvent::Typing("255"));
  gui.queue().Push({InputEvent::KeyDown(GXA_KEY_ENTER), InputEvent::KeyDown(GXA_KEY_ENTER)});
  ASSERT_TRUE(Dlg().color_dialog(rgba, false, "Colour", 0));
  EXPECT_DOUBLE_EQ(rgba[0], 1.0);
  EXPECT_DOUBLE_EQ(rgba[1], 0.4);
  EXPECT_DOUBLE_EQ(rgba[2], 0.2);
}

TEST_F(ColorDialogDisplay, ModeChoosesTheSourceProfile) {
  ASSERT_TRUE(host_);
  SetDisplay(ColorProfile::LinearSrgb());
  const std::array<double, 4> colour{0.6, 0.3, 0.9, 1.0};
  // The document bit with a linear document: already in the display's profile.
  SetDocumentSpace(1);
  EXPECT_TRUE(Near(Show(colour, 8).preview, Level(0.6, 0.3, 0.9), 0));
  EXPECT_TRUE(Near(Show(colour, 0).preview, Decoded(0.6, 0.3, 0.9)));
  SetDocumentSpace(0);
  EXPECT_TRUE(Near(Show(colour, 8).preview, Decoded(0.6, 0.3, 0.9)));
  // Without a paint texture the texture bit means sRGB.
  EXPECT_TRUE(Near(Show(colour, 16).preview, Decoded(0.6, 0.3, 0.9)));
}

TEST_F(ColorDialogDisplay, WithoutADisplayProfileOrOnTheSameOneColoursAreDrawnAsTheyAre) {
  ASSERT_TRUE(host_);
  SetDocumentSpace(1);
  EXPECT_TRUE(Near(Show({0.6, 0.3, 0.9, 1.0}, 8).preview, Level(0.6, 0.3, 0.9), 0));
  SetDisplay(ColorProfile::Srgb());
  const Drawn drawn = Show({0.6, 0.3, 0.9, 1.0}, 0);
  EXPECT_TRUE(Near(drawn.preview, Level(0.6, 0.3, 0.9), 0));
  // The track's first visible column is a step into the gradient.
  EXPECT_TRUE(Near(drawn.redStart, Level(0.0, 0.3, 0.9), 2));
}

}  // namespace
}  // namespace host
