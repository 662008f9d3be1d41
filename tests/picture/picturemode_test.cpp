// The picture mode of a real chooser on the host's page: a picture typed
// into the file name field is shown and sampled, the sample's colour reaches
// the host, a picture that cannot be loaded leaves the empty area and says
// why, and an embedded profile decides the colour that is picked.
#include <algorithm>
#include <fstream>
#include <optional>
#include <set>
#include <utility>

#include "chooserpagetest.h"
#include "color/colorprofile.h"
#include "gui/answer.h"
#include "gui/widget.h"
#include "tempfolder.h"
#include "testpictures.h"

namespace choosertest {
namespace {
using testpictures::Rgb8;

constexpr std::int32_t kFile = 0x3EC0002;
constexpr std::int32_t kArea = 0x3EC0003;
constexpr std::int32_t kSampleCount = 0x3EC0010;
constexpr std::int32_t kMosaicButton = 0x3EC0009;
constexpr std::int32_t kLevel = 0x3EC0001;
constexpr std::int32_t kPictureMode = 3;
constexpr std::int32_t kStrip = 0x3EC0007;
constexpr std::int32_t kCtrl = 2;

class PictureModeTest : public ChooserPageTest {
 protected:
  void OpenPictureMode(int scale = 1) {
    host::Container prefs = Modes();
    prefs.SetInt32(kPrefStartMode, kPictureMode);
    Start(prefs, 0, scale);
    Open("c", Settings(0), Plain(0.5, 0.5, 0.5));
  }

  std::filesystem::path Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const auto path = _folder.Path() / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
  }

  void LoadPicture(const std::filesystem::path& path) {
    Host().Input().Type(Gadget("c", kFile), path.string(), host::InputDriver::Commit::Enter);
  }

  host::Rgba AreaPixel(int x, int y) { return Picture("c", kArea).GetPixel(x, y); }

  // 40 x 30: red on the left half, blue on the right.
  void LoadHalves() {
    LoadPicture(Write("halves.png", testpictures::Png(40, 30, [](int x, int) {
                        return x < 20 ? Rgb8(220, 30, 40) : Rgb8(30, 60, 200);
                      })));
  }
  // 30 x 20: green with a blue stripe on the right.
  void LoadMostlyGreen() {
    LoadPicture(Write("mostly.png", testpictures::Png(30, 20, [](int x, int) {
                        return x < 24 ? Rgb8(20, 180, 40) : Rgb8(10, 10, 250);
                      })));
  }

  TempFolder _folder;
};

TEST_F(PictureModeTest, APictureShowsAndItsMiddleSampleBecomesTheColour) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  const auto path =
      Write("halves.png",
            testpictures::Png(40, 30, [](int x, int) { return x < 20 ? Rgb8(220, 30, 40) : Rgb8(30, 60, 200); }));
  LoadPicture(path);
  const host::ColorValue value = Data("c");
  EXPECT_NEAR(value.color.x, 30 / 255.0, 1e-9);
  EXPECT_NEAR(value.color.y, 60 / 255.0, 1e-9);
  EXPECT_NEAR(value.color.z, 200 / 255.0, 1e-9);
  EXPECT_EQ(Gadget("c", kSampleCount).Text().value_or(""), "1");
  // The picture is drawn: red on the left, blue on the right, away from the marker.
  const host::Widget& area = Gadget("c", kArea);
  const host::Rgba left = AreaPixel(area.Frame().w / 2 - 30, area.Frame().h / 2 - 20);
  EXPECT_GT(left.r, 200);
  EXPECT_LT(left.b, 60);
  EXPECT_EQ(State("c").GetInt32(0x3EC0012), 1);
}

