#include "raster/canvas.h"

#include <cmath>
#include <cstdlib>

#include "raster/pixelspans.h"
#include "raster/scaledrows.h"

namespace host {

namespace {

Rgba DisabledLook(Rgba c) {
  const int grey = int(c.Luma() + 0.5);
  auto toward = [grey](int v) { return uint8_t((v + 3 * grey) / 4); };
  return {toward(c.r), toward(c.g), toward(c.b), uint8_t(c.a / 2)};
}

}  // namespace

Canvas::Canvas(Framebuffer& target, FontRenderer& fonts) : target_(target), fonts_(fonts) {
  clips_.push_back({0, 0, target.Width(), target.Height()});
}

Rect Canvas::ToPhysical(const Rect& local) const {
  const int s = Scale();
  return {(local.x + origin_.x) * s, (local.y + origin_.y) * s, local.w * s, local.h * s};
}

void Canvas::PushClip(const Rect& local) { clips_.push_back(Clip().Intersect(ToPhysical(local))); }

void Canvas::PopClip() {
  if (clips_.size() > 1) clips_.pop_back();
}

Rect Canvas::ClipRect() const {
  const int s = Scale();
  const Rect& c = Clip();
  if (c.IsEmpty()) return {c.x / s - origin_.x, c.y / s - origin_.y, 0, 0};
  const int l = c.x / s, t = c.y / s, r = (c.Right() + s - 1) / s, b = (c.Bottom() + s - 1) / s;
  return {l - origin_.x, t - origin_.y, r - l, b - t};
}

void Canvas::FillPhysical(const Rect& r, Rgba c) {
  const Rect area = r.Intersect(Clip());
  if (area.IsEmpty() || c.a == 0) return;
  for (int y = area.y; y < area.Bottom(); ++y) PixelSpans::BlendColor(target_.Row(y) + area.x, area.w, c);
}

void Canvas::Clear(Rgba c) { FillPhysical(Clip(), c); }

void Canvas::FillRect(const Rect& r, Rgba c) { FillPhysical(ToPhysical(r), c); }

void Canvas::DrawLine(int x1, int y1, int x2, int y2, Rgba c) {
  if (y1 == y2 || x1 == x2) {
    FillRect({std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1}, c);
    return;
  }
  // Bresenham at physical resolution with a pen of scale x scale pixels.
  const int s = Scale();
  int x = (x1 + origin_.x) * s, y = (y1 + origin_.y) * s;
  const int ex = (x2 + origin_.x) * s, ey = (y2 + origin_.y) * s;
  const int dx = std::abs(ex - x), dy = -std::abs(ey - y);
  const int sx = x < ex ? 1 : -1, sy = y < ey ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    FillPhysical({x, y, s, s}, c);
    if (x == ex && y == ey) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void Canvas::DrawFrame(const Rect& r, Rgba c) { DrawBorder(r, BorderStyle::Plain, c, c); }

void Canvas::DrawBorder(const Rect& r, BorderStyle style, Rgba light, Rgba dark) {
  if (style == BorderStyle::None || r.IsEmpty()) return;
  if (style == BorderStyle::Sunken) std::swap(light, dark);
  if (style == BorderStyle::Plain) light = dark;
  FillRect({r.x, r.y, r.w - 1, 1}, light);
  FillRect({r.x, r.y + 1, 1, r.h - 2}, light);
  FillRect({r.x, r.Bottom() - 1, r.w, 1}, dark);
  FillRect({r.Right() - 1, r.y, 1, r.h - 1}, dark);
}

void Canvas::DrawBitmap(const Bitmap& bitmap, const Rect& dst, std::optional<Rect> src, int flags) {
  if (bitmap.IsEmpty() || dst.IsEmpty()) return;
  const Rect source =
      src.value_or(Rect{0, 0, bitmap.Width(), bitmap.Height()}).Intersect({0, 0, bitmap.Width(), bitmap.Height()});
  if (source.IsEmpty()) return;
  BlitPhysical(bitmap, source, ToPhysical(dst), flags);
}

void Canvas::BlitPhysical(const Bitmap& bitmap, const Rect& src, const Rect& dst, int flags) {
  const Rect area = dst.Intersect(Clip());
  if (area.IsEmpty()) return;
  const bool useAlpha = (flags & kBlitAlpha) && bitmap.HasAlpha();
  if (src.w == dst.w && src.h == dst.h && !(flags & kBlitDisabled)) {
    const Point from{src.x + area.x - dst.x, src.y + area.y - dst.y};
    for (int y = 0; y < area.h; ++y) {
      CopyRow(bitmap, from.x, from.y + y, area.w, useAlpha, target_.Row(area.y + y) + area.x);
    }
    return;
  }
  const bool disabled = (flags & kBlitDisabled) != 0;
  // At its own size the nearest pixel is the pixel itself.
  const bool nearest = (flags & kBlitNearest) || (src.w == dst.w && src.h == dst.h);
  ScaledRows rows(bitmap, src, dst, area, nearest, useAlpha);
  if (!disabled && rows.RowsAreOpaque()) {
    for (int y = area.y; y < area.Bottom(); ++y) rows.Row(y, target_.Row(y) + area.x);
    return;
  }
  if (!disabled) {
    for (int y = area.y; y < area.Bottom(); ++y) rows.BlendRow(y, target_.Row(y) + area.x);
    return;
  }
  if (line_.size() < size_t(area.w)) line_.resize(size_t(area.w));
  for (int y = area.y; y < area.Bottom(); ++y) {
    rows.Row(y, line_.data());
    for (int i = 0; i < area.w; ++i) line_[i] = Framebuffer::Pack(DisabledLook(Framebuffer::Unpack(line_[i])));
    PixelSpans::BlendOver(reinterpret_cast<const uint8_t*>(line_.data()), target_.Row(y) + area.x, area.w);
  }
}

void Canvas::CopyRow(const Bitmap& bitmap, int x, int y, int count, bool useAlpha, uint32_t* out) {
  const int bpp = bitmap.BytesPerPixel();
  const uint8_t* p = bitmap.Row(y) + size_t(x) * bpp;
  if (!useAlpha) {
    if (bpp == 3) PixelSpans::CopyRgb(p, out, count);
    else PixelSpans::CopyRgbaOpaque(p, out, count);
    return;
  }
  if (bpp == 4) {
    PixelSpans::BlendOver(p, out, count);
    return;
  }
  PixelSpans::BlendJoined(p, bitmap.AlphaRow(y) + x, out, count);
}

bool Canvas::DrawFramebuffer(const Framebuffer& source, Point at) {
  if (source.Scale() != Scale() || &source == &target_) return false;
  const Rect dst = ToPhysical({at.x, at.y, source.LogicalWidth(), source.LogicalHeight()});
  const Rect area = dst.Intersect(Clip());
  for (int y = area.y; y < area.Bottom(); ++y) {
    std::copy_n(source.Row(y - dst.y) + (area.x - dst.x), area.w, target_.Row(y) + area.x);
  }
  return true;
}

void Canvas::BlendGlyph(const FontRenderer::Glyph& glyph, int x, int y, Rgba c) {
  const Rect area = Rect{x, y, glyph.width, glyph.height}.Intersect(Clip());
  for (int py = area.y; py < area.Bottom(); ++py) {
    const uint8_t* coverage = glyph.coverage.data() + size_t(py - y) * glyph.width + (area.x - x);
    PixelSpans::BlendColor(target_.Row(py) + area.x, area.w, c, coverage);
  }
}

void Canvas::DrawText(std::string_view utf8, int x, int y, Rgba c, int flags, const TextStyle& style) {
  const int s = Scale();
  const double size = style.size * s;
  double left = (x + origin_.x) * s;
  if (flags & (kTextCenter | kTextRight)) {
    const double width = fonts_.Advance(utf8, size, style.Face());
    left -= (flags & kTextRight) ? width : width / 2.0;
  }
  double top = (y + origin_.y) * s;
  if (flags & kTextVCenter) top -= fonts_.LineHeight(size, style.Face()) / 2.0;
  const int baseline = int(std::lround(top + fonts_.Ascent(size, style.Face())));
  fonts_.Render(utf8, size, style.Face(), left, baseline,
                [&](const FontRenderer::Glyph& glyph, int gx, int gy) { BlendGlyph(glyph, gx, gy, c); });
}

int Canvas::TextWidth(std::string_view utf8, const TextStyle& style) const {
  return int(std::ceil(fonts_.Advance(utf8, style.size, style.Face()) - 1e-6));
}

int Canvas::TextHeight(const TextStyle& style) const {
  return int(std::ceil(fonts_.LineHeight(style.size, style.Face()) - 1e-6));
}

}  // namespace host
