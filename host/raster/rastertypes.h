#pragma once

#include <algorithm>
#include <cstdint>

namespace host {

// 8-bit straight (not premultiplied) colour with opacity.
struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 255;

  constexpr bool operator==(const Rgba&) const = default;
  constexpr Rgba WithAlpha(uint8_t alpha) const { return {r, g, b, alpha}; }
  // Rec. 709 luma on 0..255 components, the measure the host uses for "dark".
  constexpr double Luma() const { return 0.2126 * r + 0.7152 * g + 0.0722 * b; }
};

struct Point {
  int x = 0, y = 0;
  constexpr bool operator==(const Point&) const = default;
};

// Half-open rectangle: covers x .. x + w - 1 and y .. y + h - 1.
struct Rect {
  int x = 0, y = 0, w = 0, h = 0;

  constexpr bool operator==(const Rect&) const = default;
  constexpr bool IsEmpty() const { return w <= 0 || h <= 0; }
  constexpr int Right() const { return x + w; }
  constexpr int Bottom() const { return y + h; }
  constexpr bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
  constexpr Rect Intersect(const Rect& o) const {
    const int l = std::max(x, o.x), t = std::max(y, o.y);
    const int r = std::min(Right(), o.Right()), b = std::min(Bottom(), o.Bottom());
    if (r <= l || b <= t) return {l, t, 0, 0};
    return {l, t, r - l, b - t};
  }
  // The smallest rectangle around both; an empty one adds nothing.
  constexpr Rect Union(const Rect& o) const {
    if (o.IsEmpty()) return *this;
    if (IsEmpty()) return o;
    const int l = std::min(x, o.x), t = std::min(y, o.y);
    return {l, t, std::max(Right(), o.Right()) - l, std::max(Bottom(), o.Bottom()) - t};
  }
  constexpr Rect Offset(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
  constexpr Rect Inset(int d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
};

}  // namespace host
