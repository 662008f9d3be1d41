#include "gui/scrollgroup.h"

#include <algorithm>

#include "gui/dialog.h"
#include "gui/eventcontext.h"
#include "gui/inputevent.h"
#include "gui/paintcontext.h"
#include "gui/widgetstyle.h"
#include "gxa_api.h"

namespace host {

ScrollGroup::ScrollGroup(int32_t id, int32_t flags, int32_t scrollFlags)
    : Group(id, flags, 1, 0), scrollFlags_(scrollFlags) {
  SetSpacing(0, 0);
}

bool ScrollGroup::ScrollsVertically() const {
  return (scrollFlags_ & GXA_SCROLL_VERTICAL) != 0 || (scrollFlags_ & GXA_SCROLL_HORIZONTAL) == 0;
}

bool ScrollGroup::ScrollsHorizontally() const { return (scrollFlags_ & GXA_SCROLL_HORIZONTAL) != 0; }

bool ScrollGroup::AutoBars() const { return (scrollFlags_ & GXA_SCROLL_AUTO) != 0; }

void ScrollGroup::SetLayoutResult(const Rect& viewport, Size content, bool vbar, bool hbar) {
  viewport_ = viewport;
  content_ = content;
  vbar_ = vbar;
  hbar_ = hbar;
  offset_ = ClampOffset(offset_);
}

Rect ScrollGroup::VisibleArea() const { return {offset_.x, offset_.y, viewport_.w, viewport_.h}; }

Point ScrollGroup::ClampOffset(Point o) const {
  return {std::clamp(o.x, 0, std::max(0, content_.w - viewport_.w)),
          std::clamp(o.y, 0, std::max(0, content_.h - viewport_.h))};
}

void ScrollGroup::ScrollTo(Point offset) {
  const Point o = ClampOffset(offset);
  if (o == offset_) return;
  const int dx = offset_.x - o.x, dy = offset_.y - o.y;
  offset_ = o;
  for (size_t i = 0; i < ChildCount(); ++i) ChildAt(i)->Shift(dx, dy);
  Invalidate();
  // The dialog hears of every scroll, so that what draws the content can
  // make the newly visible part.
  if (Dialog* dialog = OwnerDialog()) {
    Container msg(GXA_MSG_SCROLL);
    msg.SetInt32(GXA_MSG_ID, Id());
    Container result;
    dialog->Message(msg, result);
  }
}

Rect ScrollGroup::VerticalBar() const {
  if (!vbar_) return {};
  return {viewport_.Right(), viewport_.y, kBarThickness, viewport_.h};
}

Rect ScrollGroup::HorizontalBar() const {
  if (!hbar_) return {};
  return {viewport_.x, viewport_.Bottom(), viewport_.w, kBarThickness};
}

Rect ScrollGroup::Thumb(const Rect& bar, int visible, int total, int offset, bool vertical) {
  const int length = vertical ? bar.h : bar.w;
  if (total <= 0 || length <= 0) return {};
  const int size = std::max(16, int(int64_t(length) * std::min(visible, total) / total));
  const int range = std::max(1, total - visible);
  const int pos = int(int64_t(length - size) * offset / range);
  return vertical ? Rect{bar.x + 2, bar.y + pos, bar.w - 4, size} : Rect{bar.x + pos, bar.y + 2, size, bar.h - 4};
}

Rect ScrollGroup::VerticalThumb() const {
  if (!vbar_) return {};
  return Thumb(VerticalBar(), viewport_.h, content_.h, offset_.y, true);
}

Rect ScrollGroup::HorizontalThumb() const {
  if (!hbar_) return {};
  return Thumb(HorizontalBar(), viewport_.w, content_.w, offset_.x, false);
}

void ScrollGroup::Paint(PaintContext& ctx) {
  Group::Paint(ctx);
  const Rgba track = ctx.Color(InterfaceColors::kEditBackground);
  const Rgba thumb = ctx.Color(dragAxis_ ? InterfaceColors::kHighlight : InterfaceColors::kOutline);
  if (vbar_) {
    ctx.Target().FillRect(VerticalBar(), track);
    WidgetStyle::RoundBox(ctx, VerticalThumb(), 3, thumb, std::nullopt);
  }
  if (hbar_) {
    ctx.Target().FillRect(HorizontalBar(), track);
    WidgetStyle::RoundBox(ctx, HorizontalThumb(), 3, thumb, std::nullopt);
  }
  if (vbar_ && hbar_) {
    ctx.Target().FillRect({viewport_.Right(), viewport_.Bottom(), kBarThickness, kBarThickness}, track);
  }
}

bool ScrollGroup::OnMouseDown(const InputEvent& e, EventContext& ctx) {
  if (e.channel != GXA_CHANNEL_LEFT) return false;
  const Point p = LayerPoint(e.position);
  const bool onV = VerticalBar().Contains(p.x, p.y), onH = HorizontalBar().Contains(p.x, p.y);
  if (!onV && !onH) return false;
  dragAxis_ = onV ? 1 : 2;
  const Rect thumb = onV ? VerticalThumb() : HorizontalThumb();
  if (!thumb.Contains(p.x, p.y)) {
    // A click beside the thumb pages towards the click.
    const int page = onV ? viewport_.h : viewport_.w;
    const bool before = onV ? p.y < thumb.y : p.x < thumb.x;
    onV ? ScrollBy(0, before ? -page : page) : ScrollBy(before ? -page : page, 0);
  }
  dragStart_ = e.position;
  dragOffset_ = offset_;
  ctx.CaptureMouse(*this);
  Invalidate();
  return true;
}

void ScrollGroup::OnMouseUp(const InputEvent&, EventContext&) {
  dragAxis_ = 0;
  Invalidate();
}

void ScrollGroup::OnMouseDrag(const InputEvent& e, EventContext&) {
  const bool vertical = dragAxis_ == 1;
  const Rect bar = vertical ? VerticalBar() : HorizontalBar();
  const Rect thumb = vertical ? VerticalThumb() : HorizontalThumb();
  const int free = vertical ? bar.h - thumb.h : bar.w - thumb.w;
  if (free <= 0) return;
  const int total = vertical ? content_.h - viewport_.h : content_.w - viewport_.w;
  const int moved = vertical ? e.position.y - dragStart_.y : e.position.x - dragStart_.x;
  const int delta = int(int64_t(moved) * total / free);
  ScrollTo(vertical ? Point{dragOffset_.x, dragOffset_.y + delta} : Point{dragOffset_.x + delta, dragOffset_.y});
}

bool ScrollGroup::OnWheel(const InputEvent& e, EventContext&) {
  const int step = 3 * WidgetStyle::LineHeight();
  const Point before = offset_;
  const bool sideways = !ScrollsVertically() || (e.qualifiers & GXA_QUALIFIER_SHIFT) != 0;
  const double amount = e.wheelY != 0.0 ? e.wheelY : e.wheelX;
  const int delta = int(-amount * step);
  sideways ? ScrollBy(delta, 0) : ScrollBy(0, delta);
  return offset_ != before;
}

void ScrollGroup::Reveal(Widget& content, int top, int bottom) {
  for (Widget* w = content.Parent(); w; w = w->Parent()) {
    ScrollGroup* scroll = w->AsScrollGroup();
    if (!scroll) continue;
    const Rect visible = scroll->VisibleArea();
    if (top < visible.y) scroll->ScrollTo({visible.x, top});
    if (bottom > visible.y + visible.h) scroll->ScrollTo({visible.x, bottom - visible.h});
    return;
  }
}

}  // namespace host