TEST_F(PictureModeTest, APictureThatFailsToLoadLeavesTheEmptyAreaAndSaysWhy) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  LoadPicture(Write("red.png", testpictures::Png(30, 20, [](int, int) { return Rgb8(250, 0, 0); })));
  auto redPixels = [&] {
    const host::Bitmap shown = Picture("c", kArea);
    int red = 0;
    for (int y = 0; y < shown.Height(); ++y)
      for (int x = 0; x < shown.Width(); ++x) red += shown.GetPixel(x, y).r > 200 && shown.GetPixel(x, y).g < 50;
    return red;
  };
  ASSERT_GT(redPixels(), 100);
  const auto path = Write("broken.png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 1, 2, 3});
  LoadPicture(path);
  const std::string said = Gadget("c", kSampleCount).Text().value_or("");
  EXPECT_NE(said.find("broken.png"), std::string::npos) << said;
  EXPECT_NE(said.find("damaged PNG"), std::string::npos) << said;
  EXPECT_EQ(redPixels(), 0) << "the old picture is gone";
  // The empty area shows its hint in the interface's text colour.
  const host::Bitmap empty = Picture("c", kArea);
  int light = 0;
  for (int x = 0; x < empty.Width(); ++x) light += empty.GetPixel(x, empty.Height() / 2).g > 150;
  EXPECT_GT(light, 3);
}

// The host loads a picture on its worker while the module waits for the
// answer: the progress climbs row by row to 100, a profile's conversion has
// its share at the end, a damaged picture stops short and says why, and a
// window closed before the load stops it at its first row.
TEST_F(PictureModeTest, LoadingReportsItsProgressRowByRow) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  auto strictlyRising = [](const std::vector<int>& p) {
    return std::adjacent_find(p.begin(), p.end(), std::greater_equal<int>()) == p.end();
  };
  LoadPicture(Write("tall.png", testpictures::Png(48, 900, [](int x, int y) { return Rgb8(x, y / 4, 120); })));
  ASSERT_EQ(ui.tasks.size(), 1u);
  EXPECT_EQ(ui.tasks[0].label, "Loading tall.png");
  EXPECT_EQ(ui.tasks[0].outcome, "done");
  EXPECT_GT(ui.tasks[0].percents.size(), 50u);
  EXPECT_TRUE(strictlyRising(ui.tasks[0].percents));
  EXPECT_EQ(ui.tasks[0].percents.back(), 100);
  // The middle sample: the picture arrived whole.
  EXPECT_NEAR(Data("c").color.y, 112 / 255.0, 1e-9);

  testpictures::PngOptions wide;
  wide.icc = testpictures::WideGamutLinearProfile();
  wide.interlaced = true;
  LoadPicture(Write("wide.png", testpictures::Png(
                                    20, 300, [](int, int) { return Rgb8(128, 128, 128); }, wide)));
  ASSERT_EQ(ui.tasks.size(), 2u);
  const std::vector<int>& converted = ui.tasks[1].percents;
  EXPECT_TRUE(strictlyRising(converted));
  EXPECT_TRUE(std::any_of(converted.begin(), converted.end(), [](int p) { return p > 80 && p < 100; }));
  EXPECT_EQ(converted.back(), 100);

  // Noise, so that half the file holds half the rows.
  std::vector<uint8_t> cut = testpictures::Png(
      48, 900, [](int x, int y) { return Rgb8((x * 73 + y * 151) % 256, (x * y * 31) % 256, (y * 97 + x) % 256); });
  cut.resize(cut.size() / 2);
  LoadPicture(Write("cut.png", cut));
  ASSERT_EQ(ui.tasks.size(), 3u);
  EXPECT_EQ(ui.tasks[2].outcome, "failed");
  ASSERT_FALSE(ui.tasks[2].percents.empty());
  EXPECT_LT(ui.tasks[2].percents.back(), 100);
  EXPECT_NE(Gadget("c", kSampleCount).Text().value_or("").find("cut.png"), std::string::npos);

  const auto tall = _folder.Path() / "tall.png";
  Host().Input().Type(Gadget("c", kFile), tall.string(), host::InputDriver::Commit::None);
  Host().Input().Run(
      {host::InputEvent::KeyDown(GXA_KEY_ENTER), host::InputEvent::KeyUp(GXA_KEY_ENTER), host::InputEvent::Closed()});
  ASSERT_EQ(ui.tasks.size(), 4u);
  EXPECT_EQ(ui.tasks[3].outcome, "cancelled");
  EXPECT_TRUE(ui.tasks[3].percents.empty());
}

TEST_F(PictureModeTest, AnEmbeddedWideGamutProfileDecidesThePickedColour) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  testpictures::PngOptions options;
  options.icc = testpictures::WideGamutLinearProfile();
  LoadPicture(Write("wide.png", testpictures::Png(
                                    9, 9, [](int, int) { return Rgb8(128, 128, 128); }, options)));
  // Linear 128 of 255 is sRGB 188.
  const host::ColorValue value = Data("c");
  for (const double c : {value.color.x, value.color.y, value.color.z}) EXPECT_NEAR(c * 255.0, 188.0, 1.01);
}

