// Group operations through the swatch group library.
#include <cmath>

#include "swatchfixture.h"

namespace {

class SwatchGroupTest : public SwatchTest {
 protected:
  GxaSwatchGroup* Make(const std::vector<Rgba>& colors, bool selected = false) {
    GxaSwatchGroup* g =
        group_->alloc("G", selected, colors.empty() ? nullptr : colors[0].data(), int32_t(colors.size()));
    made_.push_back(g);
    return g;
  }
  void TearDown() override {
    for (GxaSwatchGroup*& g : made_) group_->free(&g);
    SwatchTest::TearDown();
  }
  std::vector<GxaSwatchGroup*> made_;
};

TEST_F(SwatchGroupTest, SortingPutsTransparentFirstThenHueSaturationAndDescendingValue) {
  GxaSwatchGroup* g = Make({{0, 0, 0.5, 1},      // blue, dark
                            {0, 0, 1, 1},        // blue, light
                            {1, 0, 0, 1},        // red
                            {0.3, 0.9, 0.3, 0},  // transparent green
                            {0, 1, 0, 1}});      // green
  group_->sort_colors(g);
  EXPECT_EQ(Colors(g),
            (std::vector<Rgba>{{0.3, 0.9, 0.3, 0}, {1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {0, 0, 0.5, 1}}));
}

TEST_F(SwatchGroupTest, SortingSurvivesValuesOutsideTheRange) {
  std::vector<Rgba> odd;
  for (int i = 0; i < 64; ++i) odd.push_back({i % 3 ? -1.0 : 2.0, std::nan(""), i * 0.1, i % 5 ? 1.0 : -0.0});
  GxaSwatchGroup* g = Make({});
  ASSERT_EQ(group_->add_colors(g, odd[0].data(), int32_t(odd.size()), false, false, 0), 0);
  group_->sort_colors(g);
  EXPECT_EQ(group_->color_count(g), 64);
}

TEST_F(SwatchGroupTest, BlankNamesTakeTheDefault) {
  GxaSwatchGroup* g = group_->alloc(" \t ", false, nullptr, 0);
  made_.push_back(g);
  EXPECT_EQ(Name(g), "Color Group");
  EXPECT_TRUE(group_->set_name(g, "Sea"));
  EXPECT_EQ(Name(g), "Sea");
  EXPECT_TRUE(group_->set_name(g, ""));
  EXPECT_EQ(Name(g), "Color Group");
}

TEST_F(SwatchGroupTest, AddingClampsInsertsAndClearsTheGroupFlag) {
  GxaSwatchGroup* g = Make({{0.1, 0.1, 0.1, 1}}, true);
  EXPECT_TRUE(group_->is_group_selected(g));
  const Rgba wild = {2, -1, 0.5, 3};
  EXPECT_EQ(group_->add_color(g, wild.data(), true, -1), 1);
  EXPECT_TRUE(group_->is_group_selected(g));
  EXPECT_EQ(Colors(g)[1], (Rgba{1, 0, 0.5, 1}));
  EXPECT_EQ(group_->add_color(g, wild.data(), false, 0), 0);
  EXPECT_FALSE(group_->is_group_selected(g));
  EXPECT_EQ(group_->color_count(g), 3);

  const std::vector<Rgba> two = {{0, 0, 1, 1}, {0, 1, 0, 1}};
  EXPECT_EQ(group_->add_colors(g, two[0].data(), 2, true, true, 1), 1);
  EXPECT_EQ(Colors(g)[2], (Rgba{0, 1, 0, 1}));
  EXPECT_EQ(group_->add_colors(g, two[0].data(), 2, false, false, 0), 0);
  EXPECT_EQ(Colors(g), two);
  EXPECT_EQ(group_->add_colors(g, nullptr, 0, false, true, 0), -1);
}

TEST_F(SwatchGroupTest, SelectionRules) {
  GxaSwatchGroup* g = Make({{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}});
  group_->select_group(g, true);
  EXPECT_TRUE(group_->is_color_selected(g, 2));
  const Rgba grey = {0.5, 0.5, 0.5, 1};
  ASSERT_TRUE(group_->set_color(g, 1, grey.data(), 7));  // other values keep the selection
  EXPECT_TRUE(group_->is_group_selected(g));
  EXPECT_TRUE(group_->is_color_selected(g, 1));
  ASSERT_TRUE(group_->set_color(g, 1, grey.data(), 0));
  EXPECT_FALSE(group_->is_color_selected(g, 1));
  EXPECT_FALSE(group_->is_group_selected(g));
  group_->invert_selection(g);
  EXPECT_TRUE(group_->is_color_selected(g, 1));
  EXPECT_FALSE(group_->is_color_selected(g, 0));
  EXPECT_FALSE(group_->set_color(g, 3, grey.data(), 1));
  EXPECT_FALSE(group_->is_color_selected(g, 3));

  EXPECT_TRUE(group_->remove_selected_colors(g));
  EXPECT_EQ(Colors(g), (std::vector<Rgba>{{1, 0, 0, 1}, {0, 0, 1, 1}}));
  EXPECT_FALSE(group_->remove_selected_colors(g));
  double selectedOnly[8];
  EXPECT_TRUE(group_->set_color_selected(g, 1, true));
  EXPECT_EQ(group_->get_colors(g, selectedOnly, 2, true), 1);
  EXPECT_EQ(selectedOnly[2], 1.0);
}

TEST_F(SwatchGroupTest, DuplicatesAreExactAndTheFirstStays) {
  GxaSwatchGroup* g = Make({{1, 0, 0, 1}, {1, 0, 0, 0.5}, {0, 1, 0, 1}, {1, 0, 0, 1}, {0, 1, 0, 1}});
  EXPECT_TRUE(group_->has_duplicates(g));
  EXPECT_TRUE(group_->remove_duplicates(g));
  EXPECT_EQ(Colors(g), (std::vector<Rgba>{{1, 0, 0, 1}, {1, 0, 0, 0.5}, {0, 1, 0, 1}}));
  EXPECT_FALSE(group_->has_duplicates(g));
  EXPECT_FALSE(group_->remove_duplicates(g));
}

TEST_F(SwatchGroupTest, RemovingClipsTheCountAndCopiesAreDeep) {
  GxaSwatchGroup* g = Make({{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}});
  EXPECT_FALSE(group_->remove_colors(g, 3, 1));
  EXPECT_TRUE(group_->remove_colors(g, 1, 99));
  EXPECT_EQ(group_->color_count(g), 1);

  GxaSwatchGroup* copy = Make({});
  ASSERT_TRUE(group_->copy(copy, g));
  ASSERT_TRUE(group_->copy(copy, copy));
  ASSERT_TRUE(group_->append(copy, copy));
  EXPECT_EQ(group_->color_count(copy), 2);
  GxaSwatchRecord* edit = group_->get_color_edit(copy, 0, nullptr);
  ASSERT_NE(edit, nullptr);
  edit->blue = 0.75;
  EXPECT_EQ(Colors(copy)[0][2], 0.75);
  EXPECT_EQ(Colors(g)[0][2], 0.0);
  EXPECT_EQ(group_->get_color_edit(copy, 2, nullptr), nullptr);
  EXPECT_FALSE(group_->append(copy, nullptr));
}

}  // namespace
