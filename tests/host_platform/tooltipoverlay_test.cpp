// Tooltips wait for the pointer to rest, then show inside the window, their
// markup drawn as bold and italic words on their lines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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

// The ink of a painted tooltip: how many pixels the text darkened, and
// their mean column in the first and in the last row that has any.
struct Ink {
  int count = 0;
  double topX = 0.0;
  double bottomX = 0.0;
};

Ink InkOf(const std::string& text) {
  Framebuffer frame(300, 120);
  frame.Fill({10, 20, 30, 255});
  TooltipOverlay t;
  t.Set(text, {0, 0}, 0);
  t.Paint(frame, InterfaceColors(InterfaceColors::Theme::Light));
  const Rect box = t.Box({300, 120});
  const Rgba paper = frame.GetPixel(box.x + 2, box.y + 2);
  Ink ink;
  bool first = true;
  for (int y = box.y + 1; y < box.Bottom() - 1; ++y) {
    int n = 0;
    double sum = 0.0;
    for (int x = box.x + 1; x < box.Right() - 1; ++x) {
      if (std::abs(frame.GetPixel(x, y).r - paper.r) < 96) continue;
      ++n, sum += x;
    }
    if (n == 0) continue;
    ink.count += n;
    if (first) ink.topX = sum / n;
    ink.bottomX = sum / n;
    first = false;
  }
  return ink;
}

int WidthOf(const std::string& text) {
  TooltipOverlay t;
  t.Set(text, {0, 0}, 0);
  return t.Box({1000, 1000}).w;
}

int HeightOf(const std::string& text) {
  TooltipOverlay t;
  t.Set(text, {0, 0}, 0);
  return t.Box({1000, 1000}).h;
}

TEST(TooltipOverlayTest, MarkupDrawsBoldAndItalicWordsAndNoTags) {
  const Ink plain = InkOf("llll");
  const Ink bold = InkOf("<b>llll</b>");
  const Ink italic = InkOf("<i>llll</i>");
  EXPECT_GT(bold.count, plain.count * 5 / 4) << "bold strokes are wider";
  // An upright l has its top above its foot; a slanted one leans right.
  EXPECT_NEAR(plain.topX, plain.bottomX, 0.6);
  EXPECT_GT(italic.topX, italic.bottomX + 0.8);
  // Tags take no room; written as entities they are shown.
  EXPECT_LT(WidthOf("<b>Hue</b>"), WidthOf("&lt;b&gt;Hue&lt;/b&gt;") - 20);
  EXPECT_EQ(WidthOf("<b>Hue</b>: 10"), WidthOf("<B>Hue</B>: 10"));
  EXPECT_EQ(WidthOf("<u>Hue</u>"), WidthOf("&lt;u&gt;Hue&lt;/u&gt;")) << "an unknown tag is shown as written";
}

TEST(TooltipOverlayTest, LineBreaksStackLinesAsWideAsTheLongest) {
  const int one = HeightOf("RGB");
  const int two = HeightOf("RGB: 1 2 3<br>HSV: 4 5 6");
  EXPECT_GT(two, one + 10);
  EXPECT_EQ(HeightOf("RGB: 1 2 3\nHSV: 4 5 6"), two);
  EXPECT_EQ(HeightOf("RGB<br/>HSV<br />Alpha"), HeightOf("a\nb\nc"));
  EXPECT_EQ(WidthOf("Alpha\nRGB: 1 2 3"), WidthOf("RGB: 1 2 3"));
}

}  // namespace
}  // namespace host
