#include <gtest/gtest.h>

#include <vector>

#include "gxa_api.h"
#include "swatches/icolorswatchdata.h"
#include "swatches/swatchgridlayout.h"
#include "swatches/swatchselection.h"

namespace
{
using Item = SwatchSelection::Item;

// Groups of the given sizes in each collection; swatch i of a group has red i.
class SwatchGrid : public ::testing::Test
{
protected:
  void Fill(std::vector<int> global, std::vector<int> document)
  {
    ASSERT_TRUE(_data.EnsureCollections().IsOk());
    const std::vector<int>* sizes[] = {&global, &document};
    for (int c = 0; c < 2; ++c)
      for (int count : *sizes[c])
      {
        std::vector<SwatchColor> colors;
        for (int i = 0; i < count; ++i)
          colors.push_back({double(i), 0.0, 0.0, 1.0});
        ASSERT_NE(_data.CreateGroup(c, "g", false, _data.GetGroupCount(c), colors), nullptr);
      }
  }
  std::vector<int> Selected(int collection, int group)
  {
    std::vector<int> out;
    const ColorSwatchGroup* g = _data.GetGroup(group, collection);
    for (int i = 0; i < g->GetCount(); ++i)
      if (g->IsColorSelected(i))
        out.push_back(i);
    return out;
  }
  std::vector<int> Reds(int collection, int group)
  {
    std::vector<int> out;
    const ColorSwatchGroup* g = _data.GetGroup(group, collection);
    for (int i = 0; i < g->GetCount(); ++i)
      out.push_back(int(g->GetSwatch(i)->red));
    return out;
  }

