#include "gui/dragimage.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/container.h"
#include "gui/paintcontext.h"
#include "gxa_api.h"
#include "raster/interfacecolors.h"

namespace host {

namespace {
constexpr int kPad = 2;
constexpr int kChecker = 4;

uint8_t Level(double v) { return uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

void Tile(Canvas& canvas, const Rect& r, const std::array<double, 4>& rgba) {
  const double a = std::clamp(rgba[3], 0.0, 1.0);
  for (int y = 0; y < r.h; y += kChecker) {
    for (int x = 0; x < r.w; x += kChecker) {
      const int grey = ((x / kChecker + y / kChecker) % 2 == 0) ? 204 : 140;
      auto mix = [&](double c) { return uint8_t(std::lround(grey + (Level(c) - grey) * a)); };
      canvas.FillRect({r.x + x, r.y + y, std::min(kChecker, r.w - x), std::min(kChecker, r.h - y)},
                      Rgba{mix(rgba[0]), mix(rgba[1]), mix(rgba[2])});
    }
  }
}
}  // namespace

std::vector<std::array<double, 4>> DragImage::ColorsOf(int32_t type, const Value& data) {
  std::vector<std::array<double, 4>> colors;
  if (type == GXA_DRAGTYPE_COLOR) {
    if (auto v = data.AsVector()) colors.push_back({v->x, v->y, v->z, 1.0});
    return colors;
  }
  if (type != GXA_DRAGTYPE_COLORS && type != GXA_DRAGTYPE_SWATCHES) return colors;
  const Container* list = data.AsContainer();
  if (!list) return colors;
  for (const ContainerEntry& e : list->Entries()) {
    if (auto v = e.value.AsVector()) colors.push_back({v->x, v->y, v->z, 1.0});
    else if (auto c = e.value.AsColor()) colors.push_back({c->r, c->g, c->b, c->a});
  }
  return colors;
}

DragImage::DragImage(std::vector<std::array<double, 4>> colors) : Widget(0, 0), colors_(std::move(colors)) {}

Size DragImage::NaturalSize(const TextMeasure&) {
  const int tiles = std::min<int>(int(colors_.size()), kMostTiles);
  return {kPad * 2 + tiles * (kTile + 1) - 1, kPad * 2 + kTile};
}

void DragImage::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  Canvas& canvas = ctx.Target();
  canvas.FillRect(f, ctx.Color(InterfaceColors::kBackground));
  const int tiles = std::min<int>(int(colors_.size()), kMostTiles);
  for (int i = 0; i < tiles; ++i) {
    const Rect r{f.x + kPad + i * (kTile + 1), f.y + kPad, kTile, kTile};
    // More colours than tiles: the last tile stands for the rest.
    Tile(canvas, r, colors_[size_t(i)]);
    canvas.DrawFrame(r, ctx.Color(InterfaceColors::kBorderDark));
  }
  if (int(colors_.size()) > tiles) {
    const Rect last{f.x + kPad + (tiles - 1) * (kTile + 1), f.y + kPad, kTile, kTile};
    canvas.FillRect({last.x + 3, last.y + kTile / 2 - 1, kTile - 6, 2}, ctx.Color(InterfaceColors::kBorderDark));
    canvas.FillRect({last.x + kTile / 2 - 1, last.y + 3, 2, kTile - 6}, ctx.Color(InterfaceColors::kBorderDark));
  }
  canvas.DrawFrame(f, ctx.Color(InterfaceColors::kBorderDark));
}

}  // namespace host
