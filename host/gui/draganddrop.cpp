#include "gui/draganddrop.h"

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "gui/dialog.h"
#include "gui/dragimage.h"
#include "gui/layer.h"
#include "gui/screen.h"
#include "gui/userarea.h"
#include "gui/userareawidget.h"
#include "gxa_api.h"

namespace host {

namespace {
constexpr int kImageOffset = 12;
}  // namespace

Layer* DragAndDrop::TargetLayer() const {
  const std::vector<Layer*> layers = screen_.Layers();
  for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
    if (*it != image_) return *it;
  }
  return nullptr;
}

void DragAndDrop::ShowImage(Point global) {
  std::vector<std::array<double, 4>> colors = DragImage::ColorsOf(type_, data_);
  if (colors.empty()) return;
  image_ =
      &screen_.PushLayer(std::make_unique<Layer>(Layer::Kind::Popup, std::make_unique<DragImage>(std::move(colors))));
  image_->Relayout();
  MoveImage(global);
}

void DragAndDrop::MoveImage(Point global) {
  // Below and to the right of the pointer, clear of the cursor.
  if (image_) image_->SetOrigin({global.x + kImageOffset, global.y + kImageOffset});
}

void DragAndDrop::HideImage() {
  if (image_) screen_.PopLayer(*image_);
  image_ = nullptr;
}

Widget* DragAndDrop::TargetAt(Point global) const {
  Layer* layer = TargetLayer();
  if (!layer || !layer->Root() || !layer->Bounds().Contains(global.x, global.y)) return nullptr;
  const Point o = layer->Origin();
  for (Widget* w = layer->Root()->HitTest({global.x - o.x, global.y - o.y}); w; w = w->Parent()) {
    if (w->OwnerDialog() && (w->Id() != 0 || dynamic_cast<UserAreaWidget*>(w))) return w;
  }
  return nullptr;
}

int32_t DragAndDrop::Send(Widget& target, Point global, Phase phase) {
  Container msg(GXA_MSG_DRAG_RECEIVE);
  msg.SetInt32(GXA_DRAG_ENTRY_FINISHED, phase == kDrop ? 1 : 0);
  if (phase == kEscape) msg.SetInt32(GXA_DRAG_ENTRY_ESCAPED, 1);
  if (phase == kLost) msg.SetInt32(GXA_DRAG_ENTRY_LOST, 1);
  msg.SetInt32(GXA_DRAG_ENTRY_TYPE, type_);
  msg.Set(GXA_DRAG_ENTRY_OBJECT, data_);
  msg.SetInt32(GXA_DRAG_ENTRY_GADGET, target.Id());
  const Point local = target.LocalPoint(global);
  msg.SetInt32(GXA_DRAG_ENTRY_X, local.x);
  msg.SetInt32(GXA_DRAG_ENTRY_Y, local.y);
  Container result;
  if (auto* uaw = dynamic_cast<UserAreaWidget*>(&target); uaw && uaw->Area()) return uaw->Area()->Message(msg, result);
  Dialog* dialog = target.OwnerDialog();
  return dialog ? dialog->Message(msg, result) : 0;
}

bool DragAndDrop::IsShown(const Widget* w) const {
  Layer* layer = TargetLayer();
  if (!layer || !layer->Root()) return false;
  std::function<bool(Widget&)> find = [&](Widget& node) {
    if (&node == w) return true;
    for (size_t i = 0; i < node.ChildCount(); ++i) {
      if (find(*node.ChildAt(i))) return true;
    }
    return false;
  };
  return find(*layer->Root());
}

void DragAndDrop::Hover(Point global) {
  Widget* now = TargetAt(global);
  // A hover message may have rebuilt the layout under the last target.
  if (target_ && !IsShown(target_)) target_ = nullptr;
  if (target_ && target_ != now) Send(*target_, global, kLost);
  target_ = now;
  int32_t cursor = GXA_CURSOR_FORBIDDEN;
  if (target_) {
    Dialog* dialog = target_->OwnerDialog();
    if (dialog) dialog->SetDragDestinationCursor(GXA_CURSOR_ARROW);
    if (Send(*target_, global, kHover) != 0) cursor = GXA_CURSOR_DRAG_COPY;
    if (dialog && dialog->DragDestinationCursor() != GXA_CURSOR_ARROW) cursor = dialog->DragDestinationCursor();
  }
  screen_.GetFrontend().SetCursor(cursor);
}

bool DragAndDrop::WaitForStart(Point& at) {
  const Point start = screen_.Input().Position();
  for (;;) {
    InputEvent e;
    const Frontend::Poll poll = screen_.PollNested(e);
    if (poll == Frontend::Poll::Exhausted) return false;
    if (poll == Frontend::Poll::Idle) continue;
    if (e.type == InputEvent::Type::MouseUp) return false;
    if (e.type == InputEvent::Type::KeyDown && e.key == GXA_KEY_ESC) return false;
    if (e.type != InputEvent::Type::MouseMove) continue;
    if (std::abs(e.position.x - start.x) + std::abs(e.position.y - start.y) >= kStartDistance) {
      at = e.position;
      return true;
    }
  }
}

bool DragAndDrop::Run(int32_t type, const Value& data) {
  type_ = type;
  data_ = data;
  // A drag starts from a press; without a button held there is nothing to drag.
  if (!screen_.Input().AnyButtonDown()) return false;
  Point at = screen_.Input().Position();
  if (!WaitForStart(at)) return false;
  ShowImage(at);
  Hover(at);
  bool dropped = false;
  for (bool running = true; running;) {
    InputEvent e;
    const Frontend::Poll poll = screen_.PollNested(e);
    if (poll == Frontend::Poll::Idle) continue;
    const bool escape =
        poll == Frontend::Poll::Event && ((e.type == InputEvent::Type::KeyDown && e.key == GXA_KEY_ESC) ||
                                          (e.type == InputEvent::Type::MouseDown && e.channel == GXA_CHANNEL_RIGHT));
    if (escape) {
      if (target_ && IsShown(target_)) Send(*target_, at, kEscape);
      HideImage();
      screen_.GetFrontend().SetCursor(GXA_CURSOR_ARROW);
      return false;
    }
    if (poll == Frontend::Poll::Event && e.type == InputEvent::Type::MouseMove) {
      at = e.position;
      MoveImage(at);
      Hover(at);
      continue;
    }
    if (poll == Frontend::Poll::Exhausted || e.type == InputEvent::Type::MouseUp) running = false;
  }
  HideImage();
  if (target_ && IsShown(target_)) dropped = Send(*target_, at, kDrop) != 0;
  screen_.GetFrontend().SetCursor(GXA_CURSOR_ARROW);
  return dropped;
}

bool DragAndDrop::DropFiles(const InputEvent& e) {
  type_ = GXA_DRAGTYPE_FILES;
  target_ = TargetAt(e.position);
  if (!target_) return false;
  bool taken = false;
  for (const std::string& path : e.files) {
    data_ = Value::String(path);
    Widget* target = TargetAt(e.position);
    if (target) taken = Send(*target, e.position, kDrop) != 0 || taken;
  }
  return taken;
}

}  // namespace host
