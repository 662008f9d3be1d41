#include "gui/widget.h"

#include "gui/layer.h"
#include "gui/scrollgroup.h"
#include "gxa_api.h"

namespace host {

Widget::DestroyHook Widget::destroyHook_ = nullptr;

Widget::Widget(int32_t id, int32_t flags) : id_(id), flags_(flags) {}

Widget::~Widget() {
  if (destroyHook_) destroyHook_(this);
  if (layer_) layer_->Detach(*this);
}

void Widget::SetHints(int32_t w, int32_t h) {
  if (w == widthHint_ && h == heightHint_) return;
  widthHint_ = w;
  heightHint_ = h;
  RequestLayout();
}

Layer* Widget::OwnerLayer() const {
  const Widget* w = this;
  while (w->parent_) w = w->parent_;
  return w->layer_;
}

bool Widget::IsInside(const Widget* ancestor) const {
  for (const Widget* w = this; w; w = w->parent_) {
    if (w == ancestor) return true;
  }
  return false;
}

bool Widget::IsEnabled() const {
  for (const Widget* w = this; w; w = w->parent_) {
    if (!w->enabled_) return false;
  }
  return true;
}

void Widget::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Invalidate();
}

bool Widget::IsShown() const {
  for (const Widget* w = this; w; w = w->parent_) {
    if (w->hidden_) return false;
  }
  return true;
}

void Widget::SetHidden(bool hidden) {
  if (hidden_ == hidden) return;
  hidden_ = hidden;
  RequestLayout();
}

void Widget::ApplyFrame(const Rect& frame) {
  const bool resized = frame.w != frame_.w || frame.h != frame_.h;
  frame_ = frame;
  dirty_ = true;
  if (resized) OnResized();
}

void Widget::Shift(int dx, int dy) {
  frame_ = frame_.Offset(dx, dy);
  dirty_ = true;
  for (size_t i = 0; i < ChildCount(); ++i) ChildAt(i)->Shift(dx, dy);
}

Rect Widget::VisibleFrame() const {
  Rect r = frame_;
  for (const Widget* w = parent_; w; w = w->parent_) {
    if (const auto* scroll = const_cast<Widget*>(w)->AsScrollGroup()) r = r.Intersect(scroll->Viewport());
  }
  return r;
}

Rect Widget::GlobalFrame() const {
  const Layer* layer = OwnerLayer();
  const Point o = layer ? layer->Origin() : Point{};
  return frame_.Offset(o.x, o.y);
}

Point Widget::LayerPoint(Point global) const {
  const Layer* layer = OwnerLayer();
  const Point o = layer ? layer->Origin() : Point{};
  return {global.x - o.x, global.y - o.y};
}

Point Widget::LocalPoint(Point global) const {
  const Point p = LayerPoint(global);
  return {p.x - frame_.x, p.y - frame_.y};
}

Widget* Widget::HitTest(Point p) {
  if (hidden_ || !VisibleFrame().Contains(p.x, p.y)) return nullptr;
  for (size_t i = ChildCount(); i-- > 0;) {
    if (Widget* hit = ChildAt(i)->HitTest(p)) return hit;
  }
  return this;
}

void Widget::Invalidate() {
  dirty_ = true;
  if (Layer* layer = OwnerLayer()) layer->NoteDirty();
}

void Widget::RequestLayout() {
  if (Layer* layer = OwnerLayer()) layer->RequestLayout();
}

bool Widget::SetData(const Value& value) {
  if (const std::string* s = value.AsString()) return SetText(*s);
  if (const Filename* f = value.AsFile()) return SetText(f->Path());
  if (value.Type() == GXA_TYPE_BOOL) return SetChecked(value.AsBool().value_or(false));
  return false;
}

std::optional<Value> Widget::Data() const {
  if (auto b = Checked()) return Value::Bool(*b);
  if (auto n = Number()) return Value::Float(*n);
  if (auto t = Text()) return Value::String(*t);
  return std::nullopt;
}

}  // namespace host