TEST_F(PictureModeTest, ANarrowPictureIsCentred) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  LoadPicture(Write("narrow.png", testpictures::Png(4, 40, [](int, int) { return Rgb8(250, 250, 0); })));
  const host::Bitmap shown = Picture("c", kArea);
  const int row = shown.Height() / 4;
  int first = -1, last = -1;
  for (int x = 0; x < shown.Width(); ++x) {
    const host::Rgba c = shown.GetPixel(x, row);
    if (c.r > 240 && c.g > 240 && c.b < 20) {
      if (first < 0) first = x;
      last = x;
    }
  }
  ASSERT_GE(first, 0);
  EXPECT_NEAR(first, shown.Width() - 1 - last, 1);
  EXPECT_GT(first, 10);
}

TEST_F(PictureModeTest, TheStripUnderThePictureHoldsTheSamplesAndPicksOne) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  // Red left, blue right: a sample added on each side.
  LoadHalves();
  const host::Widget& area = Gadget("c", kArea);
  ClickAt("c", kArea, {area.Frame().w / 2 - 40, area.Frame().h / 2}, 1, kCtrl);
  EXPECT_EQ(Gadget("c", kSampleCount).Text().value_or(""), "2");
  const host::Bitmap strip = Picture("c", kStrip);
  // Handle cell, then the middle sample (blue) and the new one (red), 15
  // pixels apart.
  EXPECT_GT(strip.GetPixel(15 + 7, 7).b, 150);
  EXPECT_GT(strip.GetPixel(30 + 7, 7).r, 150);
  EXPECT_NEAR(Data("c").color.x, 220 / 255.0, 1e-9);
  // A click on the blue cell makes it the colour again.
  ClickAt("c", kStrip, {15 + 7, 7});
  EXPECT_NEAR(Data("c").color.z, 200 / 255.0, 1e-9);
  EXPECT_EQ(Gadget("c", kSampleCount).Text().value_or(""), "2");
  // Its context menu reduces the samples to the first.
  Host().Answer(host::Answer::MenuChoice(900002));
  ClickAt("c", kStrip, {30 + 7, 7}, 2);
  EXPECT_EQ(Gadget("c", kSampleCount).Text().value_or(""), "1");
  EXPECT_EQ(State("c").GetInt32(0x3EC0012), 1);
}

TEST_F(PictureModeTest, TheStripStaysDrawnAfterItsColoursJoinTheShownSwatches) {
  host::Container prefs = Modes({kPrefSwatches});
  prefs.SetInt32(kPrefStartMode, kPictureMode);
  Start(prefs);
  Open("c", Settings(0), Plain(0.5, 0.5, 0.5));
  LoadPicture(Write("blue.png", testpictures::Png(40, 30, [](int, int) { return Rgb8(30, 60, 200); })));
  // A click on the handle cell hands the samples to the swatches as a new group.
  Host().Answer(host::Answer::Text("From the picture", false));
  ClickAt("c", kStrip, {7, 7});
  ASSERT_EQ(ui.dialogs.size(), 1u);
  const host::Bitmap strip = Picture("c", kStrip);
  EXPECT_GT(strip.GetPixel(15 + 7, 7).b, 150);
  EXPECT_LT(strip.GetPixel(15 + 7, 7).r, 60);
}

TEST_F(PictureModeTest, TheTooltipShowsTheColourAsTheDisplayShowsIt) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  LoadPicture(Write("flat.png", testpictures::Png(20, 20, [](int, int) { return Rgb8(204, 102, 51); })));
  const host::Point corner{Gadget("c", kArea).Frame().w / 2 - 20, Gadget("c", kArea).Frame().h / 2 - 20};
  const std::string plain = Tooltip("c", kArea, corner);
  EXPECT_NE(plain.find("204"), std::string::npos) << plain;
  // A linear display: the tooltip says what reaches it, 0.8 sRGB being 154
  // of 255 linear.
  Host().Prefs().Set(
      host::WorldPreferences::kDisplayProfile,
      host::Value::Profile(std::make_shared<const host::ColorProfile>(host::ColorProfile::LinearSrgb())));
  const std::string shown = Tooltip("c", kArea, corner);
  EXPECT_NE(shown.find("154"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("204"), std::string::npos) << shown;
}

