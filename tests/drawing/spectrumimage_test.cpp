// The spectrum's square read back from the host bitmap it was built in,
// across rebuilds that keep or change its size.
#include <cmath>

#include "drawinghost.h"
#include "spectrum/colorspectrumimage.h"
#include "utils/colorconversions.h"

namespace drawingtest {
namespace {

Rgb To8(const Vector& rgb) {
  auto c = [](double v) { return static_cast<int>(v * 255.0 + 0.5); };
  return {c(rgb.x), c(rgb.y), c(rgb.z)};
}

class SpectrumImageTest : public DrawingTest {
 protected:
  // Every pixel of the square: HsvToRgb inside, transparent in the margin.
  static void ExpectSquare(const BaseBitmap& square, std::int32_t edge, std::int32_t margin, double hue) {
    ASSERT_EQ(square.GetWidth(), edge);
    const std::int32_t steps = edge - 2 * margin - 1;
    for (std::int32_t y = 0; y < edge; ++y) {
      for (std::int32_t x = 0; x < edge; ++x) {
        const std::int32_t i = x - margin, j = y - margin;
        const bool inside = i >= 0 && j >= 0 && i <= steps && j <= steps;
        ASSERT_EQ(square.GetAlpha(x, y), inside ? 255 : 0) << x << ", " << y << " hue " << hue;
        if (!inside) continue;
        const Vector hsv(hue, static_cast<double>(i) / steps, 1.0 - static_cast<double>(j) / steps);
        ASSERT_EQ(At(square, x, y), To8(HsvToRgb(hsv))) << x << ", " << y << " hue " << hue;
      }
    }
  }

  ColorSpectrumImage _image;
};

TEST_F(SpectrumImageTest, EveryPixelFollowsTheHsvFormulaAcrossRebuilds) {
  // Each sector, its borders, and the hue 1.0 that wraps to red; the sizes
  // change in between, so that the square is both reused and made anew.
  const struct {
    std::int32_t edge, margin;
    double hue;
  } builds[] = {{75, 6, 0.0},       {75, 6, 1.0 / 6.0}, {75, 6, 0.29},  {75, 6, 0.5}, {150, 12, 0.61},
                {150, 12, 4.0 / 6}, {150, 12, 0.9},     {75, 6, 0.999}, {75, 6, 1.0}};
  for (const auto& build : builds) {
    auto prepared = _image.Prepare(build.edge, build.margin, build.hue, false);
    ASSERT_TRUE(prepared.IsOk());
    EXPECT_TRUE(prepared.GetValue());
    ExpectSquare(*_image.GetSquare(), build.edge, build.margin, build.hue);
  }
  // The same hue and size again builds nothing.
  auto again = _image.Prepare(75, 6, 1.0, false);
  ASSERT_TRUE(again.IsOk());
  EXPECT_FALSE(again.GetValue());
}

TEST_F(SpectrumImageTest, ComposedCopyCarriesTheMarkerAndMovingItRestoresTheSquare) {
  ASSERT_TRUE(_image.Prepare(75, 6, 0.3, false).IsOk());
  ASSERT_TRUE(_image.BuildMarker(8.0, 2.0).IsOk());
  ColorSpectrumImage::Marker marker;
  marker.centre = Vector(20, 20, 0);
  marker.color = Vector(1, 0, 0);
  ASSERT_TRUE(_image.Compose(marker, true).IsOk());
  EXPECT_EQ(At(*_image.GetComposed(), 20, 20), (Rgb{255, 0, 0}));
  // A new hue rebuilds the square in place; the next full compose shows it.
  ASSERT_TRUE(_image.Prepare(75, 6, 0.7, false).IsOk());
  marker.centre = Vector(50, 50, 0);
  ASSERT_TRUE(_image.Compose(marker, true).IsOk());
  marker.centre = Vector(30, 40, 0);
  ASSERT_TRUE(_image.Compose(marker, false).IsOk());
  const BaseBitmap& composed = *_image.GetComposed();
  const BaseBitmap& square = *_image.GetSquare();
  for (std::int32_t y = 40; y < 60; ++y) {
    for (std::int32_t x = 40; x < 60; ++x) {
      if (std::hypot(x - 30.0, y - 40.0) < 10.0) continue;  // under the marker's new place
      ASSERT_EQ(At(composed, x, y), At(square, x, y)) << x << ", " << y;
    }
  }
}

}  // namespace
}  // namespace drawingtest
