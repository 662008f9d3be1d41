// The chooser's colour field through the host: what it draws, its menu and
// the module's colour clipboard, the host's colour dialog, and drag and drop
// between fields.
#include <memory>
#include <string>

#include "chooserpagetest.h"
#include "color/colorprofile.h"
#include "color/colorspacetransform.h"
#include "core/worldpreferences.h"
#include "gui/dialog.h"
#include "gui/headlessfrontend.h"
#include "gui/screen.h"
#include "recordingobserver.h"

namespace choosertest
{
namespace
{
constexpr std::int32_t kMenuTall = 900000;
constexpr std::int32_t kMenuShowAlpha = 900001;
constexpr std::int32_t kMenuCopy = 900002;
constexpr std::int32_t kMenuPaste = 900003;
// Checker greys of the dark theme.
const Pixel kLight = Of(0.6, 0.6, 0.6);
const Pixel kDark = Of(0.4, 0.4, 0.4);

class ColorFieldTest : public ChooserPageTest
{
protected:
  void StartDark()
  {
    host::Container prefs = Modes({kPrefRgb});
    prefs.SetInt32(kPrefTheme, 1);
    Start(prefs, 500);
  }

  host::Bitmap Field(const std::string& key) { return Picture(key, kColorField); }

  void Menu(const std::string& key, std::optional<std::int32_t> choice)
  {
    Host().Answer(choice ? host::Answer::MenuChoice(*choice) : host::Answer::MenuDismiss());
    Click(key, kColorField, 2);
  }

  // Every pixel inside the frame.
  void ExpectFlat(const host::Bitmap& field, const Pixel& color)
  {
    for (int y = 1; y < field.Height() - 1; ++y)
      for (int x = 1; x < field.Width() - 1; ++x)
        ASSERT_TRUE(Near(At(field, x, y), color)) << x << ", " << y;
  }

  // A checker of 7-pixel cells from (x0, 1), the first cell light.
  void ExpectChecker(const host::Bitmap& field, int x0, int x1, const Pixel& light, const Pixel& dark)
  {
    for (int y = 1; y < field.Height() - 1; ++y)
    {
      for (int x = x0; x <= x1; ++x)
      {
        const bool first = ((x - x0) / 7 + (y - 1) / 7) % 2 == 0;
        ASSERT_TRUE(Near(At(field, x, y), first ? light : dark)) << x << ", " << y;
      }
    }
  }
};

TEST_F(ColorFieldTest, OpaqueColourIsFlatEvenWithTransparencyShown)
{
  StartDark();
  Open("a", AlphaSettings(0), WithAlpha(0.8, 0.2, 0.1, 1.0));
  ASSERT_TRUE(State("a").GetBool(kShowAlpha));
  const host::Bitmap field = Field("a");
  ASSERT_GT(field.Width(), 20);
  ExpectFlat(field, Of(0.8, 0.2, 0.1));
  EXPECT_NE(At(field, 0, 0), Of(0.8, 0.2, 0.1));
}

TEST_F(ColorFieldTest, TransparentColourBlendsIntoTheCheckerUnlessHidden)
{
  StartDark();
  Open("clear", AlphaSettings(0), WithAlpha(0.0, 0.0, 1.0, 0.0));
  const host::Bitmap clear = Field("clear");
  ExpectChecker(clear, 1, clear.Width() - 2, kLight, kDark);

  Open("half", AlphaSettings(0), WithAlpha(0.0, 0.0, 1.0, 0.5));
  const host::Bitmap half = Field("half");
  ExpectChecker(half, 1, half.Width() - 2, Of(0.3, 0.3, 0.8), Of(0.2, 0.2, 0.7));

  Menu("half", kMenuShowAlpha);
  EXPECT_FALSE(State("half").GetBool(kShowAlpha));
  ExpectFlat(Field("half"), Of(0.0, 0.0, 1.0));
}

TEST_F(ColorFieldTest, ColourFromBeforeTheDragStaysAtTheRightWhileDragging)
{
  StartDark();
  Open("a", Settings(0), Plain(0.0, 0.5, 0.0));
  host::Dialog& chooser = Chooser("a");
  chooser.Action(kRedSlider, host::Value::Float(1.0), true);
  host::Bitmap field = Field("a");
  const int w = field.Width(), mid = field.Height() / 2;
  for (int x = 1; x < w / 2; ++x)
    ASSERT_TRUE(Near(At(field, x, mid), Of(1.0, 0.5, 0.0))) << x;
  for (int x = w / 2; x < w - 1; ++x)
    ASSERT_TRUE(Near(At(field, x, mid), Of(0.0, 0.5, 0.0))) << x;

  chooser.Action(kRedSlider, host::Value::Float(1.0), false);
  ExpectFlat(Field("a"), Of(1.0, 0.5, 0.0));
}

TEST_F(ColorFieldTest, CheckerOfTheEarlierColourKeepsInStepWithTheGrid)
{
  StartDark();
  Open("a", AlphaSettings(0), WithAlpha(0.0, 0.0, 1.0, 0.0));
  Chooser("a").Action(kRedSlider, host::Value::Float(1.0), true);
  const host::Bitmap field = Field("a");
  const int w = field.Width();
  int cells = ((w - 2) / 7) / 2;
  cells -= cells % 2;
  const int split = cells * 7 + 1;
  // The current colour (transparent magenta) on the left, the earlier
  // (transparent blue) from the split on; both still read as the plain checker.
  ExpectChecker(field, 1, w - 2, kLight, kDark);
  EXPECT_LE(split, w / 2);
}

TEST_F(ColorFieldTest, PasteIsDisabledUntilSomethingWasCopied)
{
  StartDark();
  Open("a", Settings(0), Plain(0.2, 0.4, 0.6));
  Menu("a", std::nullopt);
  ASSERT_EQ(ui.menus.size(), 1u);
  const auto& entries = ui.menus[0].menu.Entries();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].id, kMenuTall);
  EXPECT_FALSE(entries[0].checked);
  EXPECT_TRUE(entries[1].IsSeparator());
  EXPECT_EQ(entries[2].id, kMenuCopy);
  EXPECT_EQ(entries[3].id, kMenuPaste);
  EXPECT_TRUE(entries[3].disabled);

