#include "raster/vectorpainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace host {

namespace {

constexpr int kSubRows = 16;
constexpr double kPi = std::numbers::pi;

double SignedArea(const std::vector<VectorPainter::Pt>& c) {
  double area = 0.0;
  for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) area += c[j].x * c[i].y - c[i].x * c[j].y;
  return area / 2.0;
}

int Segments(double radiusPixels, double sweep) {
  return std::max(8, int(std::ceil(std::abs(sweep) * std::max(radiusPixels, 1.0) / 0.35)));
}

void AddSpan(float* row, int width, double xa, double xb, float weight) {
  xa = std::clamp(xa, 0.0, double(width));
  xb = std::clamp(xb, 0.0, double(width));
  if (xb <= xa) return;
  const int ia = int(xa), ib = int(xb);
  if (ia == ib) {
    row[ia] += float(xb - xa) * weight;
    return;
  }
  row[ia] += float(ia + 1 - xa) * weight;
  for (int i = ia + 1; i < ib; ++i) row[i] += weight;
  if (ib < width) row[ib] += float(xb - ib) * weight;
}

}  // namespace

VectorPainter::VectorPainter(Bitmap& target, double unit) : target_(target), unit_(unit) {}

void VectorPainter::AddContour(std::vector<Pt> contour, bool hole) {
  if (contour.size() < 3) return;
  // Solid contours wind one way, holes the other, whatever the caller's order.
  const double area = SignedArea(contour);
  if (area == 0.0) return;
  if ((area < 0.0) != hole) std::reverse(contour.begin(), contour.end());
  contours_.push_back(std::move(contour));
}

void VectorPainter::AddPolygon(std::span<const Pt> points, bool hole) {
  std::vector<Pt> contour;
  contour.reserve(points.size());
  for (const Pt& p : points) contour.push_back({p.x * unit_, p.y * unit_});
  AddContour(std::move(contour), hole);
}

void VectorPainter::AddRect(double x, double y, double w, double h, bool hole) {
  const Pt pts[4] = {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}};
  AddPolygon(pts, hole);
}

void VectorPainter::AddRoundRect(double x, double y, double w, double h, double radius, bool hole) {
  radius = std::min({radius, w / 2.0, h / 2.0});
  if (radius <= 0.0) {
    AddRect(x, y, w, h, hole);
    return;
  }
  std::vector<Pt> contour;
  const Pt centres[4] = {{x + w - radius, y + radius},
                         {x + w - radius, y + h - radius},
                         {x + radius, y + h - radius},
                         {x + radius, y + radius}};
  const int n = Segments(radius * unit_, kPi / 2);
  for (int corner = 0; corner < 4; ++corner) {
    const double start = -kPi / 2 + corner * kPi / 2;
    for (int i = 0; i <= n; ++i) {
      const double a = start + (kPi / 2) * i / n;
      contour.push_back(
          {(centres[corner].x + radius * std::cos(a)) * unit_, (centres[corner].y + radius * std::sin(a)) * unit_});
    }
  }
  AddContour(std::move(contour), hole);
}

void VectorPainter::AddCircle(double cx, double cy, double r, bool hole) {
  if (r <= 0.0) return;
  const int n = Segments(r * unit_, 2 * kPi);
  std::vector<Pt> contour(n);
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n;
    contour[i] = {(cx + r * std::cos(a)) * unit_, (cy + r * std::sin(a)) * unit_};
  }
  AddContour(std::move(contour), hole);
}

void VectorPainter::AddRing(double cx, double cy, double inner, double outer) {
  AddCircle(cx, cy, outer);
  AddCircle(cx, cy, inner, true);
}

void VectorPainter::AddLine(Pt a, Pt b, double width, bool butt) {
  const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
  if (len == 0.0) {
    if (!butt) AddCircle(a.x, a.y, width / 2);
    return;
  }
  const double nx = -dy / len * width / 2, ny = dx / len * width / 2;
  const Pt quad[4] = {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}};
  AddPolygon(quad);
  if (!butt) {
    AddCircle(a.x, a.y, width / 2);
    AddCircle(b.x, b.y, width / 2);
  }
}

void VectorPainter::AddPolyline(std::span<const Pt> points, double width, bool closed) {
  for (size_t i = 1; i < points.size(); ++i) AddLine(points[i - 1], points[i], width);
  if (closed && points.size() > 2) AddLine(points.back(), points.front(), width);
}

void VectorPainter::AddArc(double cx, double cy, double r, double a0, double a1, double width) {
  const int n = Segments(r * unit_, a1 - a0);
  std::vector<Pt> points(n + 1);
  for (int i = 0; i <= n; ++i) {
    const double a = a0 + (a1 - a0) * i / n;
    points[i] = {cx + r * std::cos(a), cy - r * std::sin(a)};
  }
  AddPolyline(points, width);
}

std::vector<float> VectorPainter::Coverage() const {
  const int w = target_.Width(), h = target_.Height();
  std::vector<float> coverage(size_t(w) * h, 0.0f);
  struct Crossing {
    double x;
    int dir;
  };
  std::vector<Crossing> crossings;
  for (int y = 0; y < h; ++y) {
    float* row = coverage.data() + size_t(y) * w;
    for (int k = 0; k < kSubRows; ++k) {
      const double sy = y + (k + 0.5) / kSubRows;
      crossings.clear();
      for (const auto& c : contours_) {
        for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
          const Pt& p = c[j];
          const Pt& q = c[i];
          if ((p.y <= sy) == (q.y <= sy)) continue;
          crossings.push_back({p.x + (sy - p.y) * (q.x - p.x) / (q.y - p.y), q.y > p.y ? 1 : -1});
        }
      }
      std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
      int winding = 0;
      for (size_t i = 0; i < crossings.size(); ++i) {
        const int before = winding;
        winding += crossings[i].dir;
        if (before != 0 && i > 0) AddSpan(row, w, crossings[i - 1].x, crossings[i].x, 1.0f / kSubRows);
      }
    }
  }
  return coverage;
}

void VectorPainter::Composite(int x, int y, Rgba c, float coverage) {
  const float sa = c.a / 255.0f * std::min(coverage, 1.0f);
  if (sa <= 0.0f) return;
  const Rgba d = target_.GetPixel(x, y);
  const float da = d.a / 255.0f;
  const float outA = sa + da * (1.0f - sa);
  auto mix = [&](uint8_t s, uint8_t dv) { return uint8_t((s * sa + dv * da * (1.0f - sa)) / outA + 0.5f); };
  target_.SetPixel(x, y, {mix(c.r, d.r), mix(c.g, d.g), mix(c.b, d.b), uint8_t(outA * 255.0f + 0.5f)});
}

void VectorPainter::Fill(Rgba c) {
  Fill([c](double, double) { return c; });
}

void VectorPainter::Fill(const Shader& shader) {
  const std::vector<float> coverage = Coverage();
  contours_.clear();
  const int w = target_.Width();
  for (int y = 0; y < target_.Height(); ++y) {
    for (int x = 0; x < w; ++x) {
      const float cov = coverage[size_t(y) * w + x];
      if (cov > 0.002f) Composite(x, y, shader((x + 0.5) / unit_, (y + 0.5) / unit_), cov);
    }
  }
}

}  // namespace host
