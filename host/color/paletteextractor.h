#pragma once
// The few colours that stand for a picture: k-means in OKLab over the
// picture's colours. The picture is first counted into a histogram of 32
// levels per component that keeps the mean colour of each cell, so the work
// after one pass over the pixels does not grow with the picture, and a flat
// area keeps its exact colour. Seeding is deterministic (the most common
// colour, then each time the colour that adds most to the squared error), so
// one picture always gives one palette.
#include <cstdint>
#include <vector>

#include "colorscience/oklab.h"
#include "raster/bitmap.h"

namespace host
{

class PaletteExtractor
{
public:
  static constexpr int kMaxCount = 32;

  struct Swatch
  {
    colorscience::SrgbColor color;
    double share = 0.0;  // of the picture's pixels, 0..1
  };

  // count colours (1..kMaxCount), most common first; fewer when the picture
  // has fewer distinct colours. Empty for an empty picture or a bad count.
  static std::vector<Swatch> Extract(const Bitmap& picture, int count);

private:
  struct Point
  {
    colorscience::OkLabColor lab;
    double weight = 0.0;
  };

  static std::vector<Point> Histogram(const Bitmap& picture);
  static std::vector<colorscience::OkLabColor> Seeds(const std::vector<Point>& points, int count);
  // Lloyd's steps until no point changes cluster; answers each cluster's weight.
  static std::vector<double> Refine(const std::vector<Point>& points, std::vector<colorscience::OkLabColor>& centres);
  static size_t NearestCentre(const colorscience::OkLabColor& lab,
                              const std::vector<colorscience::OkLabColor>& centres);
};

}  // namespace host
