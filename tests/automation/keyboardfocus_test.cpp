// A gadget the module draws shows the keyboard focus only when Tab brought
// it there: a ring in the highlight colour along its edge, gone once the
// mouse takes the focus elsewhere.
#include <gtest/gtest.h>

#include "automation/automationhost.h"
#include "choosercodes.h"
#include "gui/screen.h"
#include "gui/widget.h"
#include "pixel.h"

namespace {

using namespace host;
using choosertest::At;
using choosertest::Near;
using choosertest::Pixel;

Pixel Highlight(Screen& screen) {
  const Rgba c = screen.Colors().GetOr(InterfaceColors::kHighlight, {});
  return {c.r, c.g, c.b};
}

// The middle of the gadget's top edge.
Pixel TopEdge(AutomationHost& a, Widget& gadget) {
  auto picture = a.Capture(&gadget);
  if (!picture) return {-1, -1, -1};
  return At(*picture, picture->Width() / 2, 0);
}

TEST(KeyboardFocusTest, TabShowsARingAroundAModuleGadgetAndAClickTakesItAway) {
  AutomationOptions options;
  options.module = GXA_MODULE_PATH;
  auto created = AutomationHost::Create(options);
  ASSERT_TRUE(created) << created.Error();
  AutomationHost& a = *created.Value();
  ParameterSpec spec;
  spec.key = "a";
  spec.objects.push_back({ColorValue{ColorForm::Vector, {0.1, 0.7, 0.2}}, false});
  spec.ShowExpanded();
  ASSERT_TRUE(a.Open(spec));
  Widget* slider = a.FindGadget("a", choosertest::kHueSlider);
  Widget* hueField = a.FindGadget("a", choosertest::kHueField);
  ASSERT_NE(slider, nullptr);
  ASSERT_NE(hueField, nullptr);
  const Pixel before = TopEdge(a, *slider);
  ASSERT_FALSE(Near(before, Highlight(a.GetScreen()), 8)) << "the slider's edge is the highlight colour already";

  for (int i = 0; i < 60 && a.GetScreen().Router().Focus() != slider; ++i) a.Input().Key(nullptr, GXA_KEY_TAB, 0);
  ASSERT_EQ(a.GetScreen().Router().Focus(), slider) << "Tab never reached the hue slider";
  EXPECT_TRUE(Near(TopEdge(a, *slider), Highlight(a.GetScreen()), 8));
  // Arrow keys redraw the slider; the ring stays.
  a.Input().Key(nullptr, GXA_KEY_RIGHT, 0);
  EXPECT_TRUE(Near(TopEdge(a, *slider), Highlight(a.GetScreen()), 8));

  a.Input().Click(*hueField, std::nullopt, 1, 0, false);
  EXPECT_TRUE(Near(TopEdge(a, *slider), before, 8));
  // Focus the slider by the mouse: nothing is drawn for it.
  a.Input().Click(*slider, Point{2, 2}, 1, 0, false);
  ASSERT_EQ(a.GetScreen().Router().Focus(), slider);
  EXPECT_FALSE(Near(TopEdge(a, *slider), Highlight(a.GetScreen()), 8));
}

}  // namespace
