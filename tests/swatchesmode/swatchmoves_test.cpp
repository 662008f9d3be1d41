// Selected swatches dragged to a gap in their own group: moved, they sit
// exactly at that gap, also when the gap touches the selection itself;
// copied, they go in there and stay where they were as well. Groups dragged
// to a gap between groups likewise.
#include <string>
#include <vector>

#include "gui/answer.h"

#include "swatchesmodetest.h"

namespace swatchtest {
namespace {
constexpr std::int32_t kControlKey = 2;

class SwatchMoves : public SwatchesModeTest {
 protected:
  void SetUp() override {
    StartSwatches();
    OpenChooser("a");
    _before = Stored()[0][0].swatches;
    ASSERT_GE(_before.size(), 10u);
    ASSERT_GE(Columns(), 8);
  }

  // Selects the swatches given, then drags the first of them into the gap
  // before swatch `gap` (its cell's left half) and answers the group's order
  // as indices of the swatches as they were.
  std::vector<int> DragToGap(const std::vector<int>& selection, int gap, std::int32_t qualifiers = 0) {
    const int columns = Columns();
    for (std::size_t k = 0; k < selection.size(); ++k)
      ClickAt("a", kArea, CellCentre(selection[k], columns), 1, k == 0 ? 0 : kControlKey);
    const host::Point from = CellCentre(selection[0], columns), corner = CellCorner(gap, columns);
    // Out of the cell first, so that even a drop beside itself is a drag.
    Drag("a", kArea, {from, {from.x + 12, from.y}, {from.x + 20, from.y}, {corner.x + 3, corner.y + 7}}, qualifiers);
    const std::vector<Swatch> after = Stored()[0][0].swatches;
    std::vector<int> order;
    for (const Swatch& s : after) order.push_back(IndexBefore(s));
    return order;
  }

  int IndexBefore(const Swatch& s) const {
    for (std::size_t i = 0; i < _before.size(); ++i)
      if (_before[i].rgba == s.rgba) return int(i);
    return -1;
  }

  // The first ten of an order.
  static std::vector<int> Head(std::vector<int> order) {
    order.resize(std::min<std::size_t>(order.size(), 10));
    return order;
  }

  std::vector<Swatch> _before;
};

TEST_F(SwatchMoves, MovedSwatchesLandExactlyAtTheGapAfterThem) {
  EXPECT_EQ(Head(DragToGap({1, 2}, 6)), (std::vector<int>{0, 3, 4, 5, 1, 2, 6, 7, 8, 9}));
  EXPECT_EQ(SelectedIn(Stored()[0][0]), (std::vector<int>{4, 5}));
  EXPECT_EQ(Stored()[0][0].swatches.size(), _before.size());
}

TEST_F(SwatchMoves, MovedSwatchesLandExactlyAtTheGapBeforeThem) {
  EXPECT_EQ(Head(DragToGap({5, 7}, 2)), (std::vector<int>{0, 1, 5, 7, 2, 3, 4, 6, 8, 9}));
  EXPECT_EQ(SelectedIn(Stored()[0][0]), (std::vector<int>{2, 3}));
}

TEST_F(SwatchMoves, MovedSwatchesLandAtAGapThatTouchesASelectedOne) {
  // The gap just before the second selected swatch...
  EXPECT_EQ(Head(DragToGap({1, 4}, 4)), (std::vector<int>{0, 2, 3, 1, 4, 5, 6, 7, 8, 9}));
  // ... and, in the order that left (0 2 3 1 4 5 6), the gap just after the
  // first one.
  EXPECT_EQ(Head(DragToGap({1, 6}, 2)), (std::vector<int>{0, 2, 6, 3, 1, 4, 5, 7, 8, 9}));
}

TEST_F(SwatchMoves, SwatchDroppedBesideItselfStaysWhereItIs) {
  std::vector<int> unchanged;
  for (int i = 0; i < int(_before.size()); ++i) unchanged.push_back(i);
  EXPECT_EQ(DragToGap({3}, 3), unchanged);
  EXPECT_EQ(DragToGap({3}, 4), unchanged);
  EXPECT_EQ(DragToGap({2, 3}, 3), unchanged);
  EXPECT_EQ(SelectedIn(Stored()[0][0]), (std::vector<int>{2, 3}));
}

TEST_F(SwatchMoves, ControlDropCopiesToTheGapAndKeepsTheOriginals) {
  EXPECT_EQ(Head(DragToGap({1}, 5, kControlKey)), (std::vector<int>{0, 1, 2, 3, 4, 1, 5, 6, 7, 8}));
  EXPECT_EQ(Stored()[0][0].swatches.size(), _before.size() + 1);
  EXPECT_EQ(SelectedIn(Stored()[0][0]), (std::vector<int>{5}));
}
class GroupMoves : public SwatchesModeTest {
 protected:
  void SetUp() override {
    StartSwatches();
    OpenChooser("a");
    // Two more global groups after the first.
    const host::Point empty{Gadget("a", kArea).Frame().w - 2, Gadget("a", kArea).Frame().h - 2};
    for (const char* name : {"Warm", "Cold"}) {
      Host().Answer(host::Answer::Text(name, true));
      Host().Input().Click(Gadget("a", kArea), empty, 1, 0, true);
    }
    _first = Stored()[0][0].name;
    ASSERT_EQ(Names(), (std::vector<std::string>{_first, "Warm", "Cold"}));
  }

  std::vector<std::string> Names() {
    const Collections stored = Stored();
    std::vector<std::string> names;
    for (const Group& g : stored[0]) names.push_back(g.name);
    return names;
  }

  // The first row of the group's title band, found by its tooltip.
  int TitleTop(const std::string& name) {
    for (int y = 0; y < Gadget("a", kArea).Frame().h; ++y)
      if (Tooltip("a", kArea, {20, y}).find(name) != std::string::npos) return y;
    ADD_FAILURE() << "no title " << name;
    return 0;
  }

  // Presses on one title and lets go on the top row of another's.
  void DragTitle(const std::string& from, const std::string& onto) {
    const host::Point start{20, TitleTop(from)}, end{20, TitleTop(onto)};
    ClickAt("a", kArea, start);
    Drag("a", kArea, {start, {start.x + 12, start.y}, {start.x + 12, end.y}, end});
  }

  std::string _first;
};

TEST_F(GroupMoves, MovedGroupLandsExactlyAtTheGapAfterIt) {
  // Onto the top of the third group: the gap before it.
  DragTitle(_first, "Cold");
  EXPECT_EQ(Names(), (std::vector<std::string>{"Warm", _first, "Cold"}));
  EXPECT_TRUE(Stored()[0][1].selected);
}

TEST_F(GroupMoves, MovedGroupLandsExactlyAtTheGapBeforeIt) {
  DragTitle("Cold", "Warm");
  EXPECT_EQ(Names(), (std::vector<std::string>{_first, "Cold", "Warm"}));
  EXPECT_TRUE(Stored()[0][1].selected);
}

TEST_F(GroupMoves, GroupDroppedBesideItselfStaysWhereItIs) {
  DragTitle("Warm", "Warm");
  EXPECT_EQ(Names(), (std::vector<std::string>{_first, "Warm", "Cold"}));
}
}  // namespace
}  // namespace swatchtest