TEST_F(PictureModeTest, TransparentPartsShowTheCheckerboard) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  testpictures::PngOptions rgba;
  rgba.colorType = PNG_COLOR_TYPE_RGBA;
  // Opaque red on the left, fully transparent blue on the right.
  LoadPicture(Write("clear.png",
                    testpictures::Png(
                        40, 30, [](int x, int) { return x < 20 ? Rgb8(230, 20, 20) : Rgb8(0, 0, 255, 0); }, rgba)));
  const host::Bitmap shown = Picture("c", kArea);
  const int row = shown.Height() / 4;
  std::set<int> greys;
  bool blue = false;
  for (int x = shown.Width() / 2 + 10; x < shown.Width() - 30; ++x) {
    const host::Rgba c = shown.GetPixel(x, row);
    blue |= c.b > c.r + 40;
    if (c.r == c.g && c.g == c.b) greys.insert(c.r);
  }
  EXPECT_FALSE(blue) << "the transparent blue does not show";
  EXPECT_EQ(greys.size(), 2u) << "both checker greys show";
  EXPECT_GT(shown.GetPixel(shown.Width() / 2 - 30, row).r, 200);
}

TEST_F(PictureModeTest, MosaicLevelZeroPicksTheDominantHue) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  // Mostly green with a blue stripe: at level 0 the one tile is green.
  LoadMostlyGreen();
  Click("c", kMosaicButton);
  ASSERT_TRUE(Find("c", kLevel));
  // The level slider's left end is level 0.
  const int middle = Gadget("c", kLevel).Frame().h / 2;
  ClickAt("c", kLevel, {0, middle});
  EXPECT_EQ(State("c").GetInt32(kLevel), 0);
  const host::ColorValue value = Data("c");
  EXPECT_GT(value.color.y, value.color.x + 0.3);
  EXPECT_GT(value.color.y, value.color.z + 0.3);
  // Dragged to its right end: the last of the ten levels (tiles of 30, 15,
  // 10, 7, 6, 5, 4, 3, 2 and 1 pixels), the picture itself.
  const int right = Gadget("c", kLevel).Frame().w - 1;
  Drag("c", kLevel, {{0, middle}, {right / 2, middle}, {right, middle}});
  EXPECT_EQ(State("c").GetInt32(kLevel), 9);
}

TEST_F(PictureModeTest, ADoubleClickBesideTheSamplesZoomsToOneThenFits) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  LoadHalves();
  const host::Widget& area = Gadget("c", kArea);
  const host::Point beside{area.Frame().w / 2 - 50, area.Frame().h / 2};
  auto redAt = [&](int x, int y) { return AreaPixel(x, y).r > 200; };
  // Fitted, the red half reaches well left of the middle.
  ASSERT_TRUE(redAt(area.Frame().w / 2 - 70, area.Frame().h / 2 + 20));
  // Zoom 1.0 around the point, though its first click brought the sample
  // there: the 40 x 30 picture no longer reaches so far.
  Host().Input().Click(Gadget("c", kArea), beside, 1, 0, true);
  EXPECT_FALSE(redAt(area.Frame().w / 2 - 70, area.Frame().h / 2 + 20));
  // Again: fitted once more.
  Host().Input().Click(Gadget("c", kArea), beside, 1, 0, true);
  EXPECT_TRUE(redAt(Gadget("c", kArea).Frame().w / 2 - 70, Gadget("c", kArea).Frame().h / 2 + 20));
}

TEST_F(PictureModeTest, SamplesAddedWithControlOrDeletedWithTheKeysAreStored) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  LoadHalves();
  const host::Widget& area = Gadget("c", kArea);
  ClickAt("c", kArea, {area.Frame().w / 2 - 40, area.Frame().h / 2}, 1, kCtrl);
  ClickAt("c", kArea, {area.Frame().w / 2 - 40, area.Frame().h / 2 + 30}, 1, kCtrl);
  EXPECT_EQ(State("c").GetInt32(0x3EC0012), 3);
  ASSERT_NE(State("c").GetContainer(0x3EC0013), nullptr);
  for (const std::int32_t key : {61823, 61704}) {
    Host().Input().Key(&Gadget("c", kArea), key, 0);
    EXPECT_EQ(State("c").GetInt32(0x3EC0012), key == 61823 ? 2 : 1) << key;
    EXPECT_EQ(Gadget("c", kSampleCount).Text().value_or(""), key == 61823 ? "2" : "1") << key;
  }
}