  Menu("a", kMenuCopy);
  Menu("a", std::nullopt);
  EXPECT_FALSE(ui.menus.back().menu.Find(kMenuPaste)->disabled);
}

TEST_F(ColorFieldTest, CopyWithoutAlphaPastedWithAlphaKeepsTheTargetsAlpha)
{
  StartDark();
  Open("plain", Settings(0), Plain(0.2, 0.4, 0.6));
  Open("alpha", AlphaSettings(0), WithAlpha(1.0, 0.0, 0.0, 0.3));
  Menu("plain", kMenuCopy);
  Menu("alpha", kMenuPaste);
  const host::ColorValue pasted = Data("alpha");
  EXPECT_NEAR(pasted.color.x, 0.2, 1e-9);
  EXPECT_NEAR(pasted.color.y, 0.4, 1e-9);
  EXPECT_NEAR(pasted.color.z, 0.6, 1e-9);
  EXPECT_NEAR(pasted.alpha, 0.3, 1e-9);

  // A copy with alpha carries it.
  Open("other", AlphaSettings(0), WithAlpha(0.0, 0.0, 0.0, 0.9));
  Menu("alpha", kMenuCopy);
  Menu("other", kMenuPaste);
  EXPECT_NEAR(Data("other").alpha, 0.3, 1e-9);
}

TEST_F(ColorFieldTest, TallFieldDoublesTheHeight)
{
  StartDark();
  Open("a", Settings(0), Plain(0.2, 0.4, 0.6));
  const int height = Gadget("a", kColorField).Frame().h;
  Menu("a", kMenuTall);
  EXPECT_TRUE(State("a").GetBool(kTallField));
  EXPECT_EQ(Gadget("a", kColorField).Frame().h, 2 * height);
  Menu("a", std::nullopt);
  EXPECT_TRUE(ui.menus.back().menu.Find(kMenuTall)->checked);
}

TEST_F(ColorFieldTest, ClickOpensTheHostColourDialogAndTakesItsAnswer)
{
  StartDark();
  Open("a", AlphaSettings(0), WithAlpha(1.0, 1.0, 1.0, 1.0));
  Host().Answer(host::Answer::ColorCancel());
  Click("a", kColorField);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].kind, "color");
  EXPECT_TRUE(Sent("a").empty());

  Host().Answer(host::Answer::Color(0.1, 0.2, 0.3, 0.4));
  Click("a", kColorField);
  ASSERT_EQ(Sent("a").size(), 1u);
  const host::ColorValue taken = Data("a");
  EXPECT_NEAR(taken.color.x, 0.1, 1e-9);
  EXPECT_NEAR(taken.color.z, 0.3, 1e-9);
  EXPECT_NEAR(taken.alpha, 0.4, 1e-9);
  // The view state went to the dialog and came back.
  EXPECT_FALSE(Host().Prefs().Has(kPrefGlobalState));
}

