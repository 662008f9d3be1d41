#pragma once
// The module's drawing code run in the test process, drawing into the host's
// own bitmaps: a host table with the host's bitmap and colour families is
// installed for the test's lifetime.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "basebitmap.h"
#include "color/colorfamily.h"
#include "gui/bitmapfamily.h"
#include "gxa_api.h"
#include "hostaccess.h"
#include "raster/bitmap.h"

namespace drawingtest {
struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

class DrawingTest : public ::testing::Test {
 protected:
  DrawingTest() {
    _table.version = GXA_API_VERSION;
    _table.size = sizeof _table;
    _table.bitmaps = host::BitmapFamily::Table();
    _table.color = host::ColorFamily();
    SetHostTable(&_table);
  }
  ~DrawingTest() override { SetHostTable(nullptr); }

  // A bitmap of one colour; with alpha, every pixel takes alpha.
  static void Fill(BaseBitmap& bitmap, std::int32_t w, std::int32_t h, Rgb color, int alpha = -1) {
    ASSERT_TRUE(bitmap.Init(w, h, 24).IsOk());
    if (alpha >= 0) {
      ASSERT_TRUE(bitmap.AddAlpha().IsOk());
    }
    for (std::int32_t y = 0; y < h; ++y) {
      for (std::int32_t x = 0; x < w; ++x) {
        bitmap.SetPixel(x, y, color.r, color.g, color.b);
        if (alpha >= 0) {
          bitmap.SetAlpha(x, y, alpha);
        }
      }
    }
  }

  static Rgb At(const BaseBitmap& bitmap, std::int32_t x, std::int32_t y) {
    Rgb c;
    bitmap.GetPixel(x, y, c.r, c.g, c.b);
    return c;
  }

  // Writes the bitmap as a PNG when GXA_DRAWING_PNG names a folder, to look at.
  static void Keep(const BaseBitmap& bitmap, const std::string& name) {
    const char* folder = std::getenv("GXA_DRAWING_PNG");
    if (!folder) return;
    std::string error;
    reinterpret_cast<const host::Bitmap*>(bitmap.Get())->SavePng(std::filesystem::path(folder) / name, error);
  }

 private:
  GxaHostTable _table{};
};
}  // namespace drawingtest
