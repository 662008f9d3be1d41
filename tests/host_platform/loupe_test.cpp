// The picker's loupe away from any display: where it goes beside the
// pointer on one of several monitors, what it draws of the pixels around the
// pointer, and how the pixels it hides are answered from what was there.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/loupecover.h"
#include "platform/loupeimage.h"
#include "platform/loupeplacement.h"

namespace host {
namespace {

constexpr int kW = LoupeImage::kWidth, kH = LoupeImage::kHeight;
const std::vector<Rect> kTwoMonitors{{0, 0, 1280, 1024}, {1280, 0, 1280, 1024}};

// Every pointer position on both monitors, at a coarse step and along the edges.
std::vector<Point> Pointers() {
  std::vector<Point> points;
  for (int x = 0; x < 2560; x += 37) {
    for (int y = 0; y < 1024; y += 41) points.push_back({x, y});
  }
  for (int x : {0, 1, 1279, 1280, 1281, 2559}) {
    for (int y : {0, 1, 511, 1022, 1023}) points.push_back({x, y});
  }
  return points;
}

TEST(LoupePlacementTest, NeverCoversThePointerOrItsNeighbourhoodAndStaysOnItsMonitor) {
  for (const Point p : Pointers()) {
    SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
    const Rect monitor = LoupePlacement::MonitorAt(p, kTwoMonitors);
    EXPECT_TRUE(monitor.Contains(p.x, p.y));
    const Rect loupe = LoupePlacement::Place(p, monitor, kW, kH);
    EXPECT_EQ(loupe.Intersect(monitor), loupe);
    const Rect around{p.x - LoupeImage::kSide / 2, p.y - LoupeImage::kSide / 2, LoupeImage::kSide, LoupeImage::kSide};
    EXPECT_TRUE(loupe.Intersect(around).IsEmpty());
  }
}

TEST(LoupePlacementTest, GoesBelowRightAndTurnsAtTheMonitorsEdges) {
  const Rect left = kTwoMonitors[0], right = kTwoMonitors[1];
  const int gap = LoupePlacement::kGap;
  EXPECT_EQ(LoupePlacement::Place({100, 100}, left, kW, kH), (Rect{100 + gap, 100 + gap, kW, kH}));
  // Near the right edge of the left monitor it turns left rather than
  // spilling onto the other monitor; near the bottom it goes above.
  EXPECT_EQ(LoupePlacement::Place({1270, 1000}, left, kW, kH), (Rect{1270 - gap - kW, 1000 - gap - kH, kW, kH}));
  EXPECT_EQ(LoupePlacement::Place({1285, 10}, right, kW, kH), (Rect{1285 + gap, 10 + gap, kW, kH}));
}

TEST(LoupePlacementTest, APointerBetweenMonitorsTakesTheNearestAndATinyMonitorKeepsItOnIt) {
  const std::vector<Rect> apart{{0, 0, 800, 600}, {1000, 0, 800, 600}};
  EXPECT_EQ(LoupePlacement::MonitorAt({850, 10}, apart), apart[0]);
  EXPECT_EQ(LoupePlacement::MonitorAt({990, 10}, apart), apart[1]);
  EXPECT_TRUE(LoupePlacement::MonitorAt({5, 5}, {}).IsEmpty());
  const Rect tiny{0, 0, 100, 100};
  const Rect loupe = LoupePlacement::Place({20, 80}, tiny, 60, 60);
  EXPECT_EQ(loupe, (Rect{40, 0, 60, 60}));
}

// 15 x 15 pixels whose colour tells where they are.
std::vector<uint32_t> Around() {
  std::vector<uint32_t> pixels;
  for (int row = 0; row < LoupeImage::kSide; ++row) {
    for (int column = 0; column < LoupeImage::kSide; ++column)
      pixels.push_back(uint32_t(10 + column * 16) | (uint32_t(10 + row * 16) << 8) | (0x80u << 16));
  }
  return pixels;
}

TEST(LoupeImageTest, EveryPixelIsAnEightfoldSquareAndTheMiddleOneIsFramed) {
  const Framebuffer image = LoupeImage::Draw(Around());
  ASSERT_EQ(image.Width(), kW);
  ASSERT_EQ(image.Height(), kH);
  for (int row = 0; row < LoupeImage::kSide; ++row) {
    for (int column = 0; column < LoupeImage::kSide; ++column) {
      const Rect cell = LoupeImage::Cell(column, row);
      EXPECT_EQ(cell.w, LoupeImage::kZoom);
      const Rgba want{uint8_t(10 + column * 16), uint8_t(10 + row * 16), 0x80, 255};
      // The frame around the middle lies on its neighbours' outer two pixels.
      for (const Point p : {Point{cell.x + 2, cell.y + 2}, Point{cell.Right() - 3, cell.Bottom() - 3}}) {
        EXPECT_EQ(image.GetPixel(p.x, p.y), want) << column << "," << row;
      }
    }
  }
  const Rect middle = LoupeImage::Cell(LoupeImage::kSide / 2, LoupeImage::kSide / 2);
  for (const Point p : {Point{middle.x, middle.y}, Point{middle.Right() - 1, middle.Bottom() - 1}})
    EXPECT_EQ(image.GetPixel(p.x, p.y), (Rgba{122, 122, 0x80, 255}));
  EXPECT_EQ(image.GetPixel(middle.x - 1, middle.y + 3), (Rgba{255, 255, 255, 255}));
  EXPECT_EQ(image.GetPixel(middle.x - 2, middle.y + 3), (Rgba{0, 0, 0, 255}));
  EXPECT_EQ(image.GetPixel(middle.Right() + 1, middle.Bottom() + 1), (Rgba{0, 0, 0, 255}));
}

TEST(LoupeImageTest, TheMiddlePixelsHexIsWrittenBelowTheSquares) {
  EXPECT_EQ(LoupeImage::Hex(0x0080FF), "#FF8000");
  const Framebuffer image = LoupeImage::Draw(Around());
  // Light text on the dark strip below the squares.
  int light = 0;
  for (int y = kH - LoupeImage::kTextHeight; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) light += image.GetPixel(x, y).r > 180 ? 1 : 0;
  }
  EXPECT_GT(light, 30);
  // A wrong number of pixels draws no squares and no text.
  const Framebuffer empty = LoupeImage::Draw({1, 2, 3});
  EXPECT_EQ(empty.GetPixel(kW / 2, kH - 8), empty.GetPixel(0, 0));
}

TEST(LoupeCoverTest, PixelsUnderTheLoupeAndWhereItLastWasAreAnsweredFromBefore) {
  LoupeCover cover;
  // The desktop under the loupe's first place is 1s, under the second 2s.
  cover.Cover({10, 10, 4, 4}, std::vector<uint32_t>(16, 1));
  cover.Cover({12, 12, 4, 4}, std::vector<uint32_t>(16, 2));
  EXPECT_EQ(cover.Current(), (Rect{12, 12, 4, 4}));
  std::vector<uint32_t> read(8 * 8, 9);  // what the screen shows: 9
  cover.Patch({8, 8, 8, 8}, read);
  auto at = [&](int x, int y) { return read[size_t(y - 8) * 8 + size_t(x - 8)]; };
  EXPECT_EQ(at(8, 8), 9u);
  EXPECT_EQ(at(10, 10), 1u);
  EXPECT_EQ(at(12, 12), 2u);
  EXPECT_EQ(at(15, 15), 2u);
  // Two moves later the first place is the screen's again.
  cover.Cover({30, 30, 2, 2}, std::vector<uint32_t>(4, 3));
  std::vector<uint32_t> again(8 * 8, 9);
  cover.Patch({8, 8, 8, 8}, again);
  EXPECT_EQ(again[size_t(10 - 8) * 8 + size_t(10 - 8)], 9u);
  EXPECT_EQ(again[size_t(12 - 8) * 8 + size_t(12 - 8)], 2u);
  cover.Clear();
  std::vector<uint32_t> cleared(8 * 8, 9);
  cover.Patch({8, 8, 8, 8}, cleared);
  EXPECT_EQ(cleared, std::vector<uint32_t>(64, 9));
}

}  // namespace
}  // namespace host
