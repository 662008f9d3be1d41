// The desktop icon: the installed pixels and the scalable picture are one
// design, so a desktop that picks either shows the same wheel.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <regex>

#include "raster/appicon.h"

namespace host {
namespace {

constexpr double kPi = std::numbers::pi;

// The colour of the SVG wedge whose middle lies nearest the given angle.
std::string SvgWedgeColor(const std::string& svg, double degrees) {
  const std::regex path("<path fill=\"(#[0-9a-f]{6})\"");
  std::vector<std::string> fills;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), path); it != std::sregex_iterator(); ++it) {
    fills.push_back((*it)[1]);
  }
  if (fills.empty()) return "";
  const auto index = static_cast<size_t>(std::floor(degrees / 360.0 * static_cast<double>(fills.size())));
  return fills[index % fills.size()];
}

std::string HexOf(Rgba c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
  return buf;
}

TEST(AppIcon, PixelsShowTheHueRingOnAPlateWithClearCorners) {
  for (int side : {48, 256}) {
    SCOPED_TRACE(side);
    const Bitmap icon = AppIcon::Pixels(side);
    ASSERT_EQ(icon.Width(), side);
    EXPECT_EQ(icon.GetAlpha(0, 0), 0);
    EXPECT_EQ(icon.GetAlpha(side - 1, side - 1), 0);
    const Rgba centre = icon.GetPixel(side / 2, side / 2);
    EXPECT_EQ(icon.GetAlpha(side / 2, side / 2), 255);
    EXPECT_LT(centre.r, 80);
    // Red at three o'clock, green at eleven, blue at seven, as the wheel turns.
    const double r = side * 15.0 / 48.0;
    auto at = [&](double degrees) {
      const double a = degrees * kPi / 180;
      return icon.GetPixel(int(side / 2 + r * std::cos(a)), int(side / 2 - r * std::sin(a)));
    };
    const Rgba red = at(0), green = at(120), blue = at(240);
    EXPECT_GT(red.r, 200);
    EXPECT_LT(red.g, 80);
    EXPECT_GT(green.g, 200);
    EXPECT_LT(green.b, 80);
    EXPECT_GT(blue.b, 200);
    EXPECT_LT(blue.r, 80);
  }
}

TEST(AppIcon, SvgRingHasThePixelsColours) {
  const std::string svg = AppIcon::Svg();
  ASSERT_EQ(svg.rfind("<svg ", 0), 0u);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
  const Bitmap icon = AppIcon::Pixels(256);
  for (double degrees : {3.0, 95.0, 185.0, 275.0}) {
    SCOPED_TRACE(degrees);
    const double a = degrees * kPi / 180, r = 256 * 15.0 / 48.0;
    const Rgba px = icon.GetPixel(int(128 + r * std::cos(a)), int(128 - r * std::sin(a)));
    const std::string wedge = SvgWedgeColor(svg, degrees);
    ASSERT_EQ(wedge.size(), 7u);
    const auto channel = [&](int i) { return std::stoi(wedge.substr(1 + 2 * i, 2), nullptr, 16); };
    EXPECT_NEAR(channel(0), px.r, 24) << wedge << " vs " << HexOf(px);
    EXPECT_NEAR(channel(1), px.g, 24) << wedge << " vs " << HexOf(px);
    EXPECT_NEAR(channel(2), px.b, 24) << wedge << " vs " << HexOf(px);
  }
}

}  // namespace
}  // namespace host
