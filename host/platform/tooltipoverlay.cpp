#include "platform/tooltipoverlay.h"

#include <algorithm>

#include "platform/tooltiptext.h"
#include "raster/canvas.h"

namespace host {

namespace {
constexpr int kPadding = 5;
constexpr int kOffsetX = 12;
constexpr int kOffsetY = 20;
constexpr double kTextSize = 11.0;
}  // namespace

void TooltipOverlay::Set(const std::string& text, Point position, int64_t now) {
  if (text != text_) due_ = now + kDelayMs;
  if (text != text_ || !IsShown(now)) position_ = position;
  text_ = text;
}

int64_t TooltipOverlay::WaitFrom(int64_t now) const {
  if (text_.empty() || now >= due_) return -1;
  return due_ - now;
}

template <typename Visit>
Size TooltipOverlay::ForEachSpan(Canvas& canvas, Visit&& visit) const {
  const int lineHeight = canvas.TextHeight({kTextSize, false});
  Size size{0, 0};
  const TooltipText parsed(text_);
  for (const TooltipText::Line& line : parsed.Lines()) {
    int x = 0;
    for (const TooltipText::Span& span : line) {
      const TextStyle style{kTextSize, span.bold, span.italic};
      visit(span.text, style, Point{x, size.h});
      x += canvas.TextWidth(span.text, style);
    }
    size.w = std::max(size.w, x);
    size.h += lineHeight;
  }
  return size;
}

Rect TooltipOverlay::Box(Size window) const {
  Framebuffer probe(1, 1);
  Canvas measure(probe);
  const Size text = ForEachSpan(measure, [](const std::string&, const TextStyle&, Point) {});
  const int w = text.w + 2 * kPadding;
  const int h = text.h + 2 * kPadding;
  int x = position_.x + kOffsetX, y = position_.y + kOffsetY;
  // Near the right or bottom edge it moves left, or above the pointer.
  if (x + w > window.w) x = std::max(0, window.w - w);
  if (y + h > window.h) y = std::max(0, position_.y - h - 4);
  return {x, y, w, h};
}

void TooltipOverlay::Paint(Framebuffer& frame, const InterfaceColors& colors) const {
  if (text_.empty() || frame.IsEmpty()) return;
  const Rect box = Box({frame.LogicalWidth(), frame.LogicalHeight()});
  Canvas c(frame);
  c.FillRect(box, colors.GetOr(InterfaceColors::kTooltipBackground, {255, 255, 225, 255}));
  c.DrawFrame(box, colors.GetOr(InterfaceColors::kBorderDark, {90, 90, 90, 255}));
  const Rgba ink = colors.GetOr(InterfaceColors::kTooltipText, {0, 0, 0, 255});
  ForEachSpan(c, [&](const std::string& text, const TextStyle& style, Point at) {
    c.DrawText(text, box.x + kPadding + at.x, box.y + kPadding + at.y, ink, kTextLeft, style);
  });
}

}  // namespace host
