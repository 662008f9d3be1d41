#include "raster/appicon.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "raster/iconartwork.h"
#include "raster/vectorpainter.h"

namespace host {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kCentre = AppIcon::kGrid / 2;
constexpr double kPlateInset = 2, kPlateRadius = 10;
constexpr double kInner = 10.5, kOuter = 19.5;
constexpr double kHandleRing = 15, kHandleAngle = 40, kHandle = 3.6, kHandleRim = 1.4;
constexpr Rgba kPlate{44, 48, 56};
constexpr Rgba kRim{20, 20, 20, 220};
constexpr Rgba kWhite{255, 255, 255};
// The SVG's ring is drawn in this many wedges; at 256 pixels they look smooth.
constexpr int kWedges = 120;

// Hue of a point, 0 at 3 o'clock and rising counter-clockwise, as the wheel shows it.
Rgba RingColor(double radians) { return IconArtwork::Hsv(radians / (2 * kPi), 0.85, 1.0); }

std::string Hex(Rgba c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
  return buf;
}

std::string Number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", v);
  return buf;
}

std::string Point(double r, double radians) {
  return Number(kCentre + r * std::cos(radians)) + "," + Number(kCentre - r * std::sin(radians));
}

std::string Wedge(int i) {
  const double a0 = 2 * kPi * i / kWedges, a1 = 2 * kPi * (i + 1.02) / kWedges;
  return "<path fill=\"" + Hex(RingColor((a0 + a1) / 2)) + "\" d=\"M" + Point(kInner, a0) + " L" + Point(kOuter, a0) +
         " A" + Number(kOuter) + "," + Number(kOuter) + " 0 0,0 " + Point(kOuter, a1) + " L" + Point(kInner, a1) +
         " A" + Number(kInner) + "," + Number(kInner) + " 0 0,1 " + Point(kInner, a0) + " Z\"/>\n";
}

std::string Circle(double cx, double cy, double r, Rgba c) {
  return "<circle cx=\"" + Number(cx) + "\" cy=\"" + Number(cy) + "\" r=\"" + Number(r) + "\" fill=\"" + Hex(c) +
         "\" fill-opacity=\"" + Number(c.a / 255.0) + "\"/>\n";
}

VectorPainter::Pt HandleCentre() {
  const double a = kHandleAngle * kPi / 180;
  return {kCentre + kHandleRing * std::cos(a), kCentre - kHandleRing * std::sin(a)};
}

}  // namespace

Bitmap AppIcon::Pixels(int side) {
  Bitmap bitmap(side, side, 32);
  bitmap.Clear({0, 0, 0, 0});
  VectorPainter p(bitmap, side / kGrid);
  p.AddRoundRect(kPlateInset, kPlateInset, kGrid - 2 * kPlateInset, kGrid - 2 * kPlateInset, kPlateRadius);
  p.Fill(kPlate);
  p.AddRing(kCentre, kCentre, kInner, kOuter);
  p.Fill([](double x, double y) { return RingColor(std::atan2(kCentre - y, x - kCentre)); });
  const auto h = HandleCentre();
  p.AddCircle(h.x, h.y, kHandle + kHandleRim);
  p.Fill(kRim);
  p.AddCircle(h.x, h.y, kHandle);
  p.Fill(kWhite);
  return bitmap;
}

std::string AppIcon::Svg() {
  const std::string grid = Number(kGrid);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + grid + "\" height=\"" + grid +
                    "\" viewBox=\"0 0 " + grid + " " + grid + "\">\n";
  const std::string inset = Number(kPlateInset), size = Number(kGrid - 2 * kPlateInset);
  svg += "<rect x=\"" + inset + "\" y=\"" + inset + "\" width=\"" + size + "\" height=\"" + size + "\" rx=\"" +
         Number(kPlateRadius) + "\" fill=\"" + Hex(kPlate) + "\"/>\n";
  for (int i = 0; i < kWedges; ++i) svg += Wedge(i);
  const auto h = HandleCentre();
  svg += Circle(h.x, h.y, kHandle + kHandleRim, kRim);
  svg += Circle(h.x, h.y, kHandle, kWhite);
  return svg + "</svg>\n";
}

}  // namespace host
