#include "gui/userarea.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "core/handles.h"
#include "core/modulecall.h"
#include "gui/dialog.h"
#include "gui/gui.h"
#include "gui/inputmessage.h"
#include "gui/screen.h"
#include "gui/userareawidget.h"

namespace host {

namespace {

std::unordered_set<const UserArea*>& Live() {
  static std::unordered_set<const UserArea*> live;
  return live;
}

}  // namespace

UserArea::UserArea(const GxaUserAreaCallbacks* callbacks, void* user) : user_(user) {
  if (callbacks) {
    const size_t n = std::min<size_t>(callbacks->size, sizeof(callbacks_));
    std::memcpy(&callbacks_, callbacks, n);
    callbacks_.size = uint32_t(n);
  }
  Live().insert(this);
}

UserArea::~UserArea() {
  Live().erase(this);
  if (Gui::Exists() && Gui::Get().HasScreen()) Gui::Get().GetScreen().ForgetArea(*this);
  if (widget_) widget_->AreaGone();
}

UserArea* UserArea::FromHandle(GxaUserArea* handle) {
  auto* ua = reinterpret_cast<UserArea*>(handle);
  return handle && Live().count(ua) ? ua : nullptr;
}

Dialog* UserArea::OwnerDialog() const { return widget_ ? widget_->OwnerDialog() : nullptr; }

int32_t UserArea::GadgetId() const { return widget_ ? widget_->Id() : 0; }

bool UserArea::IsEnabled() const { return widget_ && widget_->IsEnabled(); }

Size UserArea::CurrentSize() const {
  if (!widget_) return {};
  return {widget_->Frame().w, widget_->Frame().h};
}

#define GXA_UA_HAS(entry) (GXA_HAS(&callbacks_, entry) && callbacks_.entry)

void UserArea::Init() {
  ModuleCall call;
  if (GXA_UA_HAS(init)) callbacks_.init(user_);
  if (GXA_UA_HAS(init_values)) callbacks_.init_values(user_);
}

std::optional<Size> UserArea::MinSize() {
  if (!GXA_UA_HAS(get_min_size)) return std::nullopt;
  ModuleCall call;
  int32_t w = 0, h = 0;
  if (!callbacks_.get_min_size(user_, &w, &h)) return std::nullopt;
  return Size{std::max(0, w), std::max(0, h)};
}

void UserArea::Sized(Size size) {
  if (!GXA_UA_HAS(sized)) return;
  ModuleCall call;
  callbacks_.sized(user_, size.w, size.h);
}

void UserArea::Draw(const Rect& clip, int32_t reason) {
  ModuleCall call;
  const int x2 = clip.Right() - 1, y2 = clip.Bottom() - 1;
  if (GXA_UA_HAS(draw_msg)) {
    const Container msg = InputMessage::DrawMessage(reason);
    callbacks_.draw_msg(user_, clip.x, clip.y, x2, y2, ToHandle(&msg));
  } else if (GXA_UA_HAS(draw)) {
    callbacks_.draw(user_, clip.x, clip.y, x2, y2);
  }
}

bool UserArea::Input(const Container& msg) {
  if (!GXA_UA_HAS(input_event)) return false;
  ModuleCall call;
  return callbacks_.input_event(user_, ToHandle(&msg));
}

int32_t UserArea::Message(const Container& msg, Container& result) {
  if (!GXA_UA_HAS(message)) return DefaultMessage(msg, result);
  ModuleCall call;
  return callbacks_.message(user_, ToHandle(&msg), ToHandle(&result));
}

bool UserArea::CoreMessage(int32_t id, const Container& msg) {
  if (!GXA_UA_HAS(core_message)) return true;
  ModuleCall call;
  return callbacks_.core_message(user_, id, ToHandle(&msg));
}

void UserArea::Destroyed() {
  if (!GXA_UA_HAS(destroyed)) return;
  ModuleCall call;
  callbacks_.destroyed(user_);
}

#undef GXA_UA_HAS

int32_t UserArea::DefaultMessage(const Container& msg, Container& result) {
  if (msg.Id() != GXA_MSG_DRAG_RECEIVE) return 0;
  Dialog* dialog = OwnerDialog();
  return dialog ? dialog->Message(msg, result) : 0;
}

bool UserArea::BeginOffscreen() {
  if (drawing_.IsActive()) return true;
  if (!widget_ || !Gui::Exists() || !Gui::Get().HasScreen()) return false;
  direct_ = Gui::Get().GetScreen().CanvasFor(*widget_);
  if (!direct_) return false;
  drawing_.Begin(*direct_);
  return true;
}

void UserArea::EndOffscreen() {
  if (!direct_) return;
  drawing_.End();
  direct_.reset();
  Gui::Get().GetScreen().Render();
}

void UserArea::StartMouseDrag(int32_t channel, Point localStart) {
  Point global = localStart;
  if (widget_) {
    const Rect g = widget_->GlobalFrame();
    global = {g.x + localStart.x, g.y + localStart.y};
  }
  drag_ = std::make_unique<MouseDragLoop>(Gui::Get().GetScreen(), channel, global);
}

int32_t UserArea::EndMouseDrag() {
  if (!drag_) return GXA_MOUSEDRAG_FINISHED;
  const int32_t answer = drag_->End();
  drag_.reset();
  return answer;
}

}  // namespace host
