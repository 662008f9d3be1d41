// The view's window around the demo page, with the real module's choosers.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "gui/scrollgroup.h"
#include "platform/layoutdump.h"
#include "viewfixture.h"

namespace host::testing {
namespace {

constexpr int32_t kColorField = 0x3E80002;
constexpr int32_t kLinearContextState = 0x3E8000E;

Rect FrameOf(const nlohmann::json& dump, const std::string& owner, int32_t id) {
  for (const auto& g : dump["gadgets"]) {
    if (g["owner"] == owner && g["id"] == id) return {g["frame"][0], g["frame"][1], g["frame"][2], g["frame"][3]};
  }
  return {};
}

nlohmann::json Dump(ViewFixture& f) {
  f.Screen().Render();
  return nlohmann::json::parse(LayoutDump::Json(f.Screen(), f.Page(), f.Window()));
}

TEST(ViewWindowTest, LayoutNamesEveryChoosersFieldAndTheToolBar) {
  ViewFixture f({1000, 2000});
  const nlohmann::json dump = Dump(f);
  EXPECT_EQ(dump["window"]["w"], 1000);
  EXPECT_TRUE(dump["modal"].is_null());
  for (const char* key : {"color", "tint", "light", "swatch"}) {
    const Rect field = FrameOf(dump, key, kColorField);
    EXPECT_FALSE(field.IsEmpty()) << key;
    EXPECT_LE(field.Right(), 1000) << key;
  }
  const Rect save = FrameOf(dump, "window", ViewWindow::kSave);
  const Rect prefs = FrameOf(dump, "window", ViewWindow::kPreferences);
  EXPECT_FALSE(save.IsEmpty());
  EXPECT_GT(prefs.x, save.x);
  EXPECT_LT(save.y, FrameOf(dump, "color", kColorField).y);
}

TEST(ViewWindowTest, LinearMarkReachesTheDocumentAndTheChooser) {
  ViewFixture f;
  ColorParameter& light = *f.Page().Find("light");
  auto before = f.Page().ChooserState(light);
  ASSERT_TRUE(before);
  EXPECT_FALSE(before->GetBool(kLinearContextState, false));
  Widget* box = f.Window().Find(ViewWindow::kFirstLinear + 2);
  ASSERT_NE(box, nullptr);
  f.Input().Click(*box, std::nullopt, 1, 0, false);
  EXPECT_EQ(light.LinearMarks(), std::vector<bool>{true});
  const DocumentObject* object = f.GetHost().ActiveDocument()->FindObject(light.ObjectIds().front());
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->type, DocumentObject::kLinearColorType);
  EXPECT_TRUE(f.Page().ChooserState(light)->GetBool(kLinearContextState, false));
  // The other parameters stay as they were.
  EXPECT_EQ(f.Page().Find("color")->LinearMarks(), std::vector<bool>{false});
  f.Input().Click(*box, std::nullopt, 1, 0, false);
  EXPECT_FALSE(f.Page().ChooserState(light)->GetBool(kLinearContextState, true));
}

TEST(ViewWindowTest, WheelOverThePageBackgroundScrollsIt) {
  ViewFixture f({700, 420});
  auto* scroll = f.Window().Find(ViewWindow::kScroll)->AsScrollGroup();
  ASSERT_NE(scroll, nullptr);
  ASSERT_GT(scroll->ContentSize().h, scroll->Viewport().h);
  const Rect before = FrameOf(Dump(f), "color", kColorField);
  // The page's left margin holds no gadget.
  f.Input().Wheel(*scroll, Point{2, 40}, 0.0, -2.0, 0);
  EXPECT_GT(scroll->Offset().y, 0);
  const Rect after = FrameOf(Dump(f), "color", kColorField);
  EXPECT_LT(after.y, before.y);
}

TEST(ViewWindowTest, WideWindowSetsParametersSideBySide) {
  ViewFixture f({700, 2400});
  f.View().FitColumns(f.Window(), 700);
  const nlohmann::json narrow = Dump(f);
  EXPECT_GT(FrameOf(narrow, "tint", kColorField).y, FrameOf(narrow, "color", kColorField).y);

  f.Frontend().SetWindowSize({1800, 2400});
  f.View().FitColumns(f.Window(), 1800);
  const nlohmann::json wide = Dump(f);
  const Rect color = FrameOf(wide, "color", kColorField), tint = FrameOf(wide, "tint", kColorField);
  EXPECT_EQ(tint.y, color.y);
  EXPECT_GT(tint.x, color.Right());
}

}  // namespace
}  // namespace host::testing
