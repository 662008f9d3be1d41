// Tooltips wait for the pointer to rest, then show inside the window.
#include <gtest/gtest.h>

#include "platform/tooltipoverlay.h"

namespace host {
namespace {

TEST(TooltipOverlayTest, ShowsAfterTheDelayOnTheSameGadget) {
  TooltipOverlay t;
  t.Set("Hue", {10, 10}, 1000);
  EXPECT_FALSE(t.IsShown(1599));
  EXPECT_EQ(t.WaitFrom(1100), 500);
  t.Set("Hue", {12, 10}, 1300);  // moving over the same gadget keeps the wait
  EXPECT_TRUE(t.IsShown(1600));
  EXPECT_EQ(t.WaitFrom(1600), -1);
  t.Set("Saturation", {12, 30}, 1700);  // another gadget waits again
  EXPECT_FALSE(t.IsShown(1800));
  t.Set("", {0, 0}, 2400);
  EXPECT_FALSE(t.IsShown(5000));
  EXPECT_EQ(t.WaitFrom(5000), -1);
}

TEST(TooltipOverlayTest, StaysInsideTheWindowNearItsEdges) {
  TooltipOverlay t;
  t.Set("A rather long tooltip text", {395, 295}, 0);
  const Rect box = t.Box({400, 300});
  EXPECT_GE(box.x, 0);
  EXPECT_LE(box.Right(), 400);
  EXPECT_LE(box.Bottom(), 295);  // above the pointer
  t.Set("Short", {20, 20}, 0);
  const Rect below = t.Box({400, 300});
  EXPECT_GT(below.x, 20);
  EXPECT_GT(below.y, 20);
}

TEST(TooltipOverlayTest, PaintsOnlyItsBoxAtEitherScale) {
  for (int scale : {1, 2}) {
    Framebuffer frame(200, 100, scale);
    frame.Fill({10, 20, 30, 255});
    TooltipOverlay t;
    t.Set("Tip", {20, 20}, 0);
    t.Paint(frame, InterfaceColors(InterfaceColors::Theme::Light));
    const Rect box = t.Box({200, 100});
    const Rgba inside = frame.GetPixel((box.x + 2) * scale, (box.y + 2) * scale);
    EXPECT_NE(inside.r, 10) << "scale " << scale;
    const Rgba outside = frame.GetPixel(2 * scale, 2 * scale);
    EXPECT_EQ(outside.r, 10);
  }
}

}  // namespace
}  // namespace host
