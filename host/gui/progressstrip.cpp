#include "gui/progressstrip.h"

#include <algorithm>

#include "gui/paintcontext.h"
#include "gui/widgetstyle.h"

namespace host {

namespace {
// The bar takes a third of the strip, within reason.
constexpr int kBarMin = 80;
constexpr int kBarMax = 220;
}  // namespace

ProgressStrip::ProgressStrip(std::string label, bool edge) : Widget(0, 0), label_(std::move(label)), edge_(edge) {}

bool ProgressStrip::SetPercent(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == percent_) return false;
  percent_ = percent;
  Invalidate();
  return true;
}

std::string ProgressStrip::Caption() const { return label_ + " \u2014 " + std::to_string(percent_) + " %"; }

Rect ProgressStrip::BarFrame() const {
  const Rect f = Frame();
  const int w = std::clamp(f.w / 3, kBarMin, kBarMax);
  return {f.Right() - kMargin - w, f.y + (f.h - kBarHeight) / 2, w, kBarHeight};
}

Size ProgressStrip::NaturalSize(const TextMeasure& m) {
  // As wide as the place it is given: a long name is cut, not the bar pushed away.
  return {kBarMin + 2 * kMargin, int(m.lineHeight) + kPadding};
}

void ProgressStrip::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  Canvas& canvas = ctx.Target();
  canvas.FillRect(f, ctx.Color(InterfaceColors::kBackground));
  if (edge_) {
    // The separator's two lines.
    canvas.FillRect({f.x, f.y, f.w, 1}, ctx.Color(InterfaceColors::kBorderDark));
    canvas.FillRect({f.x, f.y + 1, f.w, 1}, ctx.Color(InterfaceColors::kBorderLight));
  }
  const Rect bar = BarFrame();
  const int top = edge_ ? 2 : 0;
  const Rect text{f.x + kMargin, f.y + top, std::max(0, bar.x - f.x - 2 * kMargin), f.h - top};
  // A long file name is cut short rather than run under the bar.
  canvas.PushClip(text);
  WidgetStyle::Label(ctx, Caption(), text, kTextLeft, true);
  canvas.PopClip();
  // Quieter, where it fits: how to stop the work.
  const int hint = WidgetStyle::TextWidth(kHint);
  if (WidgetStyle::TextWidth(Caption()) + 2 * kMargin + hint <= text.w) {
    WidgetStyle::Label(ctx, kHint, {text.Right() - hint, text.y, hint, text.h}, kTextLeft, false);
  }
  const double radius = kBarHeight / 2.0;
  WidgetStyle::RoundBox(ctx, bar, radius, ctx.Color(InterfaceColors::kEditBackground),
                        ctx.Color(InterfaceColors::kBorderDark));
  const int filled = bar.w * percent_ / 100;
  if (filled > 0) {
    WidgetStyle::RoundBox(ctx, {bar.x, bar.y, std::max(filled, kBarHeight), bar.h}, radius,
                          ctx.Color(InterfaceColors::kHighlight), std::nullopt);
  }
}

}  // namespace host
