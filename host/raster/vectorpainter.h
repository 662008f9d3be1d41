#pragma once

#include <functional>
#include <span>
#include <vector>

#include "raster/bitmap.h"

namespace host {

// Anti-aliased filling of shapes into a 32-bit bitmap. Shapes are collected
// into one path, in design units (pixels = units x unit), and filled at once
// with the non-zero rule, so overlapping pieces of one shape blend as a whole.
// Holes are contours added with hole = true inside a solid one.
class VectorPainter {
 public:
  struct Pt {
    double x, y;
  };
  using Shader = std::function<Rgba(double x, double y)>;  // design units

  VectorPainter(Bitmap& target, double unit);

  double Unit() const { return unit_; }

  void AddPolygon(std::span<const Pt> points, bool hole = false);
  void AddRect(double x, double y, double w, double h, bool hole = false);
  void AddRoundRect(double x, double y, double w, double h, double radius, bool hole = false);
  void AddCircle(double cx, double cy, double r, bool hole = false);
  void AddRing(double cx, double cy, double inner, double outer);
  // A stroke of the given width; round caps and joins unless butt.
  void AddLine(Pt a, Pt b, double width, bool butt = false);
  void AddPolyline(std::span<const Pt> points, double width, bool closed = false);
  // An arc from angle a0 to a1 (radians, counter-clockwise on screen).
  void AddArc(double cx, double cy, double r, double a0, double a1, double width);

  // Fills and then forgets the collected path.
  void Fill(Rgba c);
  void Fill(const Shader& shader);

 private:
  void AddContour(std::vector<Pt> contour, bool hole);
  std::vector<float> Coverage() const;
  void Composite(int x, int y, Rgba c, float coverage);

  Bitmap& target_;
  double unit_;
  std::vector<std::vector<Pt>> contours_;  // pixels
};

}  // namespace host
