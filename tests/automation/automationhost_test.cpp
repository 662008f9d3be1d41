// The automation host with the real module: what a chooser shows and sends
// as the page sets values, as the user answers the colour dialog and types
// into a field, and pictures of it.
#include <gtest/gtest.h>

#include <cmath>

#include "automation/automationhost.h"
#include "core/fourcc.h"
#include "core/worldpreferences.h"
#include "gui/numberfield.h"
#include "gui/widget.h"

namespace {

using host::ColorForm;
using host::ColorValue;

constexpr int32_t kColorField = 0x3E80002;
constexpr int32_t kBrightnessField = 0x3E80006;
constexpr int32_t kLinearContext = 0x3E8000E;
constexpr int32_t kValueField = 0x3EE0003;  // HSV panel

bool ShowsMixed(const host::Widget& field) {
  const auto text = field.Text();
  return text == host::NumberField::kMixedText || text == host::NumberField::kMixedShortText;
}

class AutomationHostTest : public ::testing::Test {
 protected:
  void Start(int scale = 1, host::Container prefs = host::Container()) {
    host::AutomationOptions options;
    options.module = GXA_MODULE_PATH;
    options.scale = scale;
    options.prefs = std::move(prefs);
    auto created = host::AutomationHost::Create(options);
    ASSERT_TRUE(created.Ok()) << created.Error();
    a_ = std::move(created.Value());
  }
  void TearDown() override { a_.reset(); }

  void Open(const std::string& key, host::Container settings, std::vector<host::EditedObject> objects) {
    auto opened = a_->Open({key, "", std::move(settings), std::move(objects)});
    ASSERT_TRUE(opened.Ok()) << opened.Error();
  }
  static host::EditedObject Plain(double r, double g, double b, bool linear = false) {
    return {ColorValue{ColorForm::Vector, {r, g, b}}, linear};
  }
  // The pixel in the middle of the colour field.
  host::Rgba FieldCentre(const std::string& key) {
    host::Widget* field = a_->FindGadget(key, kColorField);
    EXPECT_NE(field, nullptr);
    if (!field) return {};
    auto picture = a_->Capture(field);
    EXPECT_TRUE(picture.Ok()) << picture.Error();
    return picture->GetPixel(picture->Width() / 2, picture->Height() / 2);
  }
  static void ExpectNear(host::Rgba got, int r, int g, int b) {
    EXPECT_NEAR(got.r, r, 1);
    EXPECT_NEAR(got.g, g, 1);
    EXPECT_NEAR(got.b, b, 1);
  }

  std::unique_ptr<host::AutomationHost> a_;
};

TEST_F(AutomationHostTest, ColourFieldPixelsCarryTheChoosersColour) {
  Start(2);
  Open("c", host::Container(), {Plain(0.2, 0.6, 0.4)});
  ExpectNear(FieldCentre("c"), 51, 153, 102);

  ASSERT_TRUE(a_->SetValues("c", {{ColorForm::Vector, {0.9, 0.1, 0.1}}}).Ok());
  ExpectNear(FieldCentre("c"), 230, 26, 26);

  // Physical pixels: twice the gadget's logical size.
  host::Widget* field = a_->FindGadget("c", kColorField);
  auto picture = a_->Capture(field);
  ASSERT_TRUE(picture.Ok());
  EXPECT_EQ(picture->Width(), 2 * field->GlobalFrame().w);
  EXPECT_EQ(picture->Height(), 2 * field->GlobalFrame().h);
}

TEST_F(AutomationHostTest, LinearObjectIsShownInTheChoosersSpaceAndComesBackUnchanged) {
  host::Container prefs;
  prefs.SetBool(host::WorldPreferences::kLinearDisplay, true);
  Start(1, prefs);
  host::Container expanded;
  expanded.SetInt32(host::FourCC("laym"), 2);
  Open("plain", expanded, {Plain(0.5, 0.5, 0.5)});
  Open("linear", expanded, {Plain(0.5, 0.5, 0.5, true)});
  // The chooser found the linear object through the page...
  EXPECT_TRUE(a_->State("linear")->GetBool(kLinearContext));
  EXPECT_FALSE(a_->State("plain")->GetBool(kLinearContext));
  // ...works on its sRGB encoding, and hands back the linear value.
  EXPECT_DOUBLE_EQ(*a_->FindGadget("plain", kValueField)->Number(), 0.5);
  EXPECT_NEAR(*a_->FindGadget("linear", kValueField)->Number(), 0.7354, 1e-4);
  auto data = a_->GetData("linear");
  ASSERT_TRUE(data.has_value());
  EXPECT_NEAR(data->value.AsVector()->x, 0.5, 1e-9);
}

TEST_F(AutomationHostTest, ColourDialogAnswerReachesThePageAndGetDataAgrees) {
  Start();
  Open("a", host::Container(), {Plain(0.8, 0.3, 0.1)});
  Open("b", host::Container(), {Plain(0.1, 0.1, 0.1)});
  a_->ClearParentMessages();
  a_->Answer(host::Answer::Color(0.2, 0.6, 0.4));
  a_->Input().Click(*a_->FindGadget("a", kColorField), std::nullopt, GXA_CHANNEL_LEFT, 0, false);

  const host::Vector3 chosen{0.2, 0.6, 0.4};
  bool sent = false;
  for (const auto& m : a_->ParentMessages()) {
    if (m.key == "a" && m.message.Id() == GXA_MSG_ACTION) sent = m.message.GetVector(GXA_MSG_VALUE) == chosen;
  }
  EXPECT_TRUE(sent);
  EXPECT_EQ(a_->Parameter("a")->Values().front().color, chosen);
  EXPECT_EQ(a_->GetData("a")->value.AsVector(), chosen);
  EXPECT_EQ(a_->GetData("b")->value.AsVector(), (host::Vector3{0.1, 0.1, 0.1}));
}

TEST_F(AutomationHostTest, MixedBrightnessIsShownUntilTheUserTypesOne) {
  Start();
  host::Container light;
  light.SetInt32(host::FourCC("retT"), 2);
  Open("light", light,
       {{ColorValue{ColorForm::Brightness, {1, 1, 1}, 1, 0.5, 2}, false},
        {ColorValue{ColorForm::Brightness, {1, 1, 1}, 1, 1.5, 2}, false}});
  host::Widget* field = a_->FindGadget("light", kBrightnessField);
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(ShowsMixed(*field)) << field->Text().value_or("");

  a_->Input().Type(*field, "80", host::InputDriver::Commit::Enter);
  for (const ColorValue& v : a_->Parameter("light")->Values()) {
    EXPECT_NEAR(v.brightness, 0.8, 1e-9);
    EXPECT_DOUBLE_EQ(v.maximum, 2.0);
  }
  EXPECT_FALSE(a_->Parameter("light")->IsMixed());
  EXPECT_FALSE(ShowsMixed(*field)) << field->Text().value_or("");
}

}  // namespace
