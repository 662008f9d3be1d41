#include "colorscience/paletteextractor.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace colorscience
{

namespace
{

constexpr int kLevelBits = 5;
constexpr int kCells = 1 << (3 * kLevelBits);
constexpr int kDrop = 8 - kLevelBits;
constexpr int kMaxSteps = 64;

double Squared(const OkLabColor& x, const OkLabColor& y)
{
  return (x.l - y.l) * (x.l - y.l) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b);
}

// The step is a constant here so that the loop over a row is compiled for it.
template <int kStep, typename Cells>
void Count(Cells& cells, const std::uint8_t* p, std::size_t pixels)
{
  for (const std::uint8_t* end = p + pixels * kStep; p != end; p += kStep)
  {
    auto& c = cells[((p[0] >> kDrop) << (2 * kLevelBits)) | ((p[1] >> kDrop) << kLevelBits) | (p[2] >> kDrop)];
    ++c.count;
    c.r += p[0];
    c.g += p[1];
    c.b += p[2];
  }
}

}  // namespace

PaletteExtractor::PaletteExtractor() : _cells(kCells) {}

void PaletteExtractor::Add(std::span<const std::uint8_t> pixels, int step)
{
  if (step != 3 && step != 4)
    return;
  const std::size_t count = pixels.size() / static_cast<std::size_t>(step);
  if (step == 3)
    Count<3>(_cells, pixels.data(), count);
  else
    Count<4>(_cells, pixels.data(), count);
  _pixels += count;
}

std::vector<PaletteExtractor::Point> PaletteExtractor::Points() const
{
  std::vector<Point> points;
  for (const Cell& c : _cells)
  {
    if (c.count == 0)
      continue;
    const double n = static_cast<double>(c.count) * 255.0;
    points.push_back({OkLab::FromSrgb({c.r / n, c.g / n, c.b / n}), static_cast<double>(c.count)});
  }
  return points;
}

std::vector<OkLabColor> PaletteExtractor::Seeds(const std::vector<Point>& points, int count)
{
  std::vector<OkLabColor> centres;
  std::vector<double> nearest(points.size(), std::numeric_limits<double>::infinity());
  // The first seed is the most common colour; nearest[] as infinity makes
  // the weight alone decide.
  while (static_cast<int>(centres.size()) < count)
  {
    std::size_t best = 0;
    double bestScore = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i)
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
    for (std::size_t i = 0; i < points.size(); ++i)
      nearest[i] = std::min(nearest[i], Squared(points[i].lab, centres.back()));
  }
  return centres;
}

std::size_t PaletteExtractor::NearestCentre(const OkLabColor& lab, const std::vector<OkLabColor>& centres)
{
  std::size_t best = 0;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < centres.size(); ++k)
  {
    if (const double d = Squared(lab, centres[k]); d < bestDistance)
    {
      bestDistance = d;
      best = k;
    }
  }
  return best;
}

std::vector<double> PaletteExtractor::Refine(const std::vector<Point>& points, std::vector<OkLabColor>& centres)
{
  std::vector<std::size_t> owner(points.size(), centres.size());
  std::vector<double> weights(centres.size());
  for (int step = 0; step < kMaxSteps; ++step)
  {
    bool moved = false;
    for (std::size_t i = 0; i < points.size(); ++i)
    {
      const std::size_t k = NearestCentre(points[i].lab, centres);
      moved = moved || k != owner[i];
      owner[i] = k;
    }
    if (!moved)
      break;
    std::vector<OkLabColor> sums(centres.size());
    std::fill(weights.begin(), weights.end(), 0.0);
    for (std::size_t i = 0; i < points.size(); ++i)
    {
      OkLabColor& s = sums[owner[i]];
      const double w = points[i].weight;
      s.l += w * points[i].lab.l;
      s.a += w * points[i].lab.a;
      s.b += w * points[i].lab.b;
      weights[owner[i]] += w;
    }
    // A cluster left without colours keeps its centre.
    for (std::size_t k = 0; k < centres.size(); ++k)
    {
      if (weights[k] > 0.0)
        centres[k] = {sums[k].l / weights[k], sums[k].a / weights[k], sums[k].b / weights[k]};
    }
  }
  return weights;
}

std::vector<PaletteExtractor::Swatch> PaletteExtractor::Extract(int count) const
{
  if (_pixels == 0 || count < 1 || count > kMaxCount)
    return {};
  const std::vector<Point> points = Points();
  std::vector<OkLabColor> centres = Seeds(points, count);
  const std::vector<double> weights = Refine(points, centres);
  const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
  std::vector<Swatch> out;
  for (std::size_t k = 0; k < centres.size(); ++k)
  {
    // A mean of colours on screen can lie just off it, OKLab being curved.
    out.push_back({OkLab::GamutMap(OkLab::ToLch(centres[k])), weights[k] / total});
  }
  std::stable_sort(out.begin(), out.end(), [](const Swatch& x, const Swatch& y) { return x.share > y.share; });
  return out;
}

}  // namespace colorscience
