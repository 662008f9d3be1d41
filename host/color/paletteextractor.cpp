#include "color/paletteextractor.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace host
{

namespace
{

constexpr int kLevelBits = 5;
constexpr int kCells = 1 << (3 * kLevelBits);
constexpr int kMaxSteps = 64;

double Squared(const colorscience::OkLabColor& x, const colorscience::OkLabColor& y)
{
  return (x.l - y.l) * (x.l - y.l) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b);
}

struct Cell
{
  uint64_t count = 0, r = 0, g = 0, b = 0;
};

}  // namespace

std::vector<PaletteExtractor::Point> PaletteExtractor::Histogram(const Bitmap& picture)
{
  std::vector<Cell> cells(kCells);
  const int step = picture.BytesPerPixel();
  constexpr int kDrop = 8 - kLevelBits;
  for (int y = 0; y < picture.Height(); ++y)
  {
    const uint8_t* p = picture.Row(y);
    const uint8_t* end = p + static_cast<size_t>(picture.Width()) * step;
    for (; p != end; p += step)
    {
      Cell& c = cells[((p[0] >> kDrop) << (2 * kLevelBits)) | ((p[1] >> kDrop) << kLevelBits) | (p[2] >> kDrop)];
      ++c.count;
      c.r += p[0];
      c.g += p[1];
      c.b += p[2];
    }
  }
  std::vector<Point> points;
  for (const Cell& c : cells)
  {
    if (c.count == 0)
      continue;
    const double n = static_cast<double>(c.count) * 255.0;
    points.push_back({colorscience::OkLab::FromSrgb({c.r / n, c.g / n, c.b / n}), static_cast<double>(c.count)});
  }
  return points;
}

std::vector<colorscience::OkLabColor> PaletteExtractor::Seeds(const std::vector<Point>& points, int count)
{
  std::vector<colorscience::OkLabColor> centres;
  std::vector<double> nearest(points.size(), std::numeric_limits<double>::infinity());
  // The first seed is the most common colour; nearest[] as infinity makes
  // the weight alone decide.
  while (static_cast<int>(centres.size()) < count)
  {
    size_t best = 0;
    double bestScore = 0.0;
    for (size_t i = 0; i < points.size(); ++i)
    {
      const double score = centres.empty() ? points[i].weight : points[i].weight * nearest[i];
      if (score > bestScore)
      {
        bestScore = score;
        best = i;
      }
    }
    // Every colour left is a centre already.
    if (bestScore == 0.0)
      break;
    centres.push_back(points[best].lab);
    for (size_t i = 0; i < points.size(); ++i)
      nearest[i] = std::min(nearest[i], Squared(points[i].lab, centres.back()));
  }
  return centres;
}

size_t PaletteExtractor::NearestCentre(const colorscience::OkLabColor& lab,
                                       const std::vector<colorscience::OkLabColor>& centres)
{
  size_t best = 0;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (size_t k = 0; k < centres.size(); ++k)
  {
    if (const double d = Squared(lab, centres[k]); d < bestDistance)
    {
      bestDistance = d;
      best = k;
    }
  }
  return best;
}

std::vector<double> PaletteExtractor::Refine(const std::vector<Point>& points,
                                             std::vector<colorscience::OkLabColor>& centres)
{
  std::vector<size_t> owner(points.size(), centres.size());
  std::vector<double> weights(centres.size());
  for (int step = 0; step < kMaxSteps; ++step)
  {
    bool moved = false;
    for (size_t i = 0; i < points.size(); ++i)
    {
      const size_t k = NearestCentre(points[i].lab, centres);
      moved = moved || k != owner[i];
      owner[i] = k;
    }
    if (!moved)
      break;
    std::vector<colorscience::OkLabColor> sums(centres.size());
    std::fill(weights.begin(), weights.end(), 0.0);
    for (size_t i = 0; i < points.size(); ++i)
    {
      colorscience::OkLabColor& s = sums[owner[i]];
      const double w = points[i].weight;
      s.l += w * points[i].lab.l;
      s.a += w * points[i].lab.a;
      s.b += w * points[i].lab.b;
      weights[owner[i]] += w;
    }
    // A cluster left without colours keeps its centre.
    for (size_t k = 0; k < centres.size(); ++k)
    {
      if (weights[k] > 0.0)
        centres[k] = {sums[k].l / weights[k], sums[k].a / weights[k], sums[k].b / weights[k]};
    }
  }
  return weights;
}

std::vector<PaletteExtractor::Swatch> PaletteExtractor::Extract(const Bitmap& picture, int count)
{
  if (picture.IsEmpty() || count < 1 || count > kMaxCount)
    return {};
  const std::vector<Point> points = Histogram(picture);
  std::vector<colorscience::OkLabColor> centres = Seeds(points, count);
  const std::vector<double> weights = Refine(points, centres);
  const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
  std::vector<Swatch> out;
  for (size_t k = 0; k < centres.size(); ++k)
  {
    // A mean of colours on screen can lie just off it, OKLab being curved.
    out.push_back({colorscience::OkLab::GamutMap(colorscience::OkLab::ToLch(centres[k])), weights[k] / total});
  }
  std::stable_sort(out.begin(), out.end(), [](const Swatch& x, const Swatch& y) { return x.share > y.share; });
  return out;
}

}  // namespace host
