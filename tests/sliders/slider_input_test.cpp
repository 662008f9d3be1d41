// Mouse, wheel and keys on the gradient sliders, through the host's event
// path, seen in what the chooser tells its parent.
#include <cmath>
#include <set>

#include "sliderfixture.h"

namespace choosertest
{
namespace
{
constexpr std::int32_t kKeyHome = 61830;
constexpr std::int32_t kKeyEnd = 61831;
constexpr std::int32_t kKeyLeft = 61826;
constexpr std::int32_t kKeyRight = 61827;

long Level8(double c)
{
  return std::lround(c * 255.0);
}

class SliderInputTest : public SliderTest
{};

TEST_F(SliderInputTest, CtrlDragOnTheHueSliderSnapsToSixtyDegrees)
{
  Start(Modes({kPrefHsv}));
  Open("a", {1.0, 0.0, 0.0});
  const int width = Gadget("a", kHueSlider).Frame().w;
  std::vector<host::Point> path;
  for (int x = 1; x < width + 6; x += 3)
    path.push_back({x, 8});
  Drag("a", kHueSlider, path, 2);

  // Every step is a pure hue at a multiple of 60 degrees: components 0 or 1.
  std::set<long> seen;
  const auto sent = Sent("a");
  ASSERT_GE(sent.size(), path.size() / 2);
  for (const host::Container& message : sent)
  {
    const host::Vector3 c = message.Find(kMessageValue)->AsVector().value_or(host::Vector3{-1, -1, -1});
    for (const double component : {c.x, c.y, c.z})
      ASSERT_TRUE(component == 0.0 || component == 1.0) << c.x << ", " << c.y << ", " << c.z;
    seen.insert(Level8(c.x) * 65536 + Level8(c.y) * 256 + Level8(c.z));
  }
  EXPECT_EQ(seen.size(), 6u);
  // Dragged past the end the hue is a full turn, shown as 360 degrees.
  EXPECT_EQ(sent.back().GetInt32(kMessageDrag), 0);
  EXPECT_NEAR(Number("a", kHueField), kTwoPi, 1e-9);
  EXPECT_EQ(Data("a").color, (host::Vector3{1.0, 0.0, 0.0}));
}

TEST_F(SliderInputTest, SixteenBitWheelNotchIsOneEightBitStep)
{
  Start(Modes({kPrefRgb}));
  Open("a", {100.0 / 255.0, 0.5, 0.5});
  ChooseUnit(2);
  EXPECT_DOUBLE_EQ(Number("a", kRedField), 25700.0);

  Wheel("a", kRedSlider, 0.0, 1.0);
  EXPECT_EQ(Level8(LastColor("a").x), 101);
  Wheel("a", kRedSlider, 0.0, -1.0);
  EXPECT_EQ(Level8(LastColor("a").x), 100);
  // The larger axis decides; alt moves ten steps.
  Wheel("a", kRedSlider, -2.0, 1.0, 4);
  EXPECT_EQ(Level8(LastColor("a").x), 90);
  EXPECT_EQ(Sent("a").back().GetInt32(kMessageDrag), 0);
}

TEST_F(SliderInputTest, KeysAtTheEndSendNothing)
{
  Start(Modes({kPrefRgb}));
  Open("a", {1.0, 0.5, 0.25});
  ChooseUnit(1);

  Key("a", kRedSlider, kKeyEnd);
  Key("a", kRedSlider, kKeyRight);
  EXPECT_TRUE(Sent("a").empty());

  Key("a", kRedSlider, kKeyLeft);
  ASSERT_EQ(Sent("a").size(), 1u);
  EXPECT_EQ(Level8(LastColor("a").x), 254);
  Key("a", kRedSlider, kKeyLeft, 1);  // ten steps with a qualifier
  EXPECT_EQ(Level8(LastColor("a").x), 244);
  Key("a", kRedSlider, kKeyHome);
  EXPECT_EQ(LastColor("a").x, 0.0);
  Key("a", kRedSlider, kKeyHome);
  EXPECT_EQ(Sent("a").size(), 3u);
}

TEST_F(SliderInputTest, CancelledDragSendsTheOldValueLast)
{
  Start(Modes({kPrefRgb}));
  Open("a", {0.2, 0.4, 0.6});
  const int width = Gadget("a", kRedSlider).Frame().w;
  Drag("a", kRedSlider, {{width / 2, 8}, {width - 10, 8}, {width - 3, 8}}, 0, true);

  const auto sent = Sent("a");
  ASSERT_GE(sent.size(), 2u);
  for (std::size_t i = 0; i + 1 < sent.size(); ++i)
    EXPECT_EQ(sent[i].GetInt32(kMessageDrag), 1) << i;
  EXPECT_GT(sent[sent.size() - 2].Find(kMessageValue)->AsVector()->x, 0.9);
  EXPECT_EQ(sent.back().GetInt32(kMessageDrag), 0);
  EXPECT_EQ(LastColor("a"), (host::Vector3{0.2, 0.4, 0.6}));
  EXPECT_EQ(Data("a").color, (host::Vector3{0.2, 0.4, 0.6}));
}

TEST_F(SliderInputTest, MiddleButtonDragMovesInTenSteps)
{
  Start(Modes({kPrefRgb}));
  Open("a", {0.0, 0.0, 0.0});
  ChooseUnit(1);
  const int width = Gadget("a", kGreenSlider).Frame().w;
  std::vector<host::Point> path;
  for (int x = 2; x < width - 2; x += 5)
    path.push_back({x, 8});
  Drag("a", kGreenSlider, path, 0, false, 3);
  for (const host::Container& message : Sent("a"))
    EXPECT_EQ(Level8(message.Find(kMessageValue)->AsVector()->y) % 10, 0);
}

TEST_F(SliderInputTest, RightClickResetsOnlyWhereTheSliderAllowsIt)
{
  Start(Modes({kPrefRgb, kPrefMixer}));
  Open("a", {0.2, 0.4, 0.6});
  // The RGB sliders have no reset.
  Click("a", kRedSlider, 2);
  EXPECT_TRUE(Sent("a").empty());
  // The mixer's slider does: the default colours half way.
  Click("a", kMixerSlider, 2);
  const host::Vector3 mix = LastColor("a");
  EXPECT_NEAR(mix.x, 0.48, 1e-12);
  EXPECT_NEAR(mix.y, 0.374, 1e-12);
  EXPECT_NEAR(mix.z, 0.48, 1e-12);
  EXPECT_EQ(Sent("a").back().GetInt32(kMessageDrag), 0);
}
}  // namespace
}  // namespace choosertest
