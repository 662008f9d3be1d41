// Pictures the user opens, through the host's loader: every PNG kind comes
// out as the colours it holds, JPEG baseline and progressive too, embedded
// profiles are converted to sRGB, and bad files are refused with a message
// that names them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include <zlib.h>

#include "color/colorprofile.h"
#include "color/picturefile.h"
#include "raster/bitmap.h"
#include "tempfolder.h"
#include "testpictures.h"

namespace {
using testpictures::Pixel;
using testpictures::Rgb8;

class PictureFileTest : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const auto path = _folder.Path() / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
  }

  bool Load(const std::filesystem::path& path) {
    _error.clear();
    return host::PictureFile::Load(path, _picture, _error);
  }

  void ExpectPixel(int x, int y, int r, int g, int b, int tolerance = 0) {
    const host::Rgba c = _picture.GetPixel(x, y);
    EXPECT_NEAR(c.r, r, tolerance) << x << ", " << y;
    EXPECT_NEAR(c.g, g, tolerance) << x << ", " << y;
    EXPECT_NEAR(c.b, b, tolerance) << x << ", " << y;
  }

  TempFolder _folder;
  host::Bitmap _picture;
  std::string _error;
};

Pixel Pattern(int x, int y) { return Rgb8(x * 40, y * 50, 200 - x * 20, 255 - x * 30); }

TEST_F(PictureFileTest, EveryPngKindShowsItsColours) {
  struct Kind {
    const char* name;
    int type, depth;
    bool interlaced;
  };
  const Kind kinds[] = {{"rgb8", PNG_COLOR_TYPE_RGB, 8, false},
                        {"rgb16", PNG_COLOR_TYPE_RGB, 16, false},
                        {"rgba8", PNG_COLOR_TYPE_RGBA, 8, false},
                        {"palette", PNG_COLOR_TYPE_PALETTE, 8, false},
                        {"interlaced", PNG_COLOR_TYPE_RGB, 8, true},
                        {"rgba16", PNG_COLOR_TYPE_RGBA, 16, false},
                        {"rgba16 interlaced", PNG_COLOR_TYPE_RGBA, 16, true}};
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    testpictures::PngOptions options;
    options.colorType = kind.type;
    options.bitDepth = kind.depth;
    options.interlaced = kind.interlaced;
    ASSERT_TRUE(Load(Write(std::string(kind.name) + ".png", testpictures::Png(6, 5, Pattern, options)))) << _error;
    ASSERT_EQ(_picture.Width(), 6);
    ASSERT_EQ(_picture.Height(), 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x) ExpectPixel(x, y, x * 40, y * 50, 200 - x * 20);
    if (kind.type == PNG_COLOR_TYPE_RGBA) {
      EXPECT_EQ(_picture.GetAlpha(3, 2), 255 - 3 * 30);
    }
    EXPECT_EQ(_picture.Profile(), host::ColorProfile::Srgb().Body());
  }
}

TEST_F(PictureFileTest, GreyPngsAndDeepGreysKeepTheirLevels) {
  testpictures::PngOptions grey;
  grey.colorType = PNG_COLOR_TYPE_GRAY;
  ASSERT_TRUE(Load(Write("grey.png", testpictures::Png(4, 1, Pattern, grey)))) << _error;
  ExpectPixel(2, 0, 80, 80, 80);
  grey.colorType = PNG_COLOR_TYPE_GRAY_ALPHA;
  grey.bitDepth = 16;
  // 16-bit greys without gamma information read as sRGB-encoded values.
  ASSERT_TRUE(Load(Write("grey16.png", testpictures::Png(4, 1, Pattern, grey)))) << _error;
  ExpectPixel(3, 0, 120, 120, 120);
  EXPECT_EQ(_picture.GetAlpha(3, 0), 165);
}

TEST_F(PictureFileTest, TransparencyFromATrnsChunkLoadsAsAlpha) {
  // A palette picture: each entry carries its own alpha.
  testpictures::PngOptions palette;
  palette.colorType = PNG_COLOR_TYPE_PALETTE;
  palette.trns = true;
  ASSERT_TRUE(Load(Write("palette.png", testpictures::Png(6, 5, Pattern, palette)))) << _error;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) {
      ExpectPixel(x, y, x * 40, y * 50, 200 - x * 20);
      EXPECT_EQ(_picture.GetAlpha(x, y), 255 - x * 30) << x << ", " << y;
    }
  // RGB at both depths and grey: one colour is fully transparent, the rest opaque.
  struct Kind {
    const char* name;
    int type, depth;
  };
  for (const Kind& kind : {Kind{"rgb8", PNG_COLOR_TYPE_RGB, 8}, Kind{"rgb16", PNG_COLOR_TYPE_RGB, 16},
                           Kind{"grey8", PNG_COLOR_TYPE_GRAY, 8}, Kind{"grey16", PNG_COLOR_TYPE_GRAY, 16}}) {
    SCOPED_TRACE(kind.name);
    testpictures::PngOptions options;
    options.colorType = kind.type;
    options.bitDepth = kind.depth;
    options.trns = true;
    options.transparent = Pattern(2, 3);
    ASSERT_TRUE(Load(Write(std::string(kind.name) + ".png", testpictures::Png(6, 5, Pattern, options)))) << _error;
    const bool grey = kind.type == PNG_COLOR_TYPE_GRAY;
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x) {
        // Grey pictures hold the red component, so a whole column matches.
        const bool clear = x == 2 && (grey || y == 3);
        EXPECT_EQ(_picture.GetAlpha(x, y), clear ? 0 : 255) << x << ", " << y;
        if (grey) ExpectPixel(x, y, x * 40, x * 40, x * 40);
        else ExpectPixel(x, y, x * 40, y * 50, 200 - x * 20);
      }
  }
}

