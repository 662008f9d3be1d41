#include "gui/pressable.h"

#include "gui/eventcontext.h"
#include "gui/inputevent.h"
#include "gxa_api.h"

namespace host {

bool Pressable::OnMouseDown(const InputEvent& e, EventContext& ctx) {
  if (e.channel != GXA_CHANNEL_LEFT || !IsEnabled() || !PressesAt(LayerPoint(e.position))) return false;
  if (AcceptsFocus()) ctx.SetFocus(this);
  tracking_ = pressed_ = true;
  ctx.CaptureMouse(*this);
  Invalidate();
  return true;
}

void Pressable::OnMouseDrag(const InputEvent& e, EventContext&) {
  if (!tracking_) return;
  const Point p = LayerPoint(e.position);
  const bool inside = Frame().Contains(p.x, p.y);
  if (inside != pressed_) {
    pressed_ = inside;
    Invalidate();
  }
}

void Pressable::OnMouseUp(const InputEvent& e, EventContext& ctx) {
  if (!tracking_) return;
  OnMouseDrag(e, ctx);
  const bool act = pressed_;
  tracking_ = pressed_ = false;
  Invalidate();
  if (act) Activate(e, ctx);
}

bool Pressable::OnKey(const InputEvent& e, EventContext& ctx) {
  if (e.type != InputEvent::Type::KeyDown || !IsEnabled()) return false;
  if (e.key != ' ' && (e.key != GXA_KEY_ENTER || !PressedByEnter())) return false;
  Activate(e, ctx);
  return true;
}

}  // namespace host