// Counts, as each host dialog goes, the pixels of one colour in the last
// frame shown (the one with the dialog over the page).
class FrameCounter : public host::testkit::RecordingObserver
{
public:
  FrameCounter(const host::HeadlessFrontend& frontend, const Pixel& colour) : _frontend(frontend), _colour(colour) {}

  void DialogShown(const std::string& kind, const std::string& title, Outcome outcome) override
  {
    RecordingObserver::DialogShown(kind, title, outcome);
    const host::Framebuffer& frame = _frontend.LastFrame();
    int count = 0;
    for (int y = 0; y < frame.Height(); ++y)
    {
      for (int x = 0; x < frame.Width(); ++x)
      {
        const host::Rgba p = frame.GetPixel(x, y);
        count += Pixel{p.r, p.g, p.b} == _colour;
      }
    }
    counts.push_back(count);
  }

  std::vector<int> counts;

private:
  const host::HeadlessFrontend& _frontend;
  Pixel _colour;
};

TEST_F(ColorFieldTest, HostColourDialogShowsTheColourAsTheChooserDoes)
{
  StartDark();
  // A linear display: sRGB chooser colours are converted for it, colours of
  // a linear document are not.
  Host().Prefs().Set(
      host::WorldPreferences::kDisplayProfile,
      host::Value::Profile(std::make_shared<const host::ColorProfile>(host::ColorProfile::LinearSrgb())));
  Host().GetHost().ActiveDocument()->Settings().SetInt32(host::Document::kColorSpace, 1);
  Open("srgb", Settings(1), Plain(0.8, 0.4, 0.2));
  Open("document", Settings(1, 8), Plain(0.8, 0.4, 0.2));
  auto& frontend = dynamic_cast<host::HeadlessFrontend&>(Host().GetScreen().GetFrontend());
  frontend.SetWindowSize({500, 420});  // room for the whole dialog

  // Nobody answers. Both fields show what they show either way; the dialog
  // adds its preview in the colour as it reaches the display.
  const Pixel onDisplay = Of(host::SrgbDecode(0.8), host::SrgbDecode(0.4), host::SrgbDecode(0.2));
  FrameCounter counter(frontend, onDisplay);
  host::Gui::Get().SetObserver(&counter);
  Click("srgb", kColorField);
  Click("document", kColorField);
  ASSERT_EQ(counter.counts.size(), 2u);
  EXPECT_EQ(counter.dialogs[0].kind, "color");
  constexpr int kPreviewPixels = 1000;
  EXPECT_GT(counter.counts[0] - counter.counts[1], kPreviewPixels);
}

TEST_F(ColorFieldTest, DroppedColourBecomesTheChoosersColour)
{
  StartDark();
  Open("from", Settings(0), Plain(0.9, 0.5, 0.1));
  Open("to", AlphaSettings(0), WithAlpha(0.0, 0.0, 0.0, 0.25));
  DragOnto("from", kColorField, "to", kColorField);
  const host::ColorValue dropped = Data("to");
  EXPECT_NEAR(dropped.color.x, 0.9, 1e-9);
  EXPECT_NEAR(dropped.color.y, 0.5, 1e-9);
  // A colour without alpha leaves the target's.
  EXPECT_NEAR(dropped.alpha, 0.25, 1e-9);
  EXPECT_TRUE(ui.dialogs.empty());

  // With alpha the colour travels with it.
  Open("back", AlphaSettings(0), WithAlpha(1.0, 1.0, 1.0, 1.0));
  DragOnto("to", kColorField, "back", kColorField);
  EXPECT_NEAR(Data("back").alpha, 0.25, 1e-9);
  EXPECT_NEAR(Data("back").color.x, 0.9, 1e-9);
}

TEST_F(ColorFieldTest, DragThatEndsElsewhereOpensNoDialog)
{
  StartDark();
  Open("a", Settings(0), Plain(0.9, 0.5, 0.1));
  Drag("a", kColorField, {{10, 5}, {20, 5}, {40, 60}, {60, 120}});
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_TRUE(Sent("a").empty());
}

TEST_F(ColorFieldTest, TooltipDescribesColourAndAlpha)
{
  StartDark();
  Open("a", AlphaSettings(0), WithAlpha(1.0, 0.0, 0.0, 0.5));
  const std::string tip = Tooltip("a", kColorField, {5, 5});
  EXPECT_NE(tip.find("<b>RGB</b>: "), std::string::npos) << tip;
  EXPECT_NE(tip.find("<b>HSV</b>: "), std::string::npos) << tip;
  EXPECT_NE(tip.find("\n<b>Alpha</b> 50"), std::string::npos) << tip;
}
}  // namespace
}  // namespace choosertest