TEST_F(PictureModeTest, EveryChangeOfTheMosaicLevelEndsWithAFinalMessage) {
  OpenPictureMode();
  ASSERT_TRUE(Started());
  LoadMostlyGreen();
  Click("c", kMosaicButton);
  ASSERT_TRUE(Find("c", kLevel));
  const int middle = Gadget("c", kLevel).Frame().h / 2, right = Gadget("c", kLevel).Frame().w - 1;
  auto endsFinal = [&](const char* what) {
    const auto sent = Sent("c");
    ASSERT_FALSE(sent.empty()) << what;
    EXPECT_EQ(sent.back().GetInt32(kMessageDrag), 0) << what;
    Host().ClearParentMessages();
  };
  Host().ClearParentMessages();
  ClickAt("c", kLevel, {0, middle});
  EXPECT_EQ(State("c").GetInt32(kLevel), 0);
  endsFinal("click");
  Drag("c", kLevel, {{0, middle}, {right / 2, middle}, {right, middle}});
  EXPECT_EQ(State("c").GetInt32(kLevel), 9);
  endsFinal("drag");
}

// Eight flat stripes, widest first: the palette's colours and their order.
const std::vector<std::pair<int, testpictures::Pixel>> kStripes{
    {16, Rgb8(220, 30, 40)}, {14, Rgb8(30, 60, 200)}, {12, Rgb8(20, 180, 40)},  {10, Rgb8(240, 220, 30)},
    {8, Rgb8(130, 40, 160)}, {6, Rgb8(15, 15, 20)},   {4, Rgb8(245, 245, 240)}, {2, Rgb8(250, 130, 20)}};
constexpr std::int32_t kPerceptualTools = 1039500;
constexpr std::int32_t kPaletteEntry = 900010;
constexpr std::int32_t kColorVisionEntry = 900100;

class PicturePaletteTest : public PictureModeTest {
 protected:
  void OpenWithTools(std::optional<bool> tools) {
    host::Container prefs = Modes();
    prefs.SetInt32(kPrefStartMode, kPictureMode);
    if (tools) prefs.SetBool(kPerceptualTools, *tools);
    Start(prefs);
    Open("c", Settings(0), Plain(0.5, 0.5, 0.5));
  }
  void LoadStripes() {
    LoadPicture(Write("stripes.png", testpictures::Png(72, 10, [](int x, int) {
                        for (const auto& [width, colour] : kStripes) {
                          if (x < width) return colour;
                          x -= width;
                        }
                        return Rgb8(0, 0, 0);
                      })));
  }
  // The strip's menu, dismissed or answered with choice.
  std::vector<host::MenuEntry> StripMenu(std::optional<std::int32_t> choice = std::nullopt) {
    const std::size_t shown = ui.menus.size();
    Host().Answer(choice ? host::Answer::MenuChoice(*choice) : host::Answer::MenuDismiss());
    ClickAt("c", kStrip, {22, 7}, 2);
    if (ui.menus.size() == shown) return {};
    return ui.menus.back().menu.Entries();
  }
  // The colours of the stored samples that have no place on the picture.
  std::vector<host::Vector3> StoredColours() {
    std::vector<host::Vector3> colours;
    const host::Container state = State("c");
    const host::Container* list = state.GetContainer(0x3EC0013);
    for (std::int32_t i = 0; list && i < state.GetInt32(0x3EC0012); ++i) {
      if (const auto colour = list->GetVector(10000 + i)) colours.push_back(*colour);
    }
    return colours;
  }
};

