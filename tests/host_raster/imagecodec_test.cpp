#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

#include <jpeglib.h>

#include "raster/imagecodec.h"
#include "testpictures.h"

namespace host {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> EncodeJpeg(const Bitmap& rgb, int quality = 95) {
  jpeg_compress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(rgb.Width());
  info.image_height = JDIMENSION(rgb.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uint8_t*>(rgb.Row(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

Bitmap Flat(int w, int h, Rgba c, int depth = 24) {
  Bitmap b(w, h, depth);
  b.Clear(c);
  return b;
}

class ImageCodecTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("gxa_raster_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(ImageCodecTest, PngRoundTripKeepsPixelsAndAlpha) {
  Bitmap rgb(5, 3, 24);
  rgb.SetPixel(4, 2, {1, 2, 3});
  Bitmap withChannel = Flat(2, 2, {9, 9, 9});
  withChannel.AddAlphaChannel();
  withChannel.SetAlpha(1, 0, 33);
  Bitmap rgba = Flat(2, 2, {50, 60, 70, 128}, 32);

  for (const Bitmap* b : {&rgb, &withChannel, &rgba}) {
    const fs::path file = dir_ / "out.png";
    std::string error;
    ASSERT_TRUE(b->SavePng(file, error)) << error;
    Bitmap loaded;
    ASSERT_TRUE(loaded.Load(file, error)) << error;
    ASSERT_EQ(loaded.Width(), b->Width());
    EXPECT_EQ(loaded.HasAlpha(), b->HasAlpha());
    for (int y = 0; y < b->Height(); ++y) {
      for (int x = 0; x < b->Width(); ++x) EXPECT_EQ(loaded.GetPixel(x, y), b->GetPixel(x, y));
    }
  }
  EXPECT_FALSE(fs::exists(dir_ / "out.png.tmp"));
}

TEST_F(ImageCodecTest, JpegDecodesCloseToTheOriginal) {
  const std::vector<uint8_t> jpeg = EncodeJpeg(Flat(16, 8, {200, 100, 50}));
  Bitmap loaded;
  std::string error;
  ASSERT_TRUE(loaded.LoadFromMemory(jpeg, error)) << error;
  EXPECT_EQ(loaded.Width(), 16);
  EXPECT_EQ(loaded.Height(), 8);
  EXPECT_FALSE(loaded.HasAlpha());
  const Rgba c = loaded.GetPixel(7, 4);
  EXPECT_NEAR(c.r, 200, 4);
  EXPECT_NEAR(c.g, 100, 4);
  EXPECT_NEAR(c.b, 50, 4);
}

TEST_F(ImageCodecTest, DamagedDataGivesAnErrorAndKeepsTheBitmap) {
  std::vector<uint8_t> png;
  std::string error;
  ASSERT_TRUE(ImageCodec::EncodePng(Flat(40, 40, {1, 2, 3}), png, error));
  std::vector<uint8_t> truncatedPng(png.begin(), png.begin() + std::ptrdiff_t(png.size() / 2));
  std::vector<uint8_t> badCrc = png;
  badCrc[40] ^= 0x55;
  std::vector<uint8_t> jpeg = EncodeJpeg(Flat(64, 64, {5, 6, 7}));
  std::vector<uint8_t> truncatedJpeg(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(jpeg.size() / 2));
  std::vector<uint8_t> headerOnlyJpeg(jpeg.begin(), jpeg.begin() + 20);
  std::vector<uint8_t> text = {'h', 'e', 'l', 'l', 'o'};

  for (const std::vector<uint8_t>* data : {&truncatedPng, &badCrc, &truncatedJpeg, &headerOnlyJpeg, &text}) {
    Bitmap keep = Flat(3, 3, {11, 12, 13});
    std::string message;
    EXPECT_FALSE(keep.LoadFromMemory(*data, message));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(keep.Width(), 3);
    EXPECT_EQ(keep.GetPixel(1, 1), (Rgba{11, 12, 13}));
  }
}

// Mutated pictures either decode to a sane bitmap or fail with a message.
TEST_F(ImageCodecTest, MutatedPicturesNeverCrash) {
  Bitmap source(24, 16, 32);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 24; ++x) source.SetPixel(x, y, {uint8_t(x * 10), uint8_t(y * 15), 90, uint8_t(x * y)});
  }
  std::vector<uint8_t> png;
  std::string error;
  ASSERT_TRUE(ImageCodec::EncodePng(source, png, error));
  Bitmap rgb(24, 16, 24);
  source.CopyPartTo(rgb, 0, 0, 24, 16);
  std::vector<uint8_t> jpeg = EncodeJpeg(rgb);

  std::mt19937 random(1234);
  for (const std::vector<uint8_t>* original : {&png, &jpeg}) {
    for (int round = 0; round < 400; ++round) {
      std::vector<uint8_t> data = *original;
      const int flips = 1 + int(random() % 6);
      for (int i = 0; i < flips; ++i) data[random() % data.size()] = uint8_t(random());
      if (round % 5 == 0) data.resize(random() % data.size());
      Bitmap out;
      std::string message;
      if (out.LoadFromMemory(data, message)) {
        EXPECT_FALSE(out.IsEmpty());
      } else {
        EXPECT_FALSE(message.empty());
      }
    }
  }
}

// Deep, interlaced pictures with transparency, as icons, presets and bitmaps
// load them: every pass lands in its place and the 16-bit components keep
// their 8-bit values, colour and alpha alike.
TEST_F(ImageCodecTest, DeepInterlacedPngsWithAlphaLoadExactly) {
  auto at = [](int x, int y) { return testpictures::Rgb8(x * 17, 255 - y * 13, (x * y) % 256, 40 + x * 9 + y); };
  struct Kind {
    const char* name;
    int type;
    bool interlaced;
  };
  for (const Kind kind : {Kind{"rgba", PNG_COLOR_TYPE_RGBA, true}, Kind{"grey alpha", PNG_COLOR_TYPE_GRAY_ALPHA, true},
                          Kind{"rgba plain", PNG_COLOR_TYPE_RGBA, false}}) {
    SCOPED_TRACE(kind.name);
    testpictures::PngOptions options;
    options.colorType = kind.type;
    options.bitDepth = 16;
    options.interlaced = kind.interlaced;
    const fs::path file = dir_ / "deep.png";
    const std::vector<uint8_t> png = testpictures::Png(13, 11, at, options);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    Bitmap loaded;
    std::string error;
    ASSERT_TRUE(loaded.Load(file, error)) << error;
    ASSERT_EQ(loaded.Width(), 13);
    ASSERT_EQ(loaded.Height(), 11);
    ASSERT_TRUE(loaded.HasAlpha());
    const bool grey = kind.type == PNG_COLOR_TYPE_GRAY_ALPHA;
    for (int y = 0; y < 11; ++y) {
      for (int x = 0; x < 13; ++x) {
        const Rgba c = loaded.GetPixel(x, y);
        const int r = x * 17;
        EXPECT_EQ(c, (Rgba{uint8_t(r), uint8_t(grey ? r : 255 - y * 13), uint8_t(grey ? r : (x * y) % 256),
                           uint8_t(40 + x * 9 + y)}))
            << x << ", " << y;
      }
    }
  }
}

// A decode tells how far it got, row by row and pass by pass, and stops when
// told to, keeping the bitmap it was given.
TEST_F(ImageCodecTest, DecodesReportProgressAndStopWhenAsked) {
  auto at = [](int x, int y) { return testpictures::Rgb8(x % 256, y % 256, 90); };
  testpictures::PngOptions interlaced;
  interlaced.interlaced = true;
  testpictures::JpegOptions progressive;
  progressive.progressive = true;
  const std::vector<uint8_t> pictures[] = {testpictures::Png(40, 120, at), testpictures::Png(40, 120, at, interlaced),
                                           testpictures::Jpeg(40, 120, at),
                                           testpictures::Jpeg(40, 120, at, progressive)};
  for (const std::vector<uint8_t>& data : pictures) {
    SCOPED_TRACE(&data - pictures);
    std::vector<double> seen;
    ImageCodec::PictureOptions options;
    options.progress = [&](double done) {
      seen.push_back(done);
      return true;
    };
    Bitmap out;
    std::string error;
    ASSERT_TRUE(ImageCodec::DecodePicture(data, options, out, error)) << error;
    ASSERT_GT(seen.size(), 10u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GT(seen.front(), 0.0);
    EXPECT_LT(seen.front(), 0.2);
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);

    Bitmap kept = Flat(3, 3, {11, 12, 13});
    int calls = 0;
    options.progress = [&](double done) { return ++calls < 3 && done < 1.0; };
    EXPECT_FALSE(ImageCodec::DecodePicture(data, options, kept, error));
    EXPECT_EQ(error, ImageCodec::kCancelled);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(kept.Width(), 3);
    EXPECT_EQ(kept.GetPixel(1, 1), (Rgba{11, 12, 13}));
  }
}

TEST_F(ImageCodecTest, FileErrorsNameTheFile) {
  Bitmap b;
  std::string error;
  EXPECT_FALSE(b.Load(dir_ / "missing.png", error));
  EXPECT_NE(error.find("missing.png"), std::string::npos);

  const fs::path junk = dir_ / "junk.jpg";
  std::ofstream(junk) << "\xFF\xD8\xFF garbage";
  EXPECT_FALSE(b.Load(junk, error));
  EXPECT_NE(error.find("junk.jpg"), std::string::npos);
  EXPECT_NE(error.find("JPEG"), std::string::npos);

  EXPECT_FALSE(Bitmap().SavePng(dir_ / "empty.png", error));
  EXPECT_FALSE(Flat(2, 2, {}).SavePng(dir_ / "no" / "such" / "dir.png", error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace host
