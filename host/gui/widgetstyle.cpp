#include "gui/widgetstyle.h"

#include <cmath>

#include "gui/shapecache.h"
#include "raster/fontrenderer.h"
#include "raster/vectorpainter.h"

namespace host {

namespace {

using IC = InterfaceColors;

enum class Look : int { RoundBox, FocusRing, GroupFrame, Arrow, CheckMark };

// The bytes of every parameter that changes a shape's pixels.
template <typename... Part>
std::string LookOf(Look look, const Part&... parts) {
  std::string key(reinterpret_cast<const char*>(&look), sizeof look);
  (key.append(reinterpret_cast<const char*>(&parts), sizeof parts), ...);
  return key;
}

// Lays the shape, painted in logical units into a transparent bitmap of the
// rectangle's physical size (or found painted), over the canvas.
template <typename Draw>
void Shape(PaintContext& ctx, const Rect& r, const std::string& look, Draw&& draw) {
  if (r.IsEmpty()) return;
  const Bitmap& bitmap = ShapeCache::Shared().Get(look, r.w, r.h, ctx.Scale(), draw);
  ctx.Target().DrawBitmap(bitmap, r, std::nullopt, kBlitAlpha);
}

}  // namespace

void WidgetStyle::RoundBox(PaintContext& ctx, const Rect& r, double radius, Rgba fill, std::optional<Rgba> border) {
  Shape(ctx, r, LookOf(Look::RoundBox, radius, fill, border.has_value(), border.value_or(Rgba{})),
        [&](VectorPainter& p) {
          if (border) {
            p.AddRoundRect(0, 0, r.w, r.h, radius);
            p.Fill(*border);
            p.AddRoundRect(1, 1, r.w - 2, r.h - 2, std::max(0.0, radius - 1));
          } else {
            p.AddRoundRect(0, 0, r.w, r.h, radius);
          }
          p.Fill(fill);
        });
}

void WidgetStyle::FieldBox(PaintContext& ctx, const Rect& r, bool focused, bool enabled) {
  const Rgba fill = enabled ? ctx.Color(IC::kEditBackground) : ctx.Color(IC::kBackground);
  const Rgba border = focused ? ctx.Color(IC::kHighlight) : ctx.Color(IC::kBorderDark);
  RoundBox(ctx, r, kRadius, fill, border);
}

void WidgetStyle::ButtonFace(PaintContext& ctx, const Rect& r, bool pressed, bool focused, bool enabled) {
  Rgba face = pressed ? ctx.Color(IC::kButtonPressed) : ctx.Color(IC::kButton);
  if (!enabled) face = ctx.Color(IC::kGroupFill);
  RoundBox(ctx, r, kRadius, face, ctx.Color(IC::kBorderDark));
  if (!pressed && enabled) {
    // A faint top light gives the face some depth.
    ctx.Target().DrawLine(r.x + 3, r.y + 1, r.Right() - 4, r.y + 1, ctx.Color(IC::kBorderLight));
  }
  if (focused) FocusRing(ctx, r);
}

void WidgetStyle::FocusRing(PaintContext& ctx, const Rect& r) {
  const Rgba ring = ctx.Color(IC::kHighlight);
  Shape(ctx, r, LookOf(Look::FocusRing, ring), [&](VectorPainter& p) {
    p.AddRoundRect(0, 0, r.w, r.h, kRadius);
    p.AddRoundRect(1, 1, r.w - 2, r.h - 2, kRadius - 1, true);
    p.Fill(ring);
  });
}

void WidgetStyle::GroupFrame(PaintContext& ctx, const Rect& r, const std::string& title, bool enabled) {
  const int top = title.empty() ? 0 : LineHeight() / 2;
  const Rect box{r.x, r.y + top, r.w, r.h - top};
  const Rgba line = ctx.Color(IC::kBorderLight);
  Shape(ctx, box, LookOf(Look::GroupFrame, line), [&](VectorPainter& p) {
    p.AddRoundRect(0, 0, box.w, box.h, 4);
    p.AddRoundRect(1, 1, box.w - 2, box.h - 2, 3, true);
    p.Fill(line);
  });
  if (title.empty()) return;
  const int w = TextWidth(title);
  ctx.Target().FillRect({r.x + 6, r.y, w + 8, LineHeight()}, ctx.Color(IC::kBackground));
  ctx.Target().DrawText(title, r.x + 10, r.y, TextColor(ctx, enabled), kTextLeft, {FontRenderer::kDefaultSize, true});
}

void WidgetStyle::Arrow(PaintContext& ctx, const Rect& box, Direction dir, Rgba color) {
  Shape(ctx, box, LookOf(Look::Arrow, dir, color), [&](VectorPainter& p) {
    const double cx = box.w / 2.0, cy = box.h / 2.0, a = std::min(box.w, box.h) * 0.36;
    VectorPainter::Pt pts[3];
    switch (dir) {
      case Direction::Up:
        pts[0] = {cx - a, cy + a / 2}, pts[1] = {cx + a, cy + a / 2}, pts[2] = {cx, cy - a / 2};
        break;
      case Direction::Down:
        pts[0] = {cx - a, cy - a / 2}, pts[1] = {cx + a, cy - a / 2}, pts[2] = {cx, cy + a / 2};
        break;
      case Direction::Left:
        pts[0] = {cx + a / 2, cy - a}, pts[1] = {cx + a / 2, cy + a}, pts[2] = {cx - a / 2, cy};
        break;
      case Direction::Right:
        pts[0] = {cx - a / 2, cy - a}, pts[1] = {cx - a / 2, cy + a}, pts[2] = {cx + a / 2, cy};
        break;
    }
    p.AddPolygon(pts);
    p.Fill(color);
  });
}

void WidgetStyle::CheckMark(PaintContext& ctx, const Rect& box, Rgba color) {
  Shape(ctx, box, LookOf(Look::CheckMark, color), [&](VectorPainter& p) {
    const double w = box.w, h = box.h;
    const VectorPainter::Pt pts[3] = {{w * 0.24, h * 0.52}, {w * 0.43, h * 0.70}, {w * 0.77, h * 0.30}};
    p.AddPolyline(pts, std::max(1.6, w * 0.13));
    p.Fill(color);
  });
}

Rgba WidgetStyle::TextColor(const PaintContext& ctx, bool enabled) {
  return ctx.Color(enabled ? IC::kText : IC::kTextDisabled);
}

void WidgetStyle::Label(PaintContext& ctx, const std::string& text, const Rect& r, int flags, bool enabled) {
  int x = r.x;
  if (flags & kTextCenter) x = r.x + r.w / 2;
  else if (flags & kTextRight) x = r.Right();
  ctx.Target().DrawText(text, x, r.y + r.h / 2, TextColor(ctx, enabled),
                        (flags & (kTextCenter | kTextRight)) | kTextVCenter);
}

int WidgetStyle::TextWidth(const std::string& text) {
  return int(std::ceil(FontRenderer::Shared().Advance(text, FontRenderer::kDefaultSize) - 1e-6));
}

int WidgetStyle::LineHeight() {
  return int(std::ceil(FontRenderer::Shared().LineHeight(FontRenderer::kDefaultSize) - 1e-6));
}

TextMeasure WidgetStyle::Measure() {
  static const TextMeasure measure = [] {
    static const std::string sample = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    FontRenderer& fonts = FontRenderer::Shared();
    if (!fonts.IsReady()) return TextMeasure{};
    return TextMeasure{fonts.Advance(sample, FontRenderer::kDefaultSize) / double(sample.size()),
                       std::ceil(fonts.LineHeight(FontRenderer::kDefaultSize))};
  }();
  return measure;
}

}  // namespace host
