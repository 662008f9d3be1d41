#include "raster/canvas.h"

#include <cmath>
#include <cstdlib>

namespace host {

namespace {

// Source-over of a straight colour with opacity alpha (0..255) onto one pixel.
inline void BlendOver(uint32_t& pixel, Rgba src, int alpha) {
  if (alpha <= 0) return;
  if (alpha >= 255) {
    pixel = Framebuffer::Pack(src.WithAlpha(255));
    return;
  }
  const Rgba dst = Framebuffer::Unpack(pixel);
  if (dst.a == 255) {
    auto mix = [alpha](int s, int d) { return uint8_t(d + ((s - d) * alpha + 127) / 255); };
    pixel = Framebuffer::Pack({mix(src.r, dst.r), mix(src.g, dst.g), mix(src.b, dst.b), 255});
    return;
  }
  const int outA = alpha + dst.a * (255 - alpha) / 255;
  auto mix = [&](int s, int d) { return uint8_t((s * alpha + d * dst.a * (255 - alpha) / 255) / outA); };
  pixel = Framebuffer::Pack({mix(src.r, dst.r), mix(src.g, dst.g), mix(src.b, dst.b), uint8_t(outA)});
}

Rgba DisabledLook(Rgba c) {
  const int grey = int(c.Luma() + 0.5);
  auto toward = [grey](int v) { return uint8_t((v + 3 * grey) / 4); };
  return {toward(c.r), toward(c.g), toward(c.b), uint8_t(c.a / 2)};
}

// Bilinear sample in premultiplied form, answered straight.
Rgba SampleBilinear(const Bitmap& bitmap, const Rect& src, double fx, double fy) {
  const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
  const double tx = fx - x0, ty = fy - y0;
  double sum[4] = {0, 0, 0, 0};
  for (int k = 0; k < 4; ++k) {
    const int sx = std::clamp(x0 + (k & 1), src.x, src.Right() - 1);
    const int sy = std::clamp(y0 + (k >> 1), src.y, src.Bottom() - 1);
    const double w = ((k & 1) ? tx : 1.0 - tx) * ((k >> 1) ? ty : 1.0 - ty);
    const Rgba p = bitmap.GetPixel(sx, sy);
    const double a = p.a * w;
    sum[0] += p.r * a;
    sum[1] += p.g * a;
    sum[2] += p.b * a;
    sum[3] += a;
  }
  if (sum[3] <= 0.0) return {0, 0, 0, 0};
  auto channel = [&](double v) { return uint8_t(std::clamp(v / sum[3] + 0.5, 0.0, 255.0)); };
  return {channel(sum[0]), channel(sum[1]), channel(sum[2]), uint8_t(std::clamp(sum[3] + 0.5, 0.0, 255.0))};
}

// Reads count pixels of one bitmap row straight from memory.
void ReadRow(const Bitmap& bitmap, int x, int y, int count, Rgba* out) {
  const int bpp = bitmap.BytesPerPixel();
  const uint8_t* p = bitmap.Row(y) + size_t(x) * bpp;
  const uint8_t* alpha = bitmap.AlphaRow(y);
  for (int i = 0; i < count; ++i, p += bpp) {
    out[i] = {p[0], p[1], p[2], bpp == 4 ? p[3] : alpha ? alpha[x + i] : uint8_t(255)};
  }
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

void Canvas::BlendSpan(uint32_t* row, int count, Rgba c) {
  for (int i = 0; i < count; ++i) BlendOver(row[i], c, c.a);
}

void Canvas::FillPhysical(const Rect& r, Rgba c) {
  const Rect area = r.Intersect(Clip());
  if (area.IsEmpty() || c.a == 0) return;
  const uint32_t packed = Framebuffer::Pack(c);
  for (int y = area.y; y < area.Bottom(); ++y) {
    uint32_t* row = target_.Row(y) + area.x;
    if (c.a == 255) {
      std::fill_n(row, area.w, packed);
    } else {
      BlendSpan(row, area.w, c);
    }
  }
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
  const Rect source = src.value_or(Rect{0, 0, bitmap.Width(), bitmap.Height()})
                          .Intersect({0, 0, bitmap.Width(), bitmap.Height()});
  if (source.IsEmpty()) return;
  BlitPhysical(bitmap, source, ToPhysical(dst), flags);
}

void Canvas::BlitPhysical(const Bitmap& bitmap, const Rect& src, const Rect& dst, int flags) {
  const Rect area = dst.Intersect(Clip());
  if (area.IsEmpty()) return;
  const bool useAlpha = (flags & kBlitAlpha) && bitmap.HasAlpha();
  const bool disabled = (flags & kBlitDisabled) != 0;
  const bool exact = src.w == dst.w && src.h == dst.h;
  const bool nearest = (flags & kBlitNearest) != 0;
  const double stepX = double(src.w) / dst.w, stepY = double(src.h) / dst.h;
  std::vector<Rgba> line(size_t(area.w));
  for (int y = area.y; y < area.Bottom(); ++y) {
    if (exact) {
      ReadRow(bitmap, src.x + area.x - dst.x, src.y + y - dst.y, area.w, line.data());
    } else {
      const double fy = src.y + (y - dst.y + 0.5) * stepY;
      for (int i = 0; i < area.w; ++i) {
        const double fx = src.x + (area.x + i - dst.x + 0.5) * stepX;
        line[i] = nearest ? bitmap.GetPixel(std::min(src.Right() - 1, int(fx)), std::min(src.Bottom() - 1, int(fy)))
                          : SampleBilinear(bitmap, src, fx - 0.5, fy - 0.5);
      }
    }
    uint32_t* row = target_.Row(y) + area.x;
    for (int i = 0; i < area.w; ++i) {
      Rgba p = line[i];
      if (!useAlpha) p.a = 255;
      if (disabled) p = DisabledLook(p);
      BlendOver(row[i], p, p.a);
    }
  }
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
    const uint8_t* coverage = glyph.coverage.data() + size_t(py - y) * glyph.width - x;
    uint32_t* row = target_.Row(py);
    for (int px = area.x; px < area.Right(); ++px) {
      if (coverage[px]) BlendOver(row[px], c, (coverage[px] * c.a + 127) / 255);
    }
  }
}

void Canvas::DrawText(std::string_view utf8, int x, int y, Rgba c, int flags, const TextStyle& style) {
  const int s = Scale();
  const double size = style.size * s;
  double left = (x + origin_.x) * s;
  if (flags & (kTextCenter | kTextRight)) {
    const double width = fonts_.Advance(utf8, size, style.bold);
    left -= (flags & kTextRight) ? width : width / 2.0;
  }
  double top = (y + origin_.y) * s;
  if (flags & kTextVCenter) top -= fonts_.LineHeight(size, style.bold) / 2.0;
  const int baseline = int(std::lround(top + fonts_.Ascent(size, style.bold)));
  fonts_.Render(utf8, size, style.bold, left, baseline,
                [&](const FontRenderer::Glyph& glyph, int gx, int gy) { BlendGlyph(glyph, gx, gy, c); });
}

int Canvas::TextWidth(std::string_view utf8, const TextStyle& style) const {
  return int(std::ceil(fonts_.Advance(utf8, style.size, style.bold) - 1e-6));
}

int Canvas::TextHeight(const TextStyle& style) const {
  return int(std::ceil(fonts_.LineHeight(style.size, style.bold) - 1e-6));
}

}  // namespace host
