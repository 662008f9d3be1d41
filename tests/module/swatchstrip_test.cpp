#include <gtest/gtest.h>

#include <vector>

#include "gxa_api.h"
#include "swatches/colorstriplist.h"

namespace
{
constexpr std::int32_t kCell = 14;

// A strip of count colours, colour i holding (i, 0, 0), the given ones selected.
ColorStripList Strip(std::int32_t count, std::vector<std::int32_t> selected = {})
{
  ColorStripList strip;
  for (std::int32_t i = 0; i < count; ++i)
  {
    ColorListEntry entry;
    entry.color = Vector(i, 0.0, 0.0);
    EXPECT_TRUE(strip.GetEntries().Append(entry).IsOk());
  }
  for (const std::int32_t i : selected)
    strip.GetEntries()[i].selected = true;
  return strip;
}

std::vector<std::int32_t> Order(const ColorStripList& strip)
{
  std::vector<std::int32_t> order;
  for (const ColorListEntry& entry : strip.GetEntries())
    order.push_back(static_cast<std::int32_t>(entry.color.x));
  return order;
}

std::vector<std::int32_t> Selected(const ColorStripList& strip)
{
  std::vector<std::int32_t> selected;
  for (std::int32_t i = 0; i < strip.GetCount(); ++i)
    if (strip.GetEntries()[i].selected)
      selected.push_back(i);
  return selected;
}

TEST(ColorStrip, CellsAndRows)
{
  // 60 pixels at pitch 15 hold 3 cells; the handle and 3 colours need 2 rows.
  EXPECT_EQ(ColorStripList::Columns(60, kCell), 3);
  EXPECT_EQ(ColorStripList::Rows(3, 3), 2);
  EXPECT_EQ(ColorStripList::Rows(2, 3), 1);
  EXPECT_EQ(ColorStripList::Rows(0, 3), 1);
  EXPECT_EQ(ColorStripList::Columns(1, kCell), 1);
  EXPECT_EQ(ColorStripList::Columns(10, kCell), 1);
  EXPECT_EQ(ColorStripList::CellAt(16, 0, 3, kCell), 1);
  EXPECT_EQ(ColorStripList::CellAt(1, 15, 3, kCell), 3);
  EXPECT_EQ(ColorStripList::CellAt(45, 0, 3, kCell), ColorStripList::kNoIndex);
}

TEST(ColorStrip, ControlClickDeselectsOnlyWhileAnotherStaysSelected)
{
  ColorStripList strip = Strip(3, {1});
  ColorStripList::Press press = strip.PressColor(1, GXA_QUALIFIER_CTRL);
  EXPECT_FALSE(strip.ReleaseColor(press));
  EXPECT_EQ(Selected(strip), std::vector<std::int32_t>({1}));

  press = strip.PressColor(2, GXA_QUALIFIER_CTRL);
  EXPECT_EQ(Selected(strip), std::vector<std::int32_t>({1, 2}));
  strip.ReleaseColor(press);
  EXPECT_EQ(Selected(strip), std::vector<std::int32_t>({1, 2}));
  EXPECT_EQ(strip.GetAnchor(), 2);

  press = strip.PressColor(1, GXA_QUALIFIER_CTRL);
  strip.ReleaseColor(press);
  EXPECT_EQ(Selected(strip), std::vector<std::int32_t>({2}));
}

TEST(ColorStrip, PlainAndShiftClicks)
{
  ColorStripList strip = Strip(5, {1, 3});
  // Pressing a selected colour keeps the selection for a drag...
  ColorStripList::Press press = strip.PressColor(3, 0);
  EXPECT_EQ(Selected(strip), std::vector<std::int32_t>({1, 3}));
  // ...and a release where it began leaves it alone, as a value change.
  EXPECT_TRUE(strip.ReleaseColor(press));
  EXPECT_EQ(Selected(strip), std::vector<std::int32_t>({3}));

  press = strip.PressColor(0, GXA_QUALIFIER_SHIFT);
  EXPECT_FALSE(strip.ReleaseColor(press));
  EXPECT_EQ(Selected(strip), std::vector<std::int32_t>({0, 1, 2, 3}));

  // Without an anchor in the list the range starts at the last click, or 0.
  strip.SetAnchor(9);
  strip.PressColor(4, GXA_QUALIFIER_SHIFT);
  EXPECT_EQ(Selected(strip), std::vector<std::int32_t>({3, 4}));
  ColorStripList fresh = Strip(4);
  fresh.PressColor(2, GXA_QUALIFIER_SHIFT);
  EXPECT_EQ(Selected(fresh), std::vector<std::int32_t>({0, 1, 2}));
}

TEST(ColorStrip, DropGaps)
{
  const ColorStripList strip = Strip(3);
  EXPECT_EQ(strip.DropGap(ColorStripList::kHandleCell, 5, kCell), 0);
  // Offsets 1..8 of a 15-pixel pitch are the cell's left half.
  EXPECT_EQ(strip.DropGap(2, 8, kCell), 1);
  EXPECT_EQ(strip.DropGap(2, 9, kCell), 2);
  EXPECT_EQ(strip.DropGap(7, 3, kCell), 3);

  ColorStripList mono = Strip(3);
  mono.SetMono(true);
  EXPECT_EQ(mono.DropGap(ColorStripList::kHandleCell, 5, kCell), 1);
  EXPECT_EQ(mono.DropGap(1, 2, kCell), 1);
}

TEST(ColorStrip, MovingTheSelectionKeepsItsOrder)
{
  ColorStripList strip = Strip(6, {1, 4});
  BaseArray<std::int32_t> moved;
  ASSERT_TRUE(strip.MoveSelected(6, moved).IsOk());
  EXPECT_EQ(Order(strip), std::vector<std::int32_t>({0, 2, 3, 5, 1, 4}));
  EXPECT_EQ(std::vector<std::int32_t>(moved.begin(), moved.end()), Order(strip));

  strip = Strip(6, {3, 5});
  ASSERT_TRUE(strip.MoveSelected(1, moved).IsOk());
  EXPECT_EQ(Order(strip), std::vector<std::int32_t>({0, 3, 5, 1, 2, 4}));

  // A gap inside the selection itself puts it back where it was.
  strip = Strip(4, {1, 2});
  ASSERT_TRUE(strip.MoveSelected(2, moved).IsOk());
  EXPECT_EQ(Order(strip), std::vector<std::int32_t>({0, 1, 2, 3}));
}

TEST(ColorStrip, MonoKeepsTheMainColourFirst)
{
  ColorStripList strip = Strip(4, {0, 2});
  strip.SetMono(true);
  BaseArray<std::int32_t> moved;
  ASSERT_TRUE(strip.MoveSelected(0, moved).IsOk());
  EXPECT_EQ(Order(strip), std::vector<std::int32_t>({0, 2, 1, 3}));
}

TEST(ColorStrip, InsertStopsAtTheMaximum)
{
  ColorStripList strip = Strip(3, {0});
  std::vector<ColorListEntry> dropped(4);
  for (std::size_t i = 0; i < dropped.size(); ++i)
  {
    dropped[i].color = Vector(10.0 + i, 0.0, 0.0);
    dropped[i].selected = true;
    dropped[i].link1 = 7;
  }
  const Result<std::int32_t> inserted = strip.Insert(1, dropped, 5);
  ASSERT_TRUE(inserted.IsOk());
  EXPECT_EQ(inserted.GetValue(), 2);
  EXPECT_EQ(Order(strip), std::vector<std::int32_t>({0, 10, 11, 1, 2}));
  EXPECT_EQ(Selected(strip), std::vector<std::int32_t>({0}));
  EXPECT_EQ(strip.GetEntries()[1].link1, -1);
  EXPECT_EQ(strip.Insert(0, dropped, 5).GetValue(), 0);
}

TEST(ColorStrip, ReduceToMain)
{
  ColorStripList strip = Strip(4, {2});
  ASSERT_TRUE(strip.ReduceToMain().IsOk());
  EXPECT_EQ(Order(strip), std::vector<std::int32_t>({0}));
  ColorStripList empty;
  ASSERT_TRUE(empty.ReduceToMain().IsOk());
  ASSERT_EQ(empty.GetCount(), 1);
  EXPECT_FALSE(empty.GetEntries()[0].selected);
  EXPECT_EQ(empty.GetEntries()[0].link1, -1);
}
}  // namespace
