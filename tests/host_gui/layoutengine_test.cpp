#include "gui/layoutengine.h"

#include <gtest/gtest.h>

#include "gxa_api.h"

namespace host {
namespace {

// A leaf with a fixed natural size.
class Box : public Widget {
 public:
  Box(int w, int h, int32_t flags = 0, int32_t id = 0) : Widget(id, flags), natural_{w, h} {}
  Size NaturalSize(const TextMeasure&) override { return natural_; }

 private:
  Size natural_;
};

const TextMeasure kMeasure{6.0, 14.0};

template <typename T = Box>
T& AddBox(Group& g, int w, int h, int32_t flags = 0) {
  return static_cast<T&>(g.Add(std::make_unique<Box>(w, h, flags)));
}

TEST(LayoutEngine, ColumnStacksWithSpacingAndBorderSpace) {
  Group g(1, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT, 1, 0);
  g.SetSpacing(3, 5);
  g.SetBorderSpace({2, 4, 6, 8});
  Box& a = AddBox(g, 40, 10, GXA_ALIGN_LEFT);
  Box& b = AddBox(g, 60, 20, GXA_ALIGN_H_FIT);
  LayoutEngine engine(kMeasure);
  EXPECT_EQ(engine.Measure(g), (Size{2 + 60 + 6, 4 + 10 + 5 + 20 + 8}));
  engine.Arrange(g, {0, 0, 200, 100});
  EXPECT_EQ(a.Frame(), (Rect{2, 4, 40, 10}));
  // The column keeps its minimum: nothing in it scales.
  EXPECT_EQ(b.Frame(), (Rect{2, 19, 60, 20}));
}

TEST(LayoutEngine, ScalingColumnsShareSpareSpaceAndAlignInCell) {
  Group row(0, GXA_ALIGN_H_SCALEFIT, 0, 1);
  row.SetSpacing(0, 0);
  Box& fixed = AddBox(row, 20, 10, GXA_ALIGN_LEFT);
  Box& fit = AddBox(row, 10, 10, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_FIT);
  Box& centred = AddBox(row, 10, 6, GXA_ALIGN_H_SCALE);
  Box& right = AddBox(row, 10, 4, GXA_ALIGN_RIGHT | GXA_ALIGN_BOTTOM);
  LayoutEngine engine(kMeasure);
  engine.Layout(row, {0, 0, 121, 30});
  // 121 - 50 = 71 spare, shared by the two scaling cells (36 and 35); the
  // row keeps its height since nothing in it scales vertically.
  EXPECT_EQ(fixed.Frame(), (Rect{0, 0, 20, 10}));
  EXPECT_EQ(fit.Frame(), (Rect{20, 0, 46, 10}));
  EXPECT_EQ(centred.Frame(), (Rect{66 + 17, 2, 10, 6}));
  EXPECT_EQ(right.Frame(), (Rect{111, 6, 10, 4}));
}

TEST(LayoutEngine, ColumnsFillRowByRowAndRowsColumnByColumn) {
  Group cols(0, 0, 2, 0);
  cols.SetSpacing(1, 1);
  Group rows(0, 0, 0, 2);
  rows.SetSpacing(1, 1);
  std::vector<Box*> c, r;
  for (int i = 0; i < 3; ++i) {
    c.push_back(&AddBox(cols, 10 + i, 10, GXA_ALIGN_LEFT | GXA_ALIGN_TOP));
    r.push_back(&AddBox(rows, 10 + i, 10, GXA_ALIGN_LEFT | GXA_ALIGN_TOP));
  }
  LayoutEngine engine(kMeasure);
  EXPECT_EQ(engine.Measure(cols), (Size{12 + 1 + 11, 21}));
  EXPECT_EQ(engine.Measure(rows), (Size{11 + 1 + 12, 21}));
  engine.Arrange(cols, {0, 0, 24, 21});
  engine.Arrange(rows, {0, 0, 24, 21});
  EXPECT_EQ(c[2]->Frame().x, 0);
  EXPECT_EQ(c[2]->Frame().y, 11);
  EXPECT_EQ(r[1]->Frame().x, 0);
  EXPECT_EQ(r[1]->Frame().y, 11);
  EXPECT_EQ(r[2]->Frame().x, 12);
  EXPECT_EQ(r[2]->Frame().y, 0);
}

TEST(LayoutEngine, HintsPackPixelsAndTenthsOfTheTextMeasure) {
  Group g(0, 0, 1, 0);
  Box& plain = AddBox(g, 5, 5);
  plain.SetHints(70, 0);  // seven characters
  Box& pixels = AddBox(g, 5, 5);
  pixels.SetHints(GXA_SIZE_PIXELS(33) + 15, GXA_SIZE_PIXELS(2) + 10);
  Box& smaller = AddBox(g, 50, 20);
  smaller.SetHints(10, 10);  // a hint never shrinks the natural size
  LayoutEngine engine(kMeasure);
  engine.Measure(g);
  EXPECT_EQ(plain.MinSize(), (Size{42, 5}));
  EXPECT_EQ(pixels.MinSize(), (Size{33 + 9, 2 + 14}));
  EXPECT_EQ(smaller.MinSize(), (Size{50, 20}));
}

TEST(LayoutEngine, HiddenGadgetsTakeNoCellAndTitlesAddAFrame) {
  Group g(0, 0, 1, 0);
  g.SetSpacing(0, 2);
  AddBox(g, 10, 10);
  Box& hidden = AddBox(g, 80, 80);
  hidden.SetHidden(true);
  Box& last = AddBox(g, 10, 10, GXA_ALIGN_LEFT | GXA_ALIGN_TOP);
  LayoutEngine engine(kMeasure);
  EXPECT_EQ(engine.Measure(g), (Size{10, 22}));
  engine.Arrange(g, {0, 0, 10, 22});
  EXPECT_EQ(last.Frame().y, 12);

  g.SetTitle("Options");
  const Insets frame = g.FrameInsets(kMeasure);
  EXPECT_GT(frame.top, frame.bottom);
  const Size titled = engine.Measure(g);
  EXPECT_EQ(titled.h, 22 + frame.top + frame.bottom);
  EXPECT_GE(titled.w, int(7 * kMeasure.charWidth));
}

TEST(LayoutEngine, SpareSpaceIsSharedWithTheRemainderFirst) {
  EXPECT_EQ(LayoutEngine::Distribute({1, 2, 3}, {true, false, true}, 5), (std::vector<int>{4, 2, 5}));
  EXPECT_EQ(LayoutEngine::Distribute({1, 2}, {false, false}, 5), (std::vector<int>{1, 2}));
}

TEST(LayoutEngine, ScrollGroupShowsAViewportOfLargerContent) {
  Group root(0, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT, 1, 0);
  auto scroll = std::make_unique<ScrollGroup>(7, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT,
                                              GXA_SCROLL_VERTICAL | GXA_SCROLL_AUTO);
  ScrollGroup& sg = *scroll;
  sg.SetHints(0, GXA_SIZE_PIXELS(50));
  root.Add(std::move(scroll));
  Box& content = static_cast<Box&>(sg.Add(std::make_unique<Box>(30, 200, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP)));
  LayoutEngine engine(kMeasure);
  // The scroll direction takes the hint, not the content's height.
  EXPECT_EQ(engine.Measure(root).h, 50);
  engine.Arrange(root, {0, 0, 100, 50});
  EXPECT_TRUE(sg.ShowsVerticalBar());
  EXPECT_FALSE(sg.ShowsHorizontalBar());
  EXPECT_EQ(sg.Viewport(), (Rect{0, 0, 100 - ScrollGroup::kBarThickness, 50}));
  EXPECT_EQ(content.Frame(), (Rect{0, 0, 90, 200}));

  sg.ScrollTo({0, 500});
  EXPECT_EQ(sg.VisibleArea(), (Rect{0, 150, 90, 50}));
  EXPECT_EQ(content.Frame().y, -150);
  EXPECT_EQ(content.VisibleFrame(), (Rect{0, 0, 90, 50}));

  // A new layout keeps the offset where it still fits.
  engine.Arrange(root, {0, 0, 100, 120});
  EXPECT_EQ(sg.Offset().y, 80);
  EXPECT_EQ(content.Frame().y, -80);
}

TEST(LayoutEngine, ScrollGroupWithoutBarsNeededHidesThem) {
  ScrollGroup sg(1, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT,
                 GXA_SCROLL_VERTICAL | GXA_SCROLL_HORIZONTAL | GXA_SCROLL_AUTO);
  sg.Add(std::make_unique<Box>(30, 30, GXA_ALIGN_LEFT | GXA_ALIGN_TOP));
  LayoutEngine engine(kMeasure);
  engine.Layout(sg, {0, 0, 100, 100});
  EXPECT_FALSE(sg.ShowsVerticalBar());
  EXPECT_FALSE(sg.ShowsHorizontalBar());
  sg.ScrollTo({10, 10});
  EXPECT_EQ(sg.Offset(), (Point{0, 0}));
}

}  // namespace
}  // namespace host
