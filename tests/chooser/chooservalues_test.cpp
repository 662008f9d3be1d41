// How the colour travels between the host, two open choosers and their
// panels.
#include <cmath>

#include "chooserfixture.h"

namespace choosertest
{
namespace
{
constexpr std::int32_t kStateHsv = 0x3E8000A;
constexpr std::int32_t kLinearContext = 0x3E8000E;
constexpr double kNear = 1e-9;

host::Container HsvOnly()
{
  host::Container prefs = AllModesOff();
  prefs.SetBool(1113, true);
  return prefs;
}

class ChooserValuesTest : public ChooserTest
{
protected:
  host::Vector3 Hsv(const std::string& key) { return State(key).GetVector(kStateHsv).value_or(host::Vector3{}); }
};

TEST_F(ChooserValuesTest, GreysKeepTheHueAndBlackKeepsTheSaturationToo)
{
  Start(HsvOnly());
  Open("grey", Settings(0, 0), {Plain(0.8, 0.4, 0.2)});
  Open("black", Settings(0, 0), {Plain(0.8, 0.4, 0.2)});
  const host::Vector3 orange = Hsv("grey");
  EXPECT_NEAR(orange.x, 20.0 / 360.0, kNear);
  EXPECT_NEAR(orange.y, 0.75, kNear);

  Set("grey", Plain(0.5, 0.5, 0.5));
  Set("black", Plain(0.0, 0.0, 0.0));

  const host::Vector3 grey = Hsv("grey");
  EXPECT_NEAR(grey.x, orange.x, kNear);
  EXPECT_NEAR(grey.y, 0.0, kNear);
  EXPECT_NEAR(grey.z, 0.5, kNear);
  const host::Vector3 black = Hsv("black");
  EXPECT_NEAR(black.x, orange.x, kNear);
  EXPECT_NEAR(black.y, orange.y, kNear);
  EXPECT_NEAR(black.z, 0.0, kNear);
  // The HSV panel shows the kept hue (its field is in radians).
  ASSERT_NE(Gadget("grey", kHueField), nullptr);
  EXPECT_NEAR(Gadget("grey", kHueField)->Number().value_or(-1), orange.x * 2 * M_PI, 1e-6);
}

TEST_F(ChooserValuesTest, ComponentsAreClampedButAlphaIsNot)
{
  Start(HsvOnly());
  Open("plain", Settings(0, 0), {Plain(0.1, 0.2, 0.3)});
  host::Container alphaSettings = Settings(0, 0);
  alphaSettings.SetInt32(kAlpha, 1);
  Open("alpha", alphaSettings, {WithAlpha(0.1, 0.2, 0.3, 1.0)});

  Set("plain", Plain(1.5, -0.25, 0.5));
  Set("alpha", WithAlpha(2.0, 0.5, -1.0, 1.75));

  const host::ColorValue plain = Data("plain");
  EXPECT_EQ(plain.color, (host::Vector3{1.0, 0.0, 0.5}));
  const host::ColorValue alpha = Data("alpha");
  EXPECT_EQ(alpha.color, (host::Vector3{1.0, 0.5, 0.0}));
  EXPECT_DOUBLE_EQ(alpha.alpha, 1.75);
}

TEST_F(ChooserValuesTest, LinearObjectsPassThroughBothTransformCodes)
{
  host::Container prefs = HsvOnly();
  prefs.SetBool(1139, true);
  Start(prefs);
  Open("linear", Settings(0, 0), {Plain(0.2, 0.5, 0.8)}, {true});
  Open("plain", Settings(0, 0), {Plain(0.2, 0.5, 0.8)});

  EXPECT_TRUE(State("linear").GetBool(kLinearContext));
  EXPECT_FALSE(State("plain").GetBool(kLinearContext));
  // Inside, the linear chooser works in display-encoded values: 0.8 linear
  // is about 0.906 on the sRGB curve, and that is the value it shows.
  EXPECT_NEAR(Gadget("linear", kValueField)->Number().value_or(-1), 0.9063, 1e-4);
  EXPECT_NEAR(Gadget("plain", kValueField)->Number().value_or(-1), 0.8, kNear);
  // Read back, the colour is in the host's space again.
  const host::ColorValue back = Data("linear");
  EXPECT_NEAR(back.color.x, 0.2, kNear);
  EXPECT_NEAR(back.color.y, 0.5, kNear);
  EXPECT_NEAR(back.color.z, 0.8, kNear);

  // Without the linear display switch nothing is converted.
  host::Container off;
  off.SetBool(1139, false);
  Host().SetPrefs(off);
  Open("undisplayed", Settings(0, 0), {Plain(0.2, 0.5, 0.8)}, {true});
  EXPECT_TRUE(State("undisplayed").GetBool(kLinearContext));
  EXPECT_NEAR(Gadget("undisplayed", kValueField)->Number().value_or(-1), 0.8, kNear);
}

TEST_F(ChooserValuesTest, OnlyCommandsThatChangeTheColourReachTheParent)
{
  host::Container prefs = AllModesOff();
  prefs.SetBool(1110, true);
  Start(prefs);
  Open("a", Settings(0, 0), {Plain(0.2, 0.4, 0.6)});
  Open("b", Settings(0, 0), {Plain(0.2, 0.4, 0.6)});
  Host().ClearParentMessages();

  // An ID of the RGB panel that none of its gadgets has changes nothing.
  host::Container unknown(kAction);
  unknown.SetInt32(kMessageId, 0x3ED00FF);
  unknown.Set(kMessageValue, host::Value::Float(0.9));
  host::Container result;
  Chooser("a").Message(unknown, result);
  EXPECT_TRUE(MessagesFrom("a").empty());

  // The red slider does, and the page, GetData and the message agree.
  host::Container slider(kAction);
  slider.SetInt32(kMessageId, kRedSlider);
  slider.Set(kMessageValue, host::Value::Float(0.75));
  Chooser("a").Message(slider, result);
  const auto sent = MessagesFrom("a");
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].GetInt32(kMessageId), Chooser("a").GadgetId());
  const host::Vector3 value = VectorOf(sent[0].Find(kMessageValue));
  EXPECT_EQ(value, (host::Vector3{0.75, 0.4, 0.6}));
  EXPECT_EQ(Data("a").color, value);
  EXPECT_EQ(Host().Parameter("a")->Shown().color, value);
  EXPECT_TRUE(MessagesFrom("b").empty());
  EXPECT_EQ(Data("b").color, (host::Vector3{0.2, 0.4, 0.6}));
}

