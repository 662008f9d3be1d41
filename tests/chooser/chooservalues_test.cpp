// How the colour travels between the host, two open choosers and their
// panels.
#include <cmath>

#include "chooserfixture.h"

namespace choosertest
{
namespace
{
constexpr double kNear = 1e-9;

class ChooserValuesTest : public ChooserTest
{
protected:
  host::Vector3 Hsv(const std::string& key) { return State(key).GetVector(kStateHsv).value_or(host::Vector3{}); }
};

TEST_F(ChooserValuesTest, GreysKeepTheHueAndBlackKeepsTheSaturationToo)
{
  Start(Modes({kPrefHsv}));
  Open("grey", Settings(0, 0), Plain(0.8, 0.4, 0.2));
  Open("black", Settings(0, 0), Plain(0.8, 0.4, 0.2));
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
  ASSERT_NE(Find("grey", kHueField), nullptr);
  EXPECT_NEAR(Number("grey", kHueField), orange.x * 2 * M_PI, 1e-6);
}

TEST_F(ChooserValuesTest, ComponentsAreClampedButAlphaIsNot)
{
  Start(Modes({kPrefHsv}));
  Open("plain", Settings(0, 0), Plain(0.1, 0.2, 0.3));
  Open("alpha", AlphaSettings(0, 0), WithAlpha(0.1, 0.2, 0.3, 1.0));

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
  Start(Modes({kPrefHsv, kPrefLinearDisplay}));
  Open("linear", Settings(0, 0), Plain(0.2, 0.5, 0.8), true);
  Open("plain", Settings(0, 0), Plain(0.2, 0.5, 0.8));

  EXPECT_TRUE(State("linear").GetBool(kLinearContext));
  EXPECT_FALSE(State("plain").GetBool(kLinearContext));
  // Inside, the linear chooser works in display-encoded values: 0.8 linear
  // is about 0.906 on the sRGB curve, and that is the value it shows.
  EXPECT_NEAR(Number("linear", kValueField), 0.9063, 1e-4);
  EXPECT_NEAR(Number("plain", kValueField), 0.8, kNear);
  // Read back, the colour is in the host's space again.
  const host::ColorValue back = Data("linear");
  EXPECT_NEAR(back.color.x, 0.2, kNear);
  EXPECT_NEAR(back.color.y, 0.5, kNear);
  EXPECT_NEAR(back.color.z, 0.8, kNear);

  // Without the linear display switch nothing is converted.
  host::Container off;
  off.SetBool(kPrefLinearDisplay, false);
  Host().SetPrefs(off);
  Open("undisplayed", Settings(0, 0), Plain(0.2, 0.5, 0.8), true);
  EXPECT_TRUE(State("undisplayed").GetBool(kLinearContext));
  EXPECT_NEAR(Number("undisplayed", kValueField), 0.8, kNear);
}

TEST_F(ChooserValuesTest, OnlyCommandsThatChangeTheColourReachTheParent)
{
  Start(Modes({kPrefRgb}));
  Open("a", Settings(0, 0), Plain(0.2, 0.4, 0.6));
  Open("b", Settings(0, 0), Plain(0.2, 0.4, 0.6));

  // An ID of the RGB panel that none of its gadgets has changes nothing.
  host::Container unknown(kAction);
  unknown.SetInt32(kMessageId, 0x3ED00FF);
  unknown.Set(kMessageValue, host::Value::Float(0.9));
  host::Container result;
  Chooser("a").Message(unknown, result);
  EXPECT_TRUE(Sent("a").empty());

  // The red slider does, and the page, GetData and the message agree.
  host::Container slider(kAction);
  slider.SetInt32(kMessageId, kRedSlider);
  slider.Set(kMessageValue, host::Value::Float(0.75));
  Chooser("a").Message(slider, result);
  const auto sent = Sent("a");
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].GetInt32(kMessageId), Chooser("a").GadgetId());
  const host::Vector3 value = VectorOf(sent[0].Find(kMessageValue));
  EXPECT_EQ(value, (host::Vector3{0.75, 0.4, 0.6}));
  EXPECT_EQ(Data("a").color, value);
  EXPECT_EQ(Host().Parameter("a")->Shown().color, value);
  EXPECT_TRUE(Sent("b").empty());
  EXPECT_EQ(Data("b").color, (host::Vector3{0.2, 0.4, 0.6}));
}