TEST_F(PictureFileTest, BaselineAndProgressiveJpegsDecode) {
  auto flat = [](int x, int) { return x < 8 ? Rgb8(200, 40, 30) : Rgb8(20, 90, 220); };
  for (const bool progressive : {false, true}) {
    testpictures::JpegOptions options;
    options.progressive = progressive;
    ASSERT_TRUE(Load(Write(progressive ? "p.jpg" : "b.jpeg", testpictures::Jpeg(16, 8, flat, options)))) << _error;
    ExpectPixel(3, 3, 200, 40, 30, 6);
    ExpectPixel(12, 3, 20, 90, 220, 6);
  }
}

TEST_F(PictureFileTest, EmbeddedWideGamutProfileIsConvertedToSrgb) {
  testpictures::PngOptions png;
  png.icc = testpictures::WideGamutLinearProfile();
  auto colours = [](int x, int) { return x == 0 ? Rgb8(128, 128, 128) : Rgb8(128, 64, 64); };
  ASSERT_TRUE(Load(Write("wide.png", testpictures::Png(2, 1, colours, png)))) << _error;
  // A linear grey of 128 is 188 in sRGB; the reddish colour widens in sRGB.
  ExpectPixel(0, 0, 188, 188, 188, 1);
  ExpectPixel(1, 0, 213, 129, 136, 3);
  testpictures::JpegOptions jpeg;
  jpeg.icc = png.icc;
  ASSERT_TRUE(Load(Write("wide.jpg", testpictures::Jpeg(
                                         8, 8, [](int, int) { return Rgb8(128, 128, 128); }, jpeg))))
      << _error;
  ExpectPixel(4, 4, 188, 188, 188, 2);
  EXPECT_EQ(_picture.Profile(), host::ColorProfile::Srgb().Body());
}

TEST_F(PictureFileTest, BadFilesAreRefusedNamingTheFile) {
  const auto png = testpictures::Png(40, 30, Pattern);
  const auto jpeg = testpictures::Jpeg(40, 30, Pattern);
  testpictures::JpegOptions cmykOptions;
  cmykOptions.cmyk = true;
  struct Case {
    std::string name;
    std::vector<uint8_t> bytes;
    std::string reason;
  };
  const Case cases[] = {
      {"cut.png", std::vector<uint8_t>(png.begin(), png.begin() + png.size() / 2), "damaged PNG"},
      {"cut.jpg", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + jpeg.size() / 2), "damaged JPEG"},
      {"jpeg.png", jpeg, "holds a JPEG picture, but its name says PNG"},
      {"picture.gif", png, "not a picture file"},
      {"empty.png", {}, "empty"},
      {"cmyk.jpg", testpictures::Jpeg(8, 8, Pattern, cmykOptions), "CMYK"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    _picture.Init(3, 3);
    const auto path = Write(c.name, c.bytes);
    EXPECT_FALSE(Load(path));
    EXPECT_NE(_error.find(path.string()), std::string::npos) << _error;
    EXPECT_NE(_error.find(c.reason), std::string::npos) << _error;
    EXPECT_EQ(_picture.Width(), 3) << "a refused picture leaves the bitmap alone";
  }
}

TEST_F(PictureFileTest, PicturesBeyondOneHundredMegapixelsAreRefusedBeforeDecoding) {
  // A header that claims 12000 x 9000 pixels; the rows are never read.
  auto huge = testpictures::Png(1, 1, Pattern);
  auto put = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) huge[at + i] = uint8_t(v >> (24 - 8 * i));
  };
  put(16, 12000);
  put(20, 9000);
  const uint32_t crc = uint32_t(crc32(crc32(0, nullptr, 0), &huge[12], 17));
  put(29, crc);
  EXPECT_FALSE(Load(Write("huge.png", huge)));
  EXPECT_NE(_error.find("too large (12000 x 9000, at most 100 megapixels)"), std::string::npos) << _error;
}

}  // namespace
