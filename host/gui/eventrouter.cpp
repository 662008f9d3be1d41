#include "gui/eventrouter.h"

#include <algorithm>
#include <functional>

#include "gui/dialog.h"
#include "gui/layer.h"
#include "gui/screen.h"
#include "gui/textfield.h"
#include "gui/widget.h"
#include "gxa_api.h"

namespace host {

bool EventRouter::Dispatch(const InputEvent& e) {
  Layer* layer = screen_.TopLayer();
  switch (e.type) {
    case InputEvent::Type::MouseUp: return MouseUp(e);
    case InputEvent::Type::FileDrop: return screen_.DropFiles(e);
    case InputEvent::Type::Close: return screen_.CloseWindow();
    default: break;
  }
  if (!layer) return false;
  layer->EnsureLayout();
  switch (e.type) {
    case InputEvent::Type::MouseDown: return MouseDown(e, *layer);
    case InputEvent::Type::MouseMove: return MouseMove(e, *layer);
    case InputEvent::Type::Wheel: return Wheel(e, *layer);
    case InputEvent::Type::KeyDown:
    case InputEvent::Type::KeyUp: return Key(e, *layer);
    default: return false;
  }
}

Widget* EventRouter::Hit(Layer& layer, Point global) {
  const Point o = layer.Origin();
  return layer.Root() ? layer.Root()->HitTest({global.x - o.x, global.y - o.y}) : nullptr;
}

Widget* EventRouter::FocusTarget(Widget* hit) {
  for (Widget* w = hit; w; w = w->Parent()) {
    if (w->AcceptsFocus()) return w;
  }
  return nullptr;
}

bool EventRouter::MouseDown(const InputEvent& e, Layer& layer) {
  if (!layer.Bounds().Contains(e.position.x, e.position.y)) {
    if (layer.GetKind() == Layer::Kind::Popup) screen_.DismissPopup(layer);
    return false;
  }
  Widget* hit = Hit(layer, e.position);
  if (!hit) return false;
  if (e.channel == GXA_CHANNEL_LEFT) SetFocus(FocusTarget(hit));
  for (Widget* w = hit; w; w = w->Parent()) {
    if (w->OnMouseDown(e, *this)) return true;
  }
  return false;
}

bool EventRouter::MouseUp(const InputEvent& e) {
  if (swallow_.erase(e.channel)) return true;
  Widget* target = capture_;
  if (!target) return false;
  capture_ = nullptr;
  target->OnMouseUp(e, *this);
  return true;
}

bool EventRouter::MouseMove(const InputEvent& e, Layer& layer) {
  if (capture_) {
    capture_->OnMouseDrag(e, *this);
    return true;
  }
  UpdateHover(layer.Bounds().Contains(e.position.x, e.position.y) ? Hit(layer, e.position) : nullptr, e.position);
  return false;
}

void EventRouter::UpdateHover(Widget* hit, Point global) {
  hover_ = hit;
  CursorInfo info;
  if (hit && hit->IsEnabled()) info = hit->Cursor(global);
  screen_.GetFrontend().SetCursor(info.cursor);
  screen_.GetFrontend().ShowTooltip(info.tooltip, global);
}

bool EventRouter::Wheel(const InputEvent& e, Layer& layer) {
  for (Widget* w = Hit(layer, e.position); w; w = w->Parent()) {
    if (w->OnWheel(e, *this)) return true;
  }
  return false;
}

bool EventRouter::Key(const InputEvent& e, Layer& layer) {
  if (focus_ && focus_->IsInside(layer.Root()) && focus_->OnKey(e, *this)) return true;
  if (e.type != InputEvent::Type::KeyDown) return false;
  if (e.key == GXA_KEY_TAB) {
    CycleFocus(layer, (e.qualifiers & GXA_QUALIFIER_SHIFT) != 0);
    return true;
  }
  return ModalKey(e, layer);
}

bool EventRouter::ModalKey(const InputEvent& e, Layer& layer) {
  if (layer.GetKind() == Layer::Kind::Popup) {
    if (e.key != GXA_KEY_ESC) return false;
    screen_.DismissPopup(layer);
    return true;
  }
  Dialog* dialog = screen_.ModalDialog(layer);
  if (!dialog) return false;
  if (e.key == GXA_KEY_ENTER && dialog->Find(1)) {
    dialog->Action(1);
    return true;
  }
  if (e.key == GXA_KEY_ESC) {
    if (dialog->Find(2)) dialog->Action(2);
    else dialog->RequestClose();
    return true;
  }
  return false;
}

void EventRouter::CycleFocus(Layer& layer, bool backwards) {
  std::vector<Widget*> order;
  std::function<void(Widget&)> collect = [&](Widget& w) {
    if (!w.IsShown()) return;
    if (w.AcceptsFocus()) order.push_back(&w);
    for (size_t i = 0; i < w.ChildCount(); ++i) collect(*w.ChildAt(i));
  };
  if (layer.Root()) collect(*layer.Root());
  if (order.empty()) return;
  auto at = std::find(order.begin(), order.end(), focus_);
  size_t i = 0;
  if (at != order.end()) {
    const size_t n = order.size(), cur = size_t(at - order.begin());
    i = backwards ? (cur + n - 1) % n : (cur + 1) % n;
  } else if (backwards) {
    i = order.size() - 1;
  }
  MoveFocus(order[i], true);
}

void EventRouter::FocusFirstField(Layer& layer) {
  Widget* field = nullptr;
  std::function<void(Widget&)> find = [&](Widget& w) {
    if (field || !w.IsShown()) return;
    if (w.AcceptsFocus() && dynamic_cast<TextField*>(&w)) field = &w;
    for (size_t i = 0; i < w.ChildCount(); ++i) find(*w.ChildAt(i));
  };
  if (layer.Root()) find(*layer.Root());
  if (field) MoveFocus(field, true);
  else CycleFocus(layer, false);
}

bool EventRouter::KeysAnswerDialog() const {
  Layer* layer = screen_.TopLayer();
  if (!layer || !focus_ || !focus_->IsInside(layer->Root())) return false;
  const Dialog* dialog = screen_.ModalDialog(*layer);
  return dialog && dialog->Find(1);
}

void EventRouter::SetFocus(Widget* widget) { MoveFocus(widget, false); }

void EventRouter::MoveFocus(Widget* widget, bool keyboard) {
  if (widget == focus_) return;
  keyboardFocus_ = keyboard;
  Widget* old = focus_;
  focus_ = widget;
  if (old) old->OnFocusChanged(false, *this);
  // The old gadget's commit may have rebuilt the layout and taken widget away.
  if (focus_ == widget && widget) widget->OnFocusChanged(true, *this);
}

void EventRouter::Forget(Widget* widget) {
  if (focus_ == widget) focus_ = nullptr;
  if (capture_ == widget) capture_ = nullptr;
  if (hover_ == widget) hover_ = nullptr;
  std::replace(savedFocus_.begin(), savedFocus_.end(), widget, static_cast<Widget*>(nullptr));
}

void EventRouter::LayerPushed(Layer&) {
  savedFocus_.push_back(focus_);
  SetFocus(nullptr);
  capture_ = nullptr;
}

void EventRouter::LayerPopped(Layer&) {
  if (focus_) SetFocus(nullptr);
  capture_ = nullptr;
  if (savedFocus_.empty()) return;
  Widget* restore = savedFocus_.back();
  savedFocus_.pop_back();
  SetFocus(restore);
}

int32_t EventRouter::RunMenu(const MenuModel& menu, Point global) { return screen_.RunMenu(menu, global); }

std::optional<std::string> EventRouter::AskFile(const std::string& title, const std::string& current) {
  return screen_.AskFile(title, current);
}

}  // namespace host