TEST_F(ChooserValuesTest, DraggingTheRedSliderSendsLiveChangesThenAFinalOne)
{
  Start(Modes({kPrefRgb}));
  Open("a", Settings(0, 0), Plain(0.2, 0.4, 0.6));
  ASSERT_NE(Find("a", kRedSlider), nullptr);
  const int width = Gadget("a", kRedSlider).Frame().w;
  Drag("a", kRedSlider, {{2, 4}, {width / 2, 4}, {width - 3, 4}});

  const auto sent = Sent("a");
  ASSERT_GE(sent.size(), 2u);
  EXPECT_EQ(sent.front().GetInt32(kMessageDrag), 1);
  EXPECT_EQ(sent.back().GetInt32(kMessageDrag), 0);
  EXPECT_EQ(VectorOf(sent.back().Find(kMessageValue)), Data("a").color);
  EXPECT_GT(Data("a").color.x, 0.9);
}

TEST_F(ChooserValuesTest, BrightnessFormCarriesBrightnessAndItsMaximum)
{
  Start(Modes({kPrefHsv}));
  host::ColorValue value = Plain(0.2, 0.4, 0.6);
  value.form = host::ColorForm::Brightness;
  value.brightness = 3.0;
  value.maximum = 2.0;
  Open("b", Settings(2, 0), value);

  // The brightness is limited to the maximum the host gave.
  EXPECT_DOUBLE_EQ(Number("b", kBrightnessField), 2.0);
  const host::Container state = State("b");
  EXPECT_DOUBLE_EQ(state.GetFloat(0x3E80007), 2.0);
  EXPECT_DOUBLE_EQ(state.GetFloat(0x3E80008), 2.0);

  Host().ClearParentMessages();
  host::Container slider(kAction);
  slider.SetInt32(kMessageId, kBrightnessSlider);
  slider.Set(kMessageValue, host::Value::Float(0.5));
  host::Container result;
  Chooser("b").Message(slider, result);
  const auto sent = Sent("b");
  ASSERT_EQ(sent.size(), 1u);
  const host::Container* carried = sent[0].GetContainer(kMessageValue);
  ASSERT_NE(carried, nullptr);
  EXPECT_EQ(VectorOf(carried->Find(0)), (host::Vector3{0.2, 0.4, 0.6}));
  EXPECT_DOUBLE_EQ(carried->GetFloat(1), 0.5);
}

TEST_F(ChooserValuesTest, PreferencesChangedBringsTheNewColourUnitToEveryChooser)
{
  Start(Modes({kPrefRgb}));
  Open("a", Settings(0, 0), Plain(1.0, 0.5, 0.0));
  Open("b", Settings(0, 0), Plain(1.0, 0.5, 0.0));
  // 8-bit unless the preference says otherwise.
  EXPECT_DOUBLE_EQ(Number("a", kRedField), 255.0);

  host::Container unit;
  unit.SetInt32(kPrefColorUnit, 2);
  Host().SetPrefs(unit);
  EXPECT_DOUBLE_EQ(Number("a", kRedField), 65535.0);
  EXPECT_DOUBLE_EQ(Number("b", kRedField), 65535.0);

  unit.SetInt32(kPrefColorUnit, 0);
  Host().SetPrefs(unit);
  EXPECT_DOUBLE_EQ(Number("a", kRedField), 1.0);
  EXPECT_DOUBLE_EQ(Number("b", kRedField), 1.0);

  unit.SetInt32(kPrefColorUnit, 1);
  Host().SetPrefs(unit);
  EXPECT_DOUBLE_EQ(Number("a", kRedField), 255.0);
}

TEST_F(ChooserValuesTest, APreferencesBroadcastReachesEveryChooserSenderIncluded)
{
  host::Container prefs = Modes({kPrefRgb});
  prefs.SetInt32(kPrefColorUnit, 1);
  Start(prefs);
  Open("a", Settings(0, 0), Plain(1.0, 0.5, 0.0));
  Open("b", Settings(0, 0), Plain(1.0, 0.5, 0.0));

  // The preference changes quietly; only the broadcast tells the choosers.
  Host().Prefs().SetInt32(kPrefColorUnit, 2);
  EXPECT_DOUBLE_EQ(Number("a", kRedField), 255.0);
  Host().GetHost().Events().Post({1000492, 0, 0});
  EXPECT_DOUBLE_EQ(Number("a", kRedField), 65535.0);
  EXPECT_DOUBLE_EQ(Number("b", kRedField), 65535.0);

  // Other codes leave the unit alone.
  Host().Prefs().SetInt32(kPrefColorUnit, 0);
  Host().GetHost().Events().Post({1000492, 0x3EB0004, 0});
  EXPECT_DOUBLE_EQ(Number("a", kRedField), 65535.0);
}

TEST_F(ChooserValuesTest, AnImageFileDroppedOnThePictureButtonOpensPictureMode)
{
  host::Container prefs = Modes();
  prefs.SetInt32(kPrefStartMode, 1);
  Start(prefs);
  Open("a", Settings(0, 0), Plain(0.2, 0.4, 0.6));
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
