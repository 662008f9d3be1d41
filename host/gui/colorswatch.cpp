#include "gui/colorswatch.h"

#include <algorithm>
#include <cmath>

#include "gui/paintcontext.h"
#include "gui/widgetstyle.h"

namespace host {

void ColorSwatch::SetColor(const std::array<double, 4>& rgba) {
  if (rgba == current_) return;
  current_ = rgba;
  Invalidate();
}

void ColorSwatch::Checkered(PaintContext& ctx, const Rect& r, const std::array<double, 4>& rgba) {
  auto channel = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
  const double a = std::clamp(rgba[3], 0.0, 1.0);
  constexpr int kCell = 6;
  for (int y = 0; y < r.h; y += kCell) {
    for (int x = 0; x < r.w; x += kCell) {
      const int grey = ((x / kCell + y / kCell) % 2 == 0) ? 204 : 140;
      auto mix = [&](int c) { return uint8_t(std::lround(grey + (c - grey) * a)); };
      const Rgba c{mix(channel(rgba[0])), mix(channel(rgba[1])), mix(channel(rgba[2]))};
      ctx.Target().FillRect({r.x + x, r.y + y, std::min(kCell, r.w - x), std::min(kCell, r.h - y)}, c);
    }
  }
}

void ColorSwatch::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  const Rect inner = f.Inset(1);
  const int half = inner.w / 2;
  Checkered(ctx, {inner.x, inner.y, half, inner.h}, current_);
  Checkered(ctx, {inner.x + half, inner.y, inner.w - half, inner.h}, original_);
  ctx.Target().DrawFrame(f, ctx.Color(InterfaceColors::kBorderDark));
}

}  // namespace host
