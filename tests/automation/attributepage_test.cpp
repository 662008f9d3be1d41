// The attribute page as the choosers' parent: it hands each chooser its
// value (mixed when the objects disagree), stores what a chooser sends, and
// names the edited objects, linear ones by their type.
#include <gtest/gtest.h>

#include "core/fourcc.h"
#include "fakechooser.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "headlessgui.h"
#include "page/attributepage.h"

namespace {

using host::ColorForm;
using host::ColorValue;

class AttributePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FakeChooser::Register(gui_.Host().Registrations());
    auto page = host::AttributePage::Create(gui_.Host());
    ASSERT_TRUE(page.Ok()) << page.Error();
    page_ = page->get();
    page_->SetMessageListener([this](const host::AttributePage::ParentMessage& m) { heard_.push_back(m); });
    dialog_ = std::make_unique<host::Dialog>(std::move(page.Value()));
    gui_.Screen().ShowWindow(*dialog_);
  }
  void TearDown() override {
    dialog_.reset();
    FakeChooser::Reset();
  }

  host::ColorParameter& Add(const std::string& key, host::Container settings, std::vector<host::EditedObject> objects) {
    auto added = page_->Add({key, "", std::move(settings), std::move(objects)});
    EXPECT_TRUE(added.Ok()) << added.Error();
    return *added.Value();
  }
  static host::EditedObject Plain(double r, double g, double b, bool linear = false) {
    return {ColorValue{ColorForm::Vector, {r, g, b}}, linear};
  }

  HeadlessGui gui_;
  host::AttributePage* page_ = nullptr;
  std::unique_ptr<host::Dialog> dialog_;
  std::vector<host::AttributePage::ParentMessage> heard_;
};

TEST_F(AttributePageTest, ObjectsThatDisagreeReachTheChooserAsMixed) {
  host::ColorParameter& p = Add("c", host::Container(), {Plain(1, 0, 0), Plain(0, 0, 1)});
  ASSERT_EQ(FakeChooser::All().size(), 1u);
  const FakeChooser& chooser = *FakeChooser::All().front();
  EXPECT_EQ(chooser.LastTristate(), 1);
  EXPECT_EQ(chooser.LastValue().AsVector(), (host::Vector3{1, 0, 0}));
  EXPECT_TRUE(p.IsMixed());

  page_->SetValues(p, {Plain(0, 1, 0), Plain(0, 1, 0)});
  EXPECT_EQ(chooser.LastTristate(), 0);
  EXPECT_EQ(chooser.LastValue().AsVector(), (host::Vector3{0, 1, 0}));
}

TEST_F(AttributePageTest, ValueSentByTheChooserIsStoredInEveryObject) {
  host::ColorParameter& p = Add("c", host::Container(), {Plain(1, 0, 0), Plain(0, 0, 1)});
  FakeChooser& chooser = *FakeChooser::All().front();
  chooser.SendValue(host::Value::Vector({0.25, 0.5, 0.75}), true);
  for (const ColorValue& v : p.Values()) EXPECT_EQ(v.color, (host::Vector3{0.25, 0.5, 0.75}));
  EXPECT_FALSE(p.IsMixed());
  ASSERT_EQ(heard_.size(), 1u);
  EXPECT_EQ(heard_[0].key, "c");
  EXPECT_EQ(heard_[0].message.GetInt32(GXA_MSG_DRAG), 1);

  // A value of another form changes nothing.
  chooser.SendValue(host::Value::Int32(7), false);
  EXPECT_EQ(p.Values().front().color, (host::Vector3{0.25, 0.5, 0.75}));
}

TEST_F(AttributePageTest, ChoosersOfEachFormGetTheirValue) {
  host::Container alpha;
  alpha.SetInt32(host::FourCC("acol"), 1);
  host::Container light;
  light.SetInt32(host::FourCC("retT"), 2);
  Add("alpha", alpha, {{ColorValue{ColorForm::ColorAlpha, {0.1, 0.2, 0.3}, 0.4}, false}});
  host::ColorParameter& l = Add("light", light, {{ColorValue{ColorForm::Brightness, {1, 1, 1}, 1, 1.5, 2}, false}});
  ASSERT_EQ(FakeChooser::All().size(), 2u);
  EXPECT_EQ(FakeChooser::All()[0]->LastValue().AsColor(), (host::ColorRGBA{0.1, 0.2, 0.3, 0.4}));

  host::Container sent;
  sent.SetVector(0, {0.5, 0.5, 0.5});
  sent.SetFloat(1, 0.75);
  FakeChooser::All()[1]->SendValue(host::Value::Of(sent), false);
  const ColorValue stored = l.Values().front();
  EXPECT_EQ(stored.color, (host::Vector3{0.5, 0.5, 0.5}));
  EXPECT_DOUBLE_EQ(stored.brightness, 0.75);
  EXPECT_DOUBLE_EQ(stored.maximum, 2.0);  // kept: choosers do not send it
}

TEST_F(AttributePageTest, AnswersObjectQueryWithLinksThatResolveToTheirTypes) {
  Add("c", host::Container(), {Plain(1, 0, 0, true), Plain(0, 0, 1)});
  const host::Container links = FakeChooser::All().front()->AskObjects();
  ASSERT_EQ(links.Count(), 2);
  host::Document& doc = *gui_.Host().ActiveDocument();
  EXPECT_EQ(doc.Resolve(links.At(0)->value)->type, host::DocumentObject::kLinearColorType);
  EXPECT_NE(doc.Resolve(links.At(1)->value)->type, host::DocumentObject::kLinearColorType);
  ASSERT_EQ(heard_.size(), 1u);
  EXPECT_EQ(heard_[0].links.size(), 2u);
  EXPECT_FALSE(heard_[0].message.Has(2));  // the address means nothing once answered
}

TEST_F(AttributePageTest, RefusesTakenKeysAndEmptyParameters) {
  Add("c", host::Container(), {Plain(1, 0, 0)});
  EXPECT_FALSE(page_->Add({"c", "", host::Container(), {Plain(0, 1, 0)}}).Ok());
  EXPECT_FALSE(page_->Add({"d", "", host::Container(), {}}).Ok());
  EXPECT_EQ(page_->Parameters().size(), 1u);
}

}  // namespace