  iColorSwatchData _data;
};

TEST_F(SwatchGrid, ColumnsRowsAndHeight)
{
  EXPECT_EQ(SwatchGridLayout::Columns(100, 14), 6);
  EXPECT_EQ(SwatchGridLayout::Columns(1, 14), 1);
  // Five swatches and the add cell fill one row of six; six need two.
  EXPECT_EQ(SwatchGridLayout::Rows(5, 6), 1);
  EXPECT_EQ(SwatchGridLayout::Rows(6, 6), 2);
  EXPECT_EQ(SwatchGridLayout::Rows(0, 6), 1);

  Fill({5}, {6, 0});
  SwatchGridLayout layout;
  layout.Build(_data, 100, 14, 2);
  EXPECT_EQ(layout.GetTotalRows(), 4);
  EXPECT_EQ(layout.GetMinHeight(), 15 * 4 + 3 * 3 + 14 + 2);
  // No global groups: one row and three pixels more.
  iColorSwatchData none;
  ASSERT_TRUE(none.EnsureCollections().IsOk());
  layout.Build(none, 100, 14, 2);
  EXPECT_EQ(layout.GetTotalRows(), 1);
  EXPECT_EQ(layout.GetMinHeight(), 15 + 3 + 14 + 2);
}

TEST_F(SwatchGrid, HitTesting)
{
  Fill({5}, {2});
  SwatchGridLayout layout;
  layout.Build(_data, 100, 14, 2);
  // First group: band 0..1, cells from 3; second group's band at 18.
  EXPECT_EQ(layout.HitTest(5, 0).kind, SwatchGridLayout::HitKind::Title);
  SwatchGridLayout::Hit hit = layout.HitTest(1 + 15 * 4 + 3, 8);
  EXPECT_EQ(hit.kind, SwatchGridLayout::HitKind::Swatch);
  EXPECT_EQ(hit.swatch, 4);
  EXPECT_TRUE(hit.leftHalf);
  EXPECT_EQ(layout.HitTest(1 + 15 * 5 + 3, 8).kind, SwatchGridLayout::HitKind::AddCell);
  hit = layout.HitTest(1 + 15 + 12, 18 + 3 + 5);
  EXPECT_EQ(hit.collection, 1);
  EXPECT_EQ(hit.swatch, 1);
  EXPECT_FALSE(hit.leftHalf);
  EXPECT_EQ(layout.HitTest(5, 200).kind, SwatchGridLayout::HitKind::None);
}

TEST_F(SwatchGrid, ShiftRangesRunFromTheAnchorAcrossGroups)
{
  Fill({4}, {3});
  SwatchSelection selection(_data);
  EXPECT_TRUE(selection.PressSwatch({0, 0, 1}, GXA_QUALIFIER_SHIFT).withoutAnchor);
  selection.PressSwatch({0, 0, 2}, 0);
  selection.PressSwatch({1, 0, 1}, GXA_QUALIFIER_SHIFT);
  EXPECT_EQ(Selected(0, 0), std::vector<int>({2, 3}));
  EXPECT_EQ(Selected(1, 0), std::vector<int>({0, 1}));
  // Control adds and moves the anchor; the others keep their state.
  selection.PressSwatch({0, 0, 0}, GXA_QUALIFIER_CTRL);
  EXPECT_EQ(Selected(0, 0), std::vector<int>({0, 2, 3}));
  EXPECT_EQ(selection.GetAnchor().swatch, 0);
  // A plain press on a selected swatch keeps the selection until the release.
  const SwatchSelection::Press press = selection.PressSwatch({0, 0, 2}, 0);
  EXPECT_EQ(Selected(0, 0), std::vector<int>({0, 2, 3}));
  selection.ReleaseSwatch(press);
  EXPECT_EQ(Selected(0, 0), std::vector<int>({2}));
  EXPECT_TRUE(Selected(1, 0).empty());
}

TEST_F(SwatchGrid, MovingAndCopyingSwatches)
{
  Fill({6}, {2});
  SwatchSelection selection(_data);
  selection.PressSwatch({0, 0, 1}, 0);
  selection.PressSwatch({0, 0, 3}, GXA_QUALIFIER_CTRL);
  ASSERT_TRUE(selection.PutSwatches({0, 0, 5}, false).IsOk());
  EXPECT_EQ(Reds(0, 0), std::vector<int>({0, 2, 4, 1, 3, 5}));
  EXPECT_EQ(Selected(0, 0), std::vector<int>({3, 4}));
  ASSERT_TRUE(selection.PutSwatches({1, 0, 1}, true).IsOk());
  EXPECT_EQ(Reds(1, 0), std::vector<int>({0, 1, 3, 1}));
  EXPECT_EQ(Reds(0, 0).size(), 6u);
}

TEST_F(SwatchGrid, GroupsMoveBetweenCollections)
{
  Fill({1, 2}, {3});
  SwatchSelection selection(_data);
  selection.PressGroup({0, 1, -1}, 0);
  ASSERT_TRUE(selection.PutGroups(1, 0, false).IsOk());
  EXPECT_EQ(_data.GetGroupCount(0), 1);
  ASSERT_EQ(_data.GetGroupCount(1), 2);
  EXPECT_EQ(_data.GetGroup(0, 1)->GetCount(), 2);
  EXPECT_TRUE(_data.GetGroup(0, 1)->IsSelected());
  // Copying leaves the original where it was.
  ASSERT_TRUE(selection.PutGroups(0, 1, true).IsOk());
  EXPECT_EQ(_data.GetGroupCount(0), 2);
  EXPECT_EQ(_data.GetGroupCount(1), 2);
}

TEST_F(SwatchGrid, NewGroupFromSelectionAndEmptyGroups)
{
  Fill({3}, {});
  SwatchSelection selection(_data);
  selection.PressSwatch({0, 0, 0}, 0);
  selection.PressSwatch({0, 0, 2}, GXA_QUALIFIER_CTRL);
  const Result<Item> made = selection.NewGroupFromSelection(false, 1, "n");
  ASSERT_TRUE(made.IsOk());
  EXPECT_EQ(made.GetValue().collection, 1);
  EXPECT_EQ(Reds(1, 0), std::vector<int>({0, 2}));
  EXPECT_EQ(Reds(0, 0), std::vector<int>({1}));
  EXPECT_FALSE(selection.HasEmptyGroup());
  selection.PressSwatch({0, 0, 0}, 0);
  ASSERT_TRUE(selection.NewGroupFromSelection(false, 1, "m").IsOk());
  EXPECT_TRUE(selection.HasEmptyGroup());
  EXPECT_TRUE(selection.RemoveEmptyGroups());
  EXPECT_EQ(_data.GetGroupCount(0), 0);
  EXPECT_EQ(_data.GetGroupCount(1), 2);
}
}  // namespace
