#pragma once
// What the mosaic knows of one picture pixel: its hue in whole degrees (the
// key tiles vote with), and its hue, saturation and value. A hue that rounds
// to 360 degrees counts as 0, key and hue alike, so reds on both sides of the
// seam vote together.
//
// FromRgb8 is the plain conversion. Key and HueSaturation give the same
// figures for 8-bit pixels much faster: the key by integer arithmetic (only
// hues exactly half way between two degrees take the plain conversion, whose
// rounding decides them), hue and saturation by the conversion's own steps
// with its divisions looked up.
#include <array>
#include <cstdint>

struct MosaicPixel
{
  std::int32_t key = 0;
  double hue = 0.0;
  double saturation = 0.0;
  double value = 0.0;

  static MosaicPixel FromRgb8(std::uint8_t r, std::uint8_t g, std::uint8_t b);
  // The value of an 8-bit component as the conversion sees it.
  static double Component(std::uint8_t c) { return c * (1.0 / 255.0); }

  static std::int32_t Key(std::uint8_t r, std::uint8_t g, std::uint8_t b);

  // The conversion's components, and for every (max, min) its 1 / (max - min)
  // (0 for greys) and 1 - min / max.
  struct Tables
  {
    // Side by side, as every pixel needs both.
    struct Span
    {
      double inverse = 0.0;
      double saturation = 0.0;
    };
    std::array<double, 256> components{};
    std::array<Span, 65536> spans{};
    Tables();
  };
  static const Tables& GetTables();

  // HueSaturation of n pixels, each with its own key, into hues,
  // saturations and largest; four pixels at a time where the processor has
  // the vectors for it, with the same operations in the same order. Reads up
  // to four bytes past the last pixel.
  // Whether RowFigures works four pixels at a time here.
  static bool HasRowVectors();
  static void RowFigures(const std::uint8_t* rgb, const std::uint16_t* keys, std::int64_t n, double* hues,
                         double* saturations, std::uint8_t* largest);

  // Hue and saturation of a pixel with the given key: the conversion's own
  // steps, without its branches or its division by the span. Returns the
  // largest component, which the value needs.
  static std::uint8_t HueSaturation(const Tables& tables, const std::uint8_t* rgb, std::int32_t key, double& hue,
                                    double& saturation)
  {
    static constexpr double kSectorStart[3] = {0.0, 2.0, 4.0};
    const std::uint8_t r = rgb[0], g = rgb[1], b = rgb[2];
    const std::uint8_t max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const std::uint8_t min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const std::size_t span = static_cast<std::size_t>(max) << 8 | min;
    // Red, green or blue largest: hue from the other two, a third of a turn
    // further each.
    const int sector = r == max ? 0 : (g == max ? 1 : 2);
    const std::uint8_t first = rgb[sector == 2 ? 0 : sector + 1], second = rgb[sector == 0 ? 2 : sector - 1];
    const double* c = tables.components.data();
    const Tables::Span& figures = tables.spans[span];
    double h = (c[first] - c[second]) * figures.inverse + kSectorStart[sector];
    // Only a red hue below the red axis is negative.
    const double turn = sector == 0 && first < second ? 1.0 : 0.0;
    h = h / 6.0 + turn;
    // Key 0 holds the hues that rounded up to a full turn; they count as 0.
    hue = key == 0 && h > 0.5 ? 0.0 : h;
    saturation = figures.saturation;
    return max;
  }
};
