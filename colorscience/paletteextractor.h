#pragma once
// The few colours that stand for a picture: k-means in OKLab over the
// picture's colours. The pixels are first counted into a histogram of 32
// levels per component that keeps the mean colour of each cell, so the work
// after one pass over the pixels does not grow with the picture, and a flat
// area keeps its exact colour. Seeding is deterministic (the most common
// colour, then each time the colour that adds most to the squared error), so
// one picture always gives one palette.
//
// Pixels come in spans of 8-bit components, red, green and blue first, three
// or four bytes a pixel (a fourth, alpha, is not looked at); a picture may be
// counted row by row.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "colorscience/oklab.h"

namespace colorscience
{

class PaletteExtractor
{
public:
  static constexpr int kMaxCount = 32;

  struct Swatch
  {
    SrgbColor color;
    double share = 0.0;  // of the counted pixels, 0..1
  };

  PaletteExtractor();

  // Counts the pixels of a span of step (3 or 4) bytes each; a partial
  // pixel at the end is left out.
  void Add(std::span<const std::uint8_t> pixels, int step);
  std::uint64_t PixelCount() const { return _pixels; }

  // count colours (1..kMaxCount), most common first; fewer when the pixels
  // have fewer distinct colours. Empty without pixels or for a bad count.
  std::vector<Swatch> Extract(int count) const;

private:
  struct Cell
  {
    std::uint64_t count = 0, r = 0, g = 0, b = 0;
  };

  struct Point
  {
    OkLabColor lab;
    double weight = 0.0;
  };

  std::vector<Point> Points() const;
  static std::vector<OkLabColor> Seeds(const std::vector<Point>& points, int count);
  // Lloyd's steps until no point changes cluster; answers each cluster's weight.
  static std::vector<double> Refine(const std::vector<Point>& points, std::vector<OkLabColor>& centres);
  static std::size_t NearestCentre(const OkLabColor& lab, const std::vector<OkLabColor>& centres);

  std::vector<Cell> _cells;
  std::uint64_t _pixels = 0;
};

}  // namespace colorscience