TEST_F(PicturePaletteTest, ThePalettePutsThePicturesColoursIntoTheStripMostCommonFirst) {
  OpenWithTools(true);
  ASSERT_TRUE(Started());
  LoadStripes();
  StripMenu(kPaletteEntry);
  EXPECT_EQ(Gadget("c", kSampleCount).Text().value_or(""), "8");
  const std::vector<host::Vector3> stored = StoredColours();
  ASSERT_EQ(stored.size(), kStripes.size());
  const host::Bitmap strip = Picture("c", kStrip);
  for (std::size_t i = 0; i < kStripes.size(); ++i) {
    SCOPED_TRACE(i);
    const testpictures::Pixel want = kStripes[i].second;
    EXPECT_NEAR(stored[i].x * 255.0, want[0] / 257, 1e-6);
    EXPECT_NEAR(stored[i].y * 255.0, want[1] / 257, 1e-6);
    EXPECT_NEAR(stored[i].z * 255.0, want[2] / 257, 1e-6);
    const host::Rgba cell = strip.GetPixel(15 * static_cast<int>(i + 1) + 7, 7);
    EXPECT_NEAR(cell.r, want[0] / 257, 1);
    EXPECT_NEAR(cell.g, want[1] / 257, 1);
    EXPECT_NEAR(cell.b, want[2] / 257, 1);
  }
  // The most common colour is selected and becomes the chooser's colour.
  EXPECT_NEAR(Data("c").color.x, 220 / 255.0, 1e-9);
  EXPECT_NEAR(Data("c").color.z, 40 / 255.0, 1e-9);
  const auto sent = Sent("c");
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.back().GetInt32(kMessageDrag), 0);
}

TEST_F(PicturePaletteTest, OnePictureAlwaysGivesTheSamePaletteAndFewerColoursGiveFewerSamples) {
  OpenWithTools(true);
  ASSERT_TRUE(Started());
  LoadStripes();
  StripMenu(kPaletteEntry);
  const host::Container first = State("c");
  StripMenu(kPaletteEntry);
  const host::Container second = State("c");
  ASSERT_NE(first.GetContainer(0x3EC0013), nullptr);
  ASSERT_NE(second.GetContainer(0x3EC0013), nullptr);
  EXPECT_EQ(*second.GetContainer(0x3EC0013), *first.GetContainer(0x3EC0013));
  // Two colours give two samples, not eight.
  LoadHalves();
  StripMenu(kPaletteEntry);
  EXPECT_EQ(Gadget("c", kSampleCount).Text().value_or(""), "2");
  std::vector<host::Vector3> halves = StoredColours();
  ASSERT_EQ(halves.size(), 2u);
  std::sort(halves.begin(), halves.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
  EXPECT_NEAR(halves[0].z * 255.0, 200.0, 1e-6);
  EXPECT_NEAR(halves[1].x * 255.0, 220.0, 1e-6);
}

TEST_F(PicturePaletteTest, ThePaletteEntryIsOnlyOfferedWithThePerceptualTools) {
  auto ids = [](const std::vector<host::MenuEntry>& entries) {
    std::vector<std::int32_t> out;
    for (const auto& e : entries) out.push_back(e.id);
    return out;
  };
  const std::vector<std::int32_t> stated{900000, 900001, 900002, 900003, 900004, 900005, 900006, 900007};
  for (const std::optional<bool> tools : {std::optional<bool>(), std::optional<bool>(false)}) {
    SCOPED_TRACE(tools ? "off" : "absent");
    OpenWithTools(tools);
    ASSERT_TRUE(Started());
    LoadHalves();
    EXPECT_EQ(ids(StripMenu()), stated);
    TearDown();
  }
  OpenWithTools(true);
  ASSERT_TRUE(Started());
  // Without a picture the entry is there but disabled; the colour-vision
  // submenu follows it.
  const auto palette = [](const std::vector<host::MenuEntry>& entries) {
    const auto it =
        std::find_if(entries.begin(), entries.end(), [](const host::MenuEntry& e) { return e.id == kPaletteEntry; });
    return it == entries.end() ? host::MenuEntry() : *it;
  };
  auto entries = StripMenu();
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(palette(entries).id, kPaletteEntry);
  EXPECT_TRUE(palette(entries).disabled);
  LoadHalves();
  entries = StripMenu();
  std::vector<std::int32_t> withTools = stated;
  for (const std::int32_t id : {0, kPaletteEntry, 0, kColorVisionEntry}) withTools.push_back(id);
  EXPECT_EQ(ids(entries), withTools);
  EXPECT_EQ(palette(entries).text, "Palette from Picture (8 Colors)");
  EXPECT_FALSE(palette(entries).disabled);
}

}  // namespace
}  // namespace choosertest