TEST_F(ChooserValuesTest, DraggingTheRedSliderSendsLiveChangesThenAFinalOne)
{
  host::Container prefs = AllModesOff();
  prefs.SetBool(1110, true);
  Start(prefs);
  Open("a", Settings(0, 0), {Plain(0.2, 0.4, 0.6)});
  Host().ClearParentMessages();
  host::Widget* slider = Gadget("a", kRedSlider);
  ASSERT_NE(slider, nullptr);
  const int width = slider->Frame().w;
  Host().Input().Drag(*slider, {{2, 4}, {width / 2, 4}, {width - 3, 4}}, 1, 0, false);

  const auto sent = MessagesFrom("a");
  ASSERT_GE(sent.size(), 2u);
  EXPECT_EQ(sent.front().GetInt32(Code('m', 'e', 'd', 'r')), 1);
  EXPECT_EQ(sent.back().GetInt32(Code('m', 'e', 'd', 'r')), 0);
  EXPECT_EQ(VectorOf(sent.back().Find(kMessageValue)), Data("a").color);
  EXPECT_GT(Data("a").color.x, 0.9);
}

TEST_F(ChooserValuesTest, BrightnessFormCarriesBrightnessAndItsMaximum)
{
  Start(HsvOnly());
  host::ColorValue value = Plain(0.2, 0.4, 0.6);
  value.form = host::ColorForm::Brightness;
  value.brightness = 3.0;
  value.maximum = 2.0;
  Open("b", Settings(2, 0), {value});

  // The brightness is limited to the maximum the host gave.
  EXPECT_DOUBLE_EQ(Gadget("b", kBrightnessField)->Number().value_or(-1), 2.0);
  const host::Container state = State("b");
  EXPECT_DOUBLE_EQ(state.GetFloat(0x3E80007), 2.0);
  EXPECT_DOUBLE_EQ(state.GetFloat(0x3E80008), 2.0);

  Host().ClearParentMessages();
  host::Container slider(kAction);
  slider.SetInt32(kMessageId, kBrightnessSlider);
  slider.Set(kMessageValue, host::Value::Float(0.5));
  host::Container result;
  Chooser("b").Message(slider, result);
  const auto sent = MessagesFrom("b");
  ASSERT_EQ(sent.size(), 1u);
  const host::Container* carried = sent[0].GetContainer(kMessageValue);
  ASSERT_NE(carried, nullptr);
  EXPECT_EQ(VectorOf(carried->Find(0)), (host::Vector3{0.2, 0.4, 0.6}));
  EXPECT_DOUBLE_EQ(carried->GetFloat(1), 0.5);
}

