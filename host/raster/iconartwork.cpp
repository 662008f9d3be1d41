#include "raster/iconartwork.h"

#include <cmath>
#include <numbers>

namespace host {

namespace {

using Pt = VectorPainter::Pt;
constexpr double kPi = std::numbers::pi;
constexpr Rgba kInk{240, 240, 240};
constexpr Rgba kShadow{24, 24, 24, 170};

double Radians(double degrees) { return degrees * kPi / 180.0; }
Pt Polar(double cx, double cy, double r, double degrees) {
  return {cx + r * std::cos(Radians(degrees)), cy - r * std::sin(Radians(degrees))};
}
uint8_t Lerp(uint8_t a, uint8_t b, double t) { return uint8_t(a + (b - a) * std::clamp(t, 0.0, 1.0) + 0.5); }
Rgba Mix(Rgba a, Rgba b, double t) {
  return {Lerp(a.r, b.r, t), Lerp(a.g, b.g, t), Lerp(a.b, b.b, t), Lerp(a.a, b.a, t)};
}

}  // namespace

Rgba IconArtwork::Hsv(double h, double s, double v, uint8_t alpha) {
  h = (h - std::floor(h)) * 6.0;
  const int sector = int(h) % 6;
  const double f = h - std::floor(h);
  const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  double r = v, g = t, b = p;
  switch (sector) {
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    case 5: r = v, g = p, b = q; break;
    default: break;
  }
  return {uint8_t(r * 255 + 0.5), uint8_t(g * 255 + 0.5), uint8_t(b * 255 + 0.5), alpha};
}

void IconArtwork::DrawPlate(double side, VectorPainter& p) {
  p.AddRoundRect(0.5, 0.5, side - 1, side - 1, 4);
  p.Fill(Rgba{58, 108, 186, 175});
  p.AddRoundRect(0.5, 0.5, side - 1, side - 1, 4);
  p.AddRoundRect(1.5, 1.5, side - 3, side - 3, 3, true);
  p.Fill(Rgba{126, 174, 244, 220});
}

void IconArtwork::HueRing(double cx, double cy, double inner, double outer, VectorPainter& p) {
  p.AddRing(cx, cy, inner - 0.6, outer + 0.6);
  p.Fill(kShadow);
  p.AddRing(cx, cy, inner, outer);
  p.Fill([cx, cy](double x, double y) { return Hsv(std::atan2(cy - y, x - cx) / (2 * kPi), 0.85, 1.0); });
}

void IconArtwork::Handle(double x, double y, double r, VectorPainter& p) {
  p.AddCircle(x, y, r + 0.7);
  p.Fill(Rgba{20, 20, 20, 220});
  p.AddCircle(x, y, r);
  p.Fill(Rgba{255, 255, 255});
}

void IconArtwork::Wheel(double side, VectorPainter& p) {
  const double c = side / 2;
  HueRing(c, c, 4.2, 8.4, p);
  const Pt h = Polar(c, c, 6.3, 40);
  Handle(h.x, h.y, 1.5, p);
}

void IconArtwork::Spectrum(double side, VectorPainter& p) {
  const double x0 = 3.5, size = side - 7;
  p.AddRoundRect(x0 - 0.7, x0 - 0.7, size + 1.4, size + 1.4, 2.2);
  p.Fill(kShadow);
  p.AddRoundRect(x0, x0, size, size, 1.6);
  p.Fill([=](double x, double y) { return Hsv(0.0, (x - x0) / size, 1.0 - (y - x0) / size); });
  p.AddRing(x0 + size * 0.7, x0 + size * 0.3, 1.2, 2.1);
  p.Fill(Rgba{255, 255, 255});
}

void IconArtwork::Picture(double side, VectorPainter& p) {
  const double x0 = 3, y0 = 4.5, w = side - 6, h = side - 9;
  p.AddRoundRect(x0, y0, w, h, 1.5);
  p.Fill(kInk);
  const double ix = x0 + 1.4, iy = y0 + 1.4, iw = w - 2.8, ih = h - 2.8;
  p.AddRect(ix, iy, iw, ih);
  p.Fill([=](double, double y) { return Mix({70, 140, 225}, {165, 208, 250}, (y - iy) / ih); });
  p.AddCircle(ix + iw * 0.74, iy + ih * 0.3, 1.5);
  p.Fill(Rgba{255, 212, 70});
  const Pt back[] = {
      {ix + iw * 0.35, iy + ih}, {ix + iw * 0.68, iy + ih * 0.45}, {ix + iw, iy + ih * 0.85}, {ix + iw, iy + ih}};
  p.AddPolygon(back);
  p.Fill(Rgba{48, 120, 70});
  const Pt front[] = {{ix, iy + ih}, {ix, iy + ih * 0.8}, {ix + iw * 0.32, iy + ih * 0.35}, {ix + iw * 0.62, iy + ih}};
  p.AddPolygon(front);
  p.Fill(Rgba{86, 174, 96});
}

void IconArtwork::Rgb(double side, VectorPainter& p) {
  const Rgba colours[3] = {{236, 72, 72}, {76, 200, 92}, {72, 134, 246}};
  const double heights[3] = {10, 14, 7.5}, bottom = side - 4, width = 4, gap = 1.2;
  const double x0 = (side - 3 * width - 2 * gap) / 2;
  for (int i = 0; i < 3; ++i) {
    const double x = x0 + i * (width + gap);
    p.AddRoundRect(x - 0.6, bottom - heights[i] - 0.6, width + 1.2, heights[i] + 1.2, 1.4);
    p.Fill(kShadow);
    p.AddRoundRect(x, bottom - heights[i], width, heights[i], 1);
    p.Fill(colours[i]);
  }
}

void IconArtwork::SliderBars(double side, const double (&knobs)[3], Rgba (*ramp)(int bar, double t), VectorPainter& p) {
  const double x0 = 3, w = side - 6, h = 3.2;
  const double ys[3] = {4, 9.4, 14.8};
  for (int i = 0; i < 3; ++i) {
    p.AddRoundRect(x0 - 0.6, ys[i] - 0.6, w + 1.2, h + 1.2, 2);
    p.Fill(kShadow);
    p.AddRoundRect(x0, ys[i], w, h, 1.6);
    p.Fill([=](double x, double) { return ramp(i, (x - x0) / w); });
    Handle(x0 + w * knobs[i], ys[i] + h / 2, 1.3, p);
  }
}

void IconArtwork::HsvBars(double side, VectorPainter& p) {
  SliderBars(
      side, {0.3, 0.75, 0.55},
      [](int i, double t) { return i == 0   ? Hsv(t, 0.85, 1.0)
                                   : i == 1 ? Hsv(0.08, t, 1.0)
                                            : Hsv(0.08, 0.85, t); }, p);
}

void IconArtwork::Kelvin(double side, VectorPainter& p) {
  const double cx = side / 2 - 1.5;
  p.AddRoundRect(cx - 2.6, 2.4, 5.2, 14, 2.6);
  p.AddCircle(cx, side - 5.3, 3.7);
  p.Fill(kInk);
  p.AddRoundRect(cx - 1.2, 3.8, 2.4, 13, 1.2);
  p.AddCircle(cx, side - 5.3, 2.4);
  p.Fill([side](double, double y) { return Mix({140, 185, 255}, {255, 110, 40}, (y - 4) / (side - 8)); });
  for (int i = 0; i < 3; ++i) p.AddLine({cx + 4.2, 5.0 + 3.2 * i}, {cx + 6.8, 5.0 + 3.2 * i}, 1.1);
  p.Fill(kInk);
}

void IconArtwork::Mixer(double side, VectorPainter& p) {
  const double c = side / 2, r = 5.6;
  p.AddCircle(c - 2.8, c, r + 0.6);
  p.AddCircle(c + 2.8, c, r + 0.6);
  p.Fill(kShadow);
  p.AddCircle(c - 2.8, c, r);
  p.Fill(Rgba{242, 84, 84});
  p.AddRing(c + 2.8, c, r, r + 0.6);
  p.Fill(kShadow);
  p.AddCircle(c + 2.8, c, r);
  p.Fill(Rgba{70, 140, 248, 190});
}

void IconArtwork::Swatches(double side, VectorPainter& p) {
  const double chip = 4, gap = 1.6, x0 = (side - 3 * chip - 2 * gap) / 2;
  for (int i = 0; i < 9; ++i) {
    const double x = x0 + (i % 3) * (chip + gap), y = x0 + (i / 3) * (chip + gap);
    p.AddRoundRect(x - 0.6, y - 0.6, chip + 1.2, chip + 1.2, 1.3);
    p.Fill(kShadow);
    p.AddRoundRect(x, y, chip, chip, 0.8);
    p.Fill(Hsv(i / 9.0, i % 2 ? 0.55 : 0.8, i % 3 == 1 ? 0.8 : 0.98));
  }
}

void IconArtwork::Compact(double side, VectorPainter& p) {
  p.AddRoundRect(2.4, 3.4, 9.2, 9.2, 1.6);
  p.AddRoundRect(2.4, side - 7.6, side - 4.8, 4.2, 2);
  p.Fill(kShadow);
  p.AddRoundRect(3, 4, 8, 8, 1.2);
  p.Fill(Rgba{246, 150, 48});
  for (int i = 0; i < 3; ++i) p.AddRoundRect(13, 4.2 + i * 2.9, side - 16, 1.7, 0.85);
  p.Fill(kInk);
  p.AddRoundRect(3, side - 7, side - 6, 3, 1.5);
  p.Fill([side](double x, double) { return Hsv(0.08, 0.8, (x - 3) / (side - 6)); });
  Handle(side - 8, side - 5.5, 1.3, p);
}

void IconArtwork::Alpha(double side, VectorPainter& p) {
  const double x0 = 3.5, size = side - 7, cell = size / 4;
  p.AddRoundRect(x0 - 0.6, x0 - 0.6, size + 1.2, size + 1.2, 2.2);
  p.Fill(kShadow);
  p.AddRoundRect(x0, x0, size, size, 1.6);
  p.Fill([=](double x, double y) {
    const bool light = (int((x - x0) / cell) + int((y - x0) / cell)) % 2 == 0;
    return light ? Rgba{225, 225, 225} : Rgba{140, 140, 140};
  });
  p.AddRoundRect(x0, x0, size, size, 1.6);
  p.Fill([=](double x, double) { return Rgba{60, 140, 245, Lerp(255, 0, (x - x0) / size)}; });
}

void IconArtwork::Hex(double side, VectorPainter& p) {
  const Pt strokes[4][2] = {{{9.2, 3.8}, {7.4, side - 3.8}},
                            {{14.8, 3.8}, {13.0, side - 3.8}},
                            {{4.6, 8.4}, {side - 3.6, 8.4}},
                            {{3.6, side - 8.4}, {side - 4.6, side - 8.4}}};
  for (const auto& s : strokes) p.AddLine(s[0], s[1], 3.1);
  p.Fill(kShadow);
  for (const auto& s : strokes) p.AddLine(s[0], s[1], 1.8);
  p.Fill(kInk);
}

void IconArtwork::Linear(double side, VectorPainter& p) {
  const double x0 = 4, size = side - 8;
  const Pt axes[] = {{x0, x0 - 0.5}, {x0, x0 + size}, {x0 + size + 0.5, x0 + size}};
  p.AddPolyline(axes, 1.2);
  p.Fill(kInk.WithAlpha(170));
  p.AddLine({x0, x0 + size}, {x0 + size, x0}, 1.0);
  p.Fill(kInk.WithAlpha(120));
  std::vector<Pt> curve;
  for (int i = 0; i <= 24; ++i) {
    const double t = i / 24.0;
    curve.push_back({x0 + size * t, x0 + size * (1 - std::pow(t, 1 / 2.2))});
  }
  p.AddPolyline(curve, 2.8);
  p.Fill(kShadow);
  p.AddPolyline(curve, 1.7);
  p.Fill(Rgba{255, 200, 84});
}

// Lightness, chroma and an evenly light hue ramp: the perceptual sliders.
void IconArtwork::OklchBars(double side, VectorPainter& p) {
  SliderBars(
      side, {0.6, 0.4, 0.7},
      [](int i, double t) {
        if (i == 0) return Hsv(0.0, 0.0, t);
        return i == 1 ? Mix({150, 150, 150}, {226, 96, 120}, t) : Hsv(t, 0.5, 0.85);
      },
      p);
}

void IconArtwork::Picker(double side, VectorPainter& p) {
  const double e = side - 4.5;  // tip corner, bottom left
  p.AddLine({5.8, e - 1.3}, {12.6, 9.4 - 0.1}, 4.4);
  p.AddLine({14.2, 7.8}, {side - 4.6, 4.6}, 6.0);
  p.AddLine({11.0, 7.4}, {14.6, 11.0}, 3.0);
  p.Fill(kShadow);
  p.AddLine({5.8, e - 1.3}, {12.6, 9.3}, 3.0);
  p.Fill(kInk);
  p.AddLine({6.4, e - 1.9}, {9.4, 12.6}, 1.4);
  p.Fill(Rgba{236, 70, 60});
  p.AddLine({11.2, 7.6}, {14.4, 10.8}, 1.7);
  p.Fill(kInk);
  p.AddLine({14.4, 7.6}, {side - 4.8, 4.8}, 4.6);
  p.Fill(Rgba{96, 96, 104});
  p.AddCircle(4.4, e + 0.1, 1.2);
  p.Fill(Rgba{236, 70, 60});
}

void IconArtwork::Harmony(IconSymbol symbol, double side, VectorPainter& p) {
  const double c = side / 2, rim = 7.5;
  HueRing(c, c, 6.5, 8.5, p);
  struct Dot {
    double angle, radius;
  };
  std::vector<Dot> dots;
  bool closed = false;
  switch (symbol) {
    case IconSymbol::HarmonyFree: dots = {{30, rim}, {160, 4.0}, {260, 5.4}}; break;
    case IconSymbol::HarmonyMono: dots = {{45, rim}, {45, 4.4}, {45, 1.4}}; break;
    case IconSymbol::HarmonyComplementary: dots = {{45, rim}, {225, rim}}; break;
    case IconSymbol::HarmonyAnalog: dots = {{45, rim}, {90, rim}, {135, rim}}; break;
    case IconSymbol::HarmonySplit: dots = {{90, rim}, {240, rim}, {300, rim}}; break;
    case IconSymbol::HarmonyEqui: dots = {{90, rim}, {210, rim}, {330, rim}}, closed = true; break;
    default: dots = {{30, rim}, {90, rim}, {210, rim}, {270, rim}}, closed = true; break;
  }
  std::vector<Pt> points;
  for (const Dot& d : dots) points.push_back(Polar(c, c, d.radius, d.angle));
  for (const auto& [width, colour] : {std::pair{2.4, kShadow}, std::pair{1.0, kInk}}) {
    if (closed) {
      p.AddPolyline(points, width, true);
    } else {
      for (const Pt& q : points) p.AddLine({c, c}, q, width);
    }
    p.Fill(colour);
  }
  for (const Pt& q : points) Handle(q.x, q.y, 1.2, p);
}

void IconArtwork::Lock(double side, VectorPainter& p) {
  const double c = side / 2;
  p.AddArc(c, 8.2, 3.3, 0, kPi, 1.7);
  p.AddLine({c - 3.3, 8.2}, {c - 3.3, 10}, 1.7, true);
  p.AddLine({c + 3.3, 8.2}, {c + 3.3, 10}, 1.7, true);
  p.Fill(Rgba{210, 210, 214});
  p.AddRoundRect(c - 5.6, 9.2, 11.2, 8.2, 1.8);
  p.Fill(kShadow);
  p.AddRoundRect(c - 5, 9.8, 10, 7, 1.4);
  p.Fill(Rgba{238, 182, 56});
  p.AddCircle(c, 12.6, 1.1);
  p.AddLine({c, 12.6}, {c, 15}, 1.0);
  p.Fill(Rgba{90, 60, 20});
}

void IconArtwork::RoundBadge(double side, Rgba fill, VectorPainter& p) {
  const double c = side / 2;
  p.AddCircle(c, c, 7.6);
  p.Fill(Mix(fill, {0, 0, 0}, 0.45));
  p.AddCircle(c, c, 6.8);
  p.Fill(fill);
}

void IconArtwork::AddSample(double side, VectorPainter& p) {
  const double c = side / 2;
  RoundBadge(side, {72, 172, 82}, p);
  p.AddLine({c, c - 3.8}, {c, c + 3.8}, 2.2);
  p.AddLine({c - 3.8, c}, {c + 3.8, c}, 2.2);
  p.Fill(Rgba{255, 255, 255});
}

void IconArtwork::DeleteSamples(double side, VectorPainter& p) {
  const double c = side / 2;
  RoundBadge(side, {218, 72, 62}, p);
  p.AddLine({c - 3.8, c}, {c + 3.8, c}, 2.2);
  p.Fill(Rgba{255, 255, 255});
}

void IconArtwork::ReduceSamples(double side, VectorPainter& p) {
  const double c = side / 2;
  RoundBadge(side, {64, 128, 214}, p);
  p.AddLine({c + 0.6, c - 4}, {c + 0.6, c + 4}, 2.0);
  p.AddLine({c + 0.6, c - 4}, {c - 2.2, c - 1.8}, 1.8);
  p.Fill(Rgba{255, 255, 255});
}

void IconArtwork::Mosaic(double side, VectorPainter& p) {
  const Rgba tiles[9] = {{112, 172, 232}, {152, 198, 242}, {255, 206, 92}, {88, 160, 92}, {124, 188, 104},
                         {82, 142, 204},  {118, 92, 60},   {84, 152, 82},  {146, 112, 72}};
  const double tile = 4.4, gap = 0.8, x0 = (side - 3 * tile - 2 * gap) / 2;
  p.AddRoundRect(x0 - 0.7, x0 - 0.7, 3 * tile + 2 * gap + 1.4, 3 * tile + 2 * gap + 1.4, 1.6);
  p.Fill(kShadow);
  for (int i = 0; i < 9; ++i) {
    p.AddRoundRect(x0 + (i % 3) * (tile + gap), x0 + (i / 3) * (tile + gap), tile, tile, 0.7);
    p.Fill(tiles[i]);
  }
}

void IconArtwork::NewGroup(double side, VectorPainter& p) {
  const Rgba chips[4] = {{236, 86, 76}, {246, 196, 64}, {72, 136, 236}, {88, 190, 104}};
  for (int i = 0; i < 4; ++i) {
    const double x = 2.5 + (i % 2) * 5.6, y = 2.5 + (i / 2) * 5.6;
    p.AddRoundRect(x - 0.6, y - 0.6, 5.8, 5.8, 1.4);
    p.Fill(kShadow);
    p.AddRoundRect(x, y, 4.6, 4.6, 0.9);
    p.Fill(chips[i]);
  }
  const double bx = side - 5.4, by = side - 5.4;
  p.AddCircle(bx, by, 4.9);
  p.Fill(Rgba{30, 84, 36});
  p.AddCircle(bx, by, 4.2);
  p.Fill(Rgba{72, 172, 82});
  p.AddLine({bx, by - 2.3}, {bx, by + 2.3}, 1.6);
  p.AddLine({bx - 2.3, by}, {bx + 2.3, by}, 1.6);
  p.Fill(Rgba{255, 255, 255});
}

void IconArtwork::DeleteSelection(double side, VectorPainter& p) {
  const double c = side / 2;
  const Pt body[] = {{c - 5, 6.8}, {c + 5, 6.8}, {c + 4.1, side - 2.6}, {c - 4.1, side - 2.6}};
  const Pt handle[] = {{c - 2, 4.2}, {c - 2, 2.6}, {c + 2, 2.6}, {c + 2, 4.2}};
  p.AddPolyline(body, 1.4, true);
  p.AddPolyline(handle, 2.6);
  p.AddRoundRect(c - 6.9, 3.7, 13.8, 3.0, 1.2);
  p.Fill(Rgba{40, 40, 44});
  p.AddPolygon(body);
  p.AddRoundRect(c - 6.2, 4.4, 12.4, 1.6, 0.6);
  p.AddPolyline(handle, 1.2);
  p.Fill(Rgba{176, 178, 184});
  for (int i = -1; i <= 1; ++i) p.AddLine({c + 2.1 * i, 8.8}, {c + 1.8 * i, side - 4.6}, 0.9);
  p.Fill(Rgba{92, 94, 100});
}

void IconArtwork::Draw(IconSymbol symbol, double side, VectorPainter& p) {
  switch (symbol) {
    case IconSymbol::Wheel: return Wheel(side, p);
    case IconSymbol::Spectrum: return Spectrum(side, p);
    case IconSymbol::Picture: return Picture(side, p);
    case IconSymbol::Rgb: return Rgb(side, p);
    case IconSymbol::Hsv: return HsvBars(side, p);
    case IconSymbol::Kelvin: return Kelvin(side, p);
    case IconSymbol::Mixer: return Mixer(side, p);
    case IconSymbol::Swatches: return Swatches(side, p);
    case IconSymbol::Compact: return Compact(side, p);
    case IconSymbol::Alpha: return Alpha(side, p);
    case IconSymbol::Hex: return Hex(side, p);
    case IconSymbol::Linear: return Linear(side, p);
    case IconSymbol::Oklch: return OklchBars(side, p);
    case IconSymbol::Picker: return Picker(side, p);
    case IconSymbol::HarmonyLock: return Lock(side, p);
    case IconSymbol::AddSample: return AddSample(side, p);
    case IconSymbol::DeleteSamples: return DeleteSamples(side, p);
    case IconSymbol::ReduceSamples: return ReduceSamples(side, p);
    case IconSymbol::Mosaic: return Mosaic(side, p);
    case IconSymbol::NewGroup: return NewGroup(side, p);
    case IconSymbol::DeleteSelection: return DeleteSelection(side, p);
    default: return Harmony(symbol, side, p);
  }
}

}  // namespace host
