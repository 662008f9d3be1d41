#include <gtest/gtest.h>

#include <vector>

#include "utils/buttonicons.h"
#include "utils/colorbuttonsarea.h"

namespace
{
using Button = ColorButtonsArea::Button;
constexpr std::int32_t kOverflow = ColorButtonsArea::kOverflowWidth;

// Buttons 22 wide; a gap of 25 ends a group.
BaseArray<Button> Row(const std::vector<std::int32_t>& gaps)
{
  BaseArray<Button> row;
  for (std::size_t i = 0; i < gaps.size(); ++i)
  {
    Button b;
    b.id = static_cast<std::int32_t>(i);
    b.width = b.height = 22;
    b.gap = gaps[i];
    b.groupEnd = gaps[i] == ColorButtonsArea::kGroupGap;
    EXPECT_TRUE(row.Append(b).IsOk());
  }
  return row;
}

// 7 buttons (154), groups after 1, 4 and 6 (75), small gaps 18: 247 in all.
const std::vector<std::int32_t> kGaps = {25, 6, 6, 25, 6, 25, 0};

std::size_t VisibleCount(const BaseArray<Button>& row)
{
  std::size_t n = 0;
  for (const Button& b : row)
    n += b.hidden ? 0 : 1;
  return n;
}
}  // namespace

TEST(ButtonRow, WideRowKeepsFullGroupGaps)
{
  BaseArray<Button> row = Row(kGaps);
  const auto layout = ColorButtonsArea::LayoutRow(row, 300, kOverflow);
  EXPECT_FALSE(layout.overflow);
  EXPECT_EQ(layout.groupGap, 25);
  const std::int32_t expected[] = {0, 47, 75, 103, 150, 178, 225};
  for (std::size_t i = 0; i < row.GetCount(); ++i)
  {
    EXPECT_EQ(row[i].x, expected[i]) << i;
    EXPECT_FALSE(row[i].hidden) << i;
  }
}

TEST(ButtonRow, GroupGapsShrinkBeforeTheOverflowButtonAppears)
{
  BaseArray<Button> row = Row(kGaps);
  // (200 - 172) / 3 = 9: the row fits with narrower group gaps.
  auto layout = ColorButtonsArea::LayoutRow(row, 200, kOverflow);
  EXPECT_FALSE(layout.overflow);
  EXPECT_EQ(layout.groupGap, 9);
  EXPECT_EQ(row[0].gap, 9);
  EXPECT_EQ(row[1].gap, 6);
  EXPECT_EQ(VisibleCount(row), 7u);

  // Exactly the smallest gaps fit: 172 + 3 * 6.
  layout = ColorButtonsArea::LayoutRow(row, 190, kOverflow);
  EXPECT_FALSE(layout.overflow);
  EXPECT_EQ(layout.groupGap, 6);

  // Every width that the smallest gaps can serve shows no overflow button.
  for (std::int32_t width = 100; width <= 300; ++width)
  {
    layout = ColorButtonsArea::LayoutRow(row, width, kOverflow);
    EXPECT_EQ(layout.overflow, width < 190) << width;
    EXPECT_GE(layout.groupGap, 6) << width;
  }
}

TEST(ButtonRow, OverflowHidesFromTheFirstButtonPastTheLimit)
{
  BaseArray<Button> row = Row(kGaps);
  const auto layout = ColorButtonsArea::LayoutRow(row, 180, kOverflow);
  ASSERT_TRUE(layout.overflow);
  EXPECT_EQ(layout.groupGap, 6);
  EXPECT_EQ(layout.limit, 180 - kOverflow - 6);
  EXPECT_EQ(layout.overflowX, 180 - kOverflow);
  // x: 0, 28, 56, 84, 112, 140 (ends at 162 > 160), 168.
  for (std::size_t i = 0; i < 5; ++i)
    EXPECT_FALSE(row[i].hidden) << i;
  EXPECT_TRUE(row[5].hidden);
  EXPECT_TRUE(row[6].hidden);
}

TEST(ButtonRow, RowWithoutGroupsOverflowsAtOnce)
{
  BaseArray<Button> row = Row({6, 6, 6, 0});
  auto layout = ColorButtonsArea::LayoutRow(row, 106, kOverflow);
  EXPECT_FALSE(layout.overflow);
  layout = ColorButtonsArea::LayoutRow(row, 105, kOverflow);
  EXPECT_TRUE(layout.overflow);
  EXPECT_EQ(VisibleCount(row), 3u);  // limit 85: 0..22, 28..50, 56..78 stay
}

TEST(ButtonRow, WideningRestoresTheGroupGaps)
{
  BaseArray<Button> row = Row(kGaps);
  (void)ColorButtonsArea::LayoutRow(row, 150, kOverflow);
  const auto layout = ColorButtonsArea::LayoutRow(row, 400, kOverflow);
  EXPECT_FALSE(layout.overflow);
  EXPECT_EQ(row[3].gap, 25);
  EXPECT_EQ(VisibleCount(row), 7u);
}

TEST(ButtonRow, SqueezableRowNarrowsEveryGapBeforeItOverflows)
{
  // 154 of buttons: at the smallest group gaps 190 fit, squeezed (3 each) 172.
  BaseArray<Button> row = Row(kGaps);
  auto layout = ColorButtonsArea::LayoutRow(row, 180, kOverflow, true);
  EXPECT_FALSE(layout.overflow);
  EXPECT_EQ(VisibleCount(row), 7u);
  // (180 - 154) / 6 = 4 for every gap.
  for (std::size_t i = 0; i < row.GetCount(); ++i)
    EXPECT_EQ(row[i].x, static_cast<std::int32_t>(i) * 26) << i;

  layout = ColorButtonsArea::LayoutRow(row, 171, kOverflow, true);
  EXPECT_TRUE(layout.overflow);
  EXPECT_EQ(layout.limit, 171 - kOverflow - 6);
  // Gaps of 3 still: the buttons at 0 to 125 end before the limit, 151; the last, at 150, does not.
  EXPECT_EQ(VisibleCount(row), 6u);

  // A row that fits without squeezing keeps its gaps, and widening restores them.
  layout = ColorButtonsArea::LayoutRow(row, 300, kOverflow, true);
  EXPECT_FALSE(layout.overflow);
  EXPECT_EQ(row[1].x, 47);
  EXPECT_EQ(row[2].x, 75);
}

TEST(ButtonBackground, LumaOf115IsLight)
{
  EXPECT_FALSE(IsDarkColor(Vector(115.0 / 255)));
  EXPECT_TRUE(IsDarkColor(Vector(114.0 / 255)));
  // Green weighs most: 0.7152 * 161 = 115.1.
  EXPECT_FALSE(IsDarkColor(Vector(0, 161.0 / 255, 0)));
  EXPECT_TRUE(IsDarkColor(Vector(0, 160.0 / 255, 0)));
  EXPECT_TRUE(IsDarkColor(Vector(1, 0, 1)));  // 0.2126 + 0.0722 of 255 = 72.6
}
