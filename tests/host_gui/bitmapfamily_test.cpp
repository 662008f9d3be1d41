#include "gui/bitmapfamily.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/filename.h"
#include "core/handles.h"
#include "raster/bitmap.h"
#include "testpictures.h"

namespace host {
namespace {

const GxaBitmapFns& Fns() { return *BitmapFamily::Table(); }

// A bitmap made through the family, destroyed with the test.
struct OwnedBitmap {
  OwnedBitmap() : h(Fns().create()) {}
  ~OwnedBitmap() { Fns().destroy(h); }
  GxaBitmap* h;
};

std::filesystem::path TempFile(const std::string& name, const std::string& bytes) {
  const auto path = std::filesystem::path(::testing::TempDir()) / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST(BitmapFamily, NewBitmapsAreBlackAndTransparent) {
  OwnedBitmap b;
  ASSERT_TRUE(Fns().init(b.h, 4, 3, 32));
  EXPECT_EQ(Fns().width(b.h), 4);
  EXPECT_EQ(Fns().height(b.h), 3);
  EXPECT_EQ(Fns().depth(b.h), 32);
  EXPECT_TRUE(Fns().has_alpha(b.h));
  EXPECT_EQ(Fns().get_alpha(b.h, 1, 1), 0);
  EXPECT_FALSE(Fns().init(b.h, 4, 3, 16));
  EXPECT_FALSE(Fns().init(b.h, -1, 3, 24));
}

TEST(BitmapFamily, PixelsAndRowsRoundTripWithTheirAlpha) {
  OwnedBitmap b;
  ASSERT_TRUE(Fns().init(b.h, 3, 2, 24));
  EXPECT_FALSE(Fns().has_alpha(b.h));
  ASSERT_TRUE(Fns().add_alpha(b.h));
  // A new channel is transparent, as a new 32-bit bitmap is: only the pixels
  // given an alpha show (the spectrum's margin relies on it).
  EXPECT_EQ(Fns().get_alpha(b.h, 0, 0), 0);
  EXPECT_EQ(Fns().get_alpha(b.h, 2, 1), 0);
  const uint8_t row[12] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
  ASSERT_TRUE(Fns().set_row(b.h, 1, row, 3, GXA_PIXEL_RGBA8));
  int32_t rgb[3];
  Fns().get_pixel(b.h, 2, 1, rgb);
  EXPECT_EQ(rgb[0], 90);
  EXPECT_EQ(rgb[2], 110);
  EXPECT_EQ(Fns().get_alpha(b.h, 1, 1), 80);
  uint8_t back[9] = {};
  ASSERT_TRUE(Fns().get_row(b.h, 1, back, 3, GXA_PIXEL_RGB8));
  EXPECT_EQ(back[3], 50);
  Fns().set_pixel(b.h, 0, 0, 300, -5, 7);  // components are clamped
  Fns().get_pixel(b.h, 0, 0, rgb);
  EXPECT_EQ(rgb[0], 255);
  EXPECT_EQ(rgb[1], 0);
  EXPECT_FALSE(Fns().set_row(b.h, 5, row, 3, GXA_PIXEL_RGB8));
  EXPECT_FALSE(Fns().set_row(b.h, 0, row, 3, 99));
}

TEST(BitmapFamily, RowPartsTouchOnlyTheirColumnsAndColourKeepsAlpha) {
  for (const int depth : {24, 32}) {
    OwnedBitmap b;
    ASSERT_TRUE(Fns().init(b.h, 5, 2, depth));
    if (depth == 24) {
      ASSERT_TRUE(Fns().add_alpha(b.h));
    }
    const uint8_t rgba[8] = {1, 2, 3, 0, 4, 5, 6, 7};
    ASSERT_TRUE(Fns().set_row_part(b.h, 2, 1, rgba, 2, GXA_PIXEL_RGBA8));
    EXPECT_EQ(Fns().get_alpha(b.h, 2, 1), 0) << depth;
    EXPECT_EQ(Fns().get_alpha(b.h, 3, 1), 7) << depth;
    // Colour alone, by row part or pixel, leaves the alpha as it was.
    const uint8_t rgb[3] = {9, 9, 9};
    ASSERT_TRUE(Fns().set_row_part(b.h, 2, 1, rgb, 1, GXA_PIXEL_RGB8));
    Fns().set_pixel(b.h, 3, 1, 8, 8, 8);
    EXPECT_EQ(Fns().get_alpha(b.h, 2, 1), 0) << depth;
    EXPECT_EQ(Fns().get_alpha(b.h, 3, 1), 7) << depth;
    uint8_t back[12] = {};
    ASSERT_TRUE(Fns().get_row_part(b.h, 1, 1, back, 3, GXA_PIXEL_RGBA8));
    EXPECT_EQ(back[4], 9);
    EXPECT_EQ(back[7], 0);
    EXPECT_EQ(back[8], 8);
    EXPECT_EQ(back[11], 7);
    // Columns outside the row are refused, nothing is written.
    EXPECT_FALSE(Fns().set_row_part(b.h, 4, 1, rgba, 2, GXA_PIXEL_RGBA8));
    EXPECT_FALSE(Fns().get_row_part(b.h, -1, 0, back, 1, GXA_PIXEL_RGB8));
    EXPECT_EQ(Fns().get_alpha(b.h, 4, 1), 0) << depth;
  }
}

TEST(BitmapFamily, WideRowsKeepEveryPixelAndAlphaInBothDirections) {
  // Long enough for the vector steps, odd so that a tail is left.
  constexpr int kWidth = 203;
  for (const int depth : {24, 32}) {
    OwnedBitmap b;
    ASSERT_TRUE(Fns().init(b.h, kWidth + 4, 2, depth));
    if (depth == 24) {
      ASSERT_TRUE(Fns().add_alpha(b.h));
    }
    std::vector<uint8_t> rgba(4 * kWidth);
    for (size_t i = 0; i < rgba.size(); ++i) rgba[i] = uint8_t(i * 7 + i / 4);
    ASSERT_TRUE(Fns().set_row_part(b.h, 3, 1, rgba.data(), kWidth, GXA_PIXEL_RGBA8));
    for (int x = 0; x < kWidth; ++x) {
      int32_t rgb[3];
      Fns().get_pixel(b.h, x + 3, 1, rgb);
      ASSERT_EQ(rgb[0], rgba[4 * x]) << depth << " at " << x;
      ASSERT_EQ(rgb[2], rgba[4 * x + 2]) << depth << " at " << x;
      ASSERT_EQ(Fns().get_alpha(b.h, x + 3, 1), rgba[4 * x + 3]) << depth << " at " << x;
    }
    // Neighbours of the part stay as they were.
    EXPECT_EQ(Fns().get_alpha(b.h, 2, 1), 0);
    EXPECT_EQ(Fns().get_alpha(b.h, kWidth + 3, 1), 0);
    std::vector<uint8_t> back(4 * kWidth + 4, 0xEE);
    ASSERT_TRUE(Fns().get_row_part(b.h, 3, 1, back.data(), kWidth, GXA_PIXEL_RGBA8));
    EXPECT_TRUE(std::equal(rgba.begin(), rgba.end(), back.begin())) << depth;
    EXPECT_EQ(back[4 * kWidth], 0xEE);  // nothing written past the row
    std::vector<uint8_t> rgb(3 * kWidth);
    ASSERT_TRUE(Fns().get_row_part(b.h, 3, 1, rgb.data(), kWidth, GXA_PIXEL_RGB8));
    EXPECT_EQ(rgb[3 * 100 + 1], rgba[4 * 100 + 1]);
  }
}

TEST(BitmapFamily, CopiesAndScales) {
  OwnedBitmap src, part, scaled;
  ASSERT_TRUE(Fns().init(src.h, 4, 4, 24));
  Fns().set_pixel(src.h, 2, 1, 200, 0, 0);
  ASSERT_TRUE(Fns().copy_part_to(src.h, part.h, 2, 1, 2, 2));
  EXPECT_EQ(Fns().width(part.h), 2);
  int32_t rgb[3];
  Fns().get_pixel(part.h, 0, 0, rgb);
  EXPECT_EQ(rgb[0], 200);
  ASSERT_TRUE(Fns().init(scaled.h, 8, 8, 24));
  ASSERT_TRUE(Fns().scale_to(src.h, scaled.h, false));
  Fns().get_pixel(scaled.h, 5, 3, rgb);
  EXPECT_EQ(rgb[0], 200);
  EXPECT_FALSE(Fns().copy_part_to(src.h, part.h, 0, 0, 0, 2));
}

TEST(BitmapFamily, LoadingTellsMissingUnknownAndDamagedFilesApart) {
  OwnedBitmap b;
  Filename missing((std::filesystem::path(::testing::TempDir()) / "no-such-picture.png").string());
  EXPECT_EQ(Fns().load_file(b.h, ToHandle(&missing)), GXA_LOAD_NOTFOUND);
  Filename text(TempFile("not-a-picture.txt", "hello, this is text").string());
  EXPECT_EQ(Fns().load_file(b.h, ToHandle(&text)), GXA_LOAD_UNKNOWN_FORMAT);
  Filename broken(TempFile("broken.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16)).string());
  EXPECT_EQ(Fns().load_file(b.h, ToHandle(&broken)), GXA_LOAD_DAMAGED);

  Bitmap picture(3, 2, 24);
  picture.Clear({1, 2, 3, 255});
  const auto good = std::filesystem::path(::testing::TempDir()) / "good.png";
  std::string error;
  ASSERT_TRUE(picture.SavePng(good, error)) << error;
  Filename ok(good.string());
  EXPECT_EQ(Fns().load_file(b.h, ToHandle(&ok)), GXA_LOAD_OK);
  EXPECT_EQ(Fns().width(b.h), 3);
}

// A module's bitmap loaded from a deep, interlaced PNG with transparency
// reads back, row by row, the 8-bit colours and alphas the file holds.
TEST(BitmapFamily, DeepInterlacedPngsLoadIntoTheModulesBitmapExactly) {
  testpictures::PngOptions deep;
  deep.colorType = PNG_COLOR_TYPE_RGBA;
  deep.bitDepth = 16;
  deep.interlaced = true;
  auto at = [](int x, int y) { return testpictures::Rgb8(200 - x * 20, 30 + y * 40, x * y * 6, 255 - x * 25 - y); };
  const std::vector<uint8_t> png = testpictures::Png(9, 6, at, deep);
  OwnedBitmap b;
  Filename file(TempFile("deep.png", std::string(png.begin(), png.end())).string());
  ASSERT_EQ(Fns().load_file(b.h, ToHandle(&file)), GXA_LOAD_OK);
  ASSERT_TRUE(Fns().has_alpha(b.h));
  for (int y = 0; y < 6; ++y) {
    uint8_t row[9 * 4];
    ASSERT_TRUE(Fns().get_row(b.h, y, row, 9, GXA_PIXEL_RGBA8));
    for (int x = 0; x < 9; ++x) {
      const uint8_t* p = row + x * 4;
      EXPECT_EQ(std::vector<int>(p, p + 4), (std::vector<int>{200 - x * 20, 30 + y * 40, x * y * 6, 255 - x * 25 - y}))
          << x << ", " << y;
    }
  }
}

TEST(BitmapFamily, OnlyItsOwnBitmapsAreDestroyed) {
  Bitmap hostOwned(2, 2, 24);
  Fns().destroy(reinterpret_cast<GxaBitmap*>(&hostOwned));  // must be left alone
  EXPECT_EQ(hostOwned.Width(), 2);
  Fns().destroy(nullptr);
}

TEST(BitmapFamily, CanvasesMeasureText) {
  GxaCanvas* canvas = Fns().canvas_create(1, 1, 32);
  ASSERT_NE(canvas, nullptr);
  const int32_t narrow = Fns().canvas_text_width(canvas, "i");
  const int32_t wide = Fns().canvas_text_width(canvas, "WWWW");
  EXPECT_GT(wide, 3 * narrow);
  EXPECT_GT(Fns().canvas_text_height(canvas), 8);
  EXPECT_EQ(Fns().canvas_text_width(canvas, nullptr), 0);
  Fns().canvas_destroy(canvas);
  EXPECT_EQ(Fns().canvas_create(0, 1, 32), nullptr);
  EXPECT_EQ(Fns().canvas_create(1, 1, 8), nullptr);
}

}  // namespace
}  // namespace host
