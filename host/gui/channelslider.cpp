#include "gui/channelslider.h"

#include <algorithm>
#include <cmath>

#include "gui/dialog.h"
#include "gui/eventcontext.h"
#include "gui/inputevent.h"
#include "gui/widgetstyle.h"
#include "gxa_api.h"

namespace host {

void ChannelSlider::SetValue(double t) {
  t = std::clamp(t, 0.0, 1.0);
  if (t == value_) return;
  value_ = t;
  Invalidate();
}

Rect ChannelSlider::Track() const {
  const Rect f = Frame();
  return {f.x + 4, f.y + (f.h - 12) / 2, std::max(1, f.w - 8), 12};
}

void ChannelSlider::Paint(PaintContext& ctx) {
  const Rect t = Track();
  Canvas& c = ctx.Target();
  const bool enabled = IsEnabled();
  for (int x = 0; x < t.w; ++x) {
    const Rgba col = gradient_ ? gradient_(t.w > 1 ? double(x) / (t.w - 1) : 0.0) : Rgba{128, 128, 128};
    if (checker_ && col.a < 255) {
      // Light and dark cells behind the colour show its opacity.
      for (int y = 0; y < t.h; y += 4) {
        const bool light = ((x / 4) + (y / 4)) % 2 == 0;
        c.FillRect({t.x + x, t.y + y, 1, std::min(4, t.h - y)}, light ? Rgba{200, 200, 200} : Rgba{120, 120, 120});
      }
    }
    c.FillRect({t.x + x, t.y, 1, t.h}, enabled ? col : col.WithAlpha(90));
  }
  c.DrawFrame(t, ctx.Color(InterfaceColors::kBorderDark));
  if (ctx.HasFocus(*this)) WidgetStyle::FocusRing(ctx, t.Inset(-2));
  const int hx = t.x + int(std::lround(value_ * (t.w - 1)));
  const Rect handle{hx - 3, Frame().y + 1, 7, Frame().h - 2};
  WidgetStyle::RoundBox(ctx, handle, 2.5, enabled ? Rgba{245, 245, 245} : Rgba{150, 150, 150}, Rgba{20, 20, 20});
}

double ChannelSlider::ValueAt(Point global) const {
  const Rect t = Track();
  const Point p = LayerPoint(global);
  return t.w > 1 ? std::clamp(double(p.x - t.x) / (t.w - 1), 0.0, 1.0) : 0.0;
}

void ChannelSlider::Report(double t, std::optional<bool> dragging) {
  SetValue(t);
  if (Dialog* d = OwnerDialog()) d->Action(Id(), Value::Float(value_), dragging);
}

bool ChannelSlider::OnMouseDown(const InputEvent& e, EventContext& ctx) {
  if (e.channel != GXA_CHANNEL_LEFT || !IsEnabled()) return false;
  dragging_ = true;
  ctx.CaptureMouse(*this);
  Report(ValueAt(e.position), true);
  return true;
}

void ChannelSlider::OnMouseDrag(const InputEvent& e, EventContext&) {
  if (dragging_) Report(ValueAt(e.position), true);
}

void ChannelSlider::OnMouseUp(const InputEvent& e, EventContext&) {
  if (!dragging_) return;
  dragging_ = false;
  Report(ValueAt(e.position), false);
}

bool ChannelSlider::OnKey(const InputEvent& e, EventContext&) {
  if (e.type != InputEvent::Type::KeyDown || !IsEnabled()) return false;
  const double step = (e.qualifiers & GXA_QUALIFIER_SHIFT) ? 0.1 : 0.01;
  if (e.key == GXA_KEY_LEFT || e.key == GXA_KEY_DOWN) Report(value_ - step, false);
  else if (e.key == GXA_KEY_RIGHT || e.key == GXA_KEY_UP) Report(value_ + step, false);
  else return false;
  return true;
}

}  // namespace host
