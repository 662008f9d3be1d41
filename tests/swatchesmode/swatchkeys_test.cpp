// The swatches' keys, each of them: Control with 1, 2 and 3 sets each cell
// size, Control+N moves the selection into a new group and Control+Alt+N
// copies it there, and Backspace deletes as Delete does.
#include <string>
#include <vector>

#include "gui/answer.h"
#include "swatchesmodetest.h"

namespace swatchtest {
namespace {
class SwatchKeys : public SwatchesModeTest {
 protected:
  void SetUp() override {
    StartSwatches();
    OpenChooser("a");
    _before = Stored()[0][0].swatches;
    ASSERT_GE(_before.size(), 4u);
  }
  void Press(std::int32_t key, std::int32_t qualifiers) { Host().Input().Key(&Gadget("a", kArea), key, qualifiers); }
  void SelectSecondAndThird() {
    ClickAt("a", kArea, CellCentre(1, Columns()));
    ClickAt("a", kArea, CellCentre(2, Columns()), 1, GXA_QUALIFIER_SHIFT);
  }
  // The colour drawn at x 25 of the first row: the second swatch in cells
  // of 14 or 21 pixels, the first in cells of 28.
  Pixel At25() { return At(Picture("a", kArea), 25, 10); }

  std::vector<Swatch> _before;
};

TEST_F(SwatchKeys, ControlOneTwoAndThreeSetEachCellSize) {
  Press('3', GXA_QUALIFIER_CTRL);
  EXPECT_EQ(Host().Prefs().GetInt32(kPrefCellSize), 2);
  EXPECT_TRUE(Near(At25(), Rgb(_before[0]), 2));
  Press('2', GXA_QUALIFIER_CTRL);
  EXPECT_EQ(Host().Prefs().GetInt32(kPrefCellSize), 1);
  EXPECT_TRUE(Near(At25(), Rgb(_before[1]), 2));
  Press('1', GXA_QUALIFIER_CTRL);
  EXPECT_EQ(Host().Prefs().GetInt32(kPrefCellSize), 0);
  EXPECT_TRUE(Near(At(Picture("a", kArea), 17, 10), Rgb(_before[1]), 2));
  // Without Control the digits are not the area's.
  Press('3', 0);
  EXPECT_EQ(Host().Prefs().GetInt32(kPrefCellSize), 0);
}

TEST_F(SwatchKeys, ControlNMovesTheSelectionIntoANewGroup) {
  SelectSecondAndThird();
  Press('N', GXA_QUALIFIER_CTRL);
  const Collections stored = Stored();
  ASSERT_EQ(stored[0].size(), 2u);
  EXPECT_EQ(stored[0][0].swatches.size(), _before.size() - 2);
  ASSERT_EQ(stored[0][1].swatches.size(), 2u);
  EXPECT_EQ(stored[0][1].swatches[0].rgba, _before[1].rgba);
  EXPECT_EQ(stored[0][1].swatches[1].rgba, _before[2].rgba);
}

TEST_F(SwatchKeys, ControlAltNCopiesTheSelectionIntoANewGroup) {
  SelectSecondAndThird();
  Press('N', GXA_QUALIFIER_CTRL | GXA_QUALIFIER_ALT);
  const Collections stored = Stored();
  ASSERT_EQ(stored[0].size(), 2u);
  EXPECT_EQ(stored[0][0].swatches.size(), _before.size());
  ASSERT_EQ(stored[0][1].swatches.size(), 2u);
  EXPECT_EQ(stored[0][1].swatches[1].rgba, _before[2].rgba);
}

TEST_F(SwatchKeys, BackspaceDeletesLikeDelete) {
  SelectSecondAndThird();
  Host().Answer(host::Answer::Question(true));
  Press(GXA_KEY_BACKSPACE, 0);
  const std::vector<Swatch> after = Stored()[0][0].swatches;
  ASSERT_EQ(after.size(), _before.size() - 2);
  EXPECT_EQ(after[1].rgba, _before[3].rgba);
}
}  // namespace
}  // namespace swatchtest