TEST_F(ChooserValuesTest, PreferencesChangedBringsTheNewColourUnitToEveryChooser)
{
  host::Container prefs = AllModesOff();
  prefs.SetBool(1110, true);
  Start(prefs);
  Open("a", Settings(0, 0), {Plain(1.0, 0.5, 0.0)});
  Open("b", Settings(0, 0), {Plain(1.0, 0.5, 0.0)});
  // 8-bit unless the preference says otherwise.
  EXPECT_DOUBLE_EQ(Gadget("a", kRedField)->Number().value_or(-1), 255.0);

  host::Container unit;
  unit.SetInt32(1102, 2);
  Host().SetPrefs(unit);
  EXPECT_DOUBLE_EQ(Gadget("a", kRedField)->Number().value_or(-1), 65535.0);
  EXPECT_DOUBLE_EQ(Gadget("b", kRedField)->Number().value_or(-1), 65535.0);

  unit.SetInt32(1102, 0);
  Host().SetPrefs(unit);
  EXPECT_DOUBLE_EQ(Gadget("a", kRedField)->Number().value_or(-1), 1.0);
  EXPECT_DOUBLE_EQ(Gadget("b", kRedField)->Number().value_or(-1), 1.0);

  unit.SetInt32(1102, 1);
  Host().SetPrefs(unit);
  EXPECT_DOUBLE_EQ(Gadget("a", kRedField)->Number().value_or(-1), 255.0);
}

TEST_F(ChooserValuesTest, APreferencesBroadcastReachesEveryChooserSenderIncluded)
{
  host::Container prefs = AllModesOff();
  prefs.SetBool(1110, true);
  prefs.SetInt32(1102, 1);
  Start(prefs);
  Open("a", Settings(0, 0), {Plain(1.0, 0.5, 0.0)});
  Open("b", Settings(0, 0), {Plain(1.0, 0.5, 0.0)});

  // The preference changes quietly; only the broadcast tells the choosers.
  Host().Prefs().SetInt32(1102, 2);
  EXPECT_DOUBLE_EQ(Gadget("a", kRedField)->Number().value_or(-1), 255.0);
  Host().GetHost().Events().Post({1000492, 0, 0});
  EXPECT_DOUBLE_EQ(Gadget("a", kRedField)->Number().value_or(-1), 65535.0);
  EXPECT_DOUBLE_EQ(Gadget("b", kRedField)->Number().value_or(-1), 65535.0);

  // Other codes leave the unit alone.
  Host().Prefs().SetInt32(1102, 0);
  Host().GetHost().Events().Post({1000492, 0x3EB0004, 0});
  EXPECT_DOUBLE_EQ(Gadget("a", kRedField)->Number().value_or(-1), 65535.0);
}

TEST_F(ChooserValuesTest, AnImageFileDroppedOnThePictureButtonOpensPictureMode)
{
  host::Container prefs = AllModesOff();
  prefs.SetInt32(1119, 1);
  Start(prefs);
  Open("a", Settings(0, 0), {Plain(0.2, 0.4, 0.6)});
  ASSERT_TRUE(State("a").GetBool(kWheel));

  host::Container drag(10003);
  drag.SetInt32(20, 202);
  drag.SetString(21, "/pictures/sky.png");
  drag.SetInt32(22, kPicture);
  drag.SetInt32(5, 0);
  host::Container result;
  Chooser("a").Message(drag, result);
  // Hovering only changes the cursor.
  EXPECT_EQ(Chooser("a").DragDestinationCursor(), 10);
  EXPECT_TRUE(State("a").GetBool(kWheel));

  // A colour drag or a cancelled one is not a picture.
  host::Container cancelled = drag;
  cancelled.SetInt32(5, 1);
  cancelled.SetInt32(7, 1);
  Chooser("a").Message(cancelled, result);
  host::Container elsewhere = drag;
  elsewhere.SetInt32(5, 1);
  elsewhere.SetInt32(22, kHueField);
  Chooser("a").Message(elsewhere, result);
  EXPECT_FALSE(State("a").GetBool(kPicture));

  drag.SetInt32(5, 1);
  Chooser("a").Message(drag, result);
  const host::Container state = State("a");
  EXPECT_TRUE(state.GetBool(kPicture));
  EXPECT_FALSE(state.GetBool(kWheel));
  EXPECT_FALSE(state.GetBool(kSpectrum));
  ASSERT_NE(state.Find(0x3EC0002), nullptr);
}

}  // namespace
}  // namespace choosertest
