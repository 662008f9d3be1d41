#include "gui/dialog.h"

#include <unordered_set>

#include "gui/gui.h"
#include "gui/layer.h"
#include "gui/subdialogwidget.h"
#include "gui/userarea.h"
#include "gui/userareawidget.h"

namespace host {

namespace {

std::unordered_set<const Dialog*>& Live() {
  static std::unordered_set<const Dialog*> live;
  return live;
}

}  // namespace

Dialog::Dialog(std::unique_ptr<DialogDelegate> delegate)
    : delegate_(delegate ? std::move(delegate) : std::make_unique<DialogDelegate>()),
      root_(std::make_unique<Group>(0, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT, 1, 0)),
      builder_(*this) {
  root_->SetOwnerDialog(this);
  builder_.Reset(*root_);
  Live().insert(this);
}

Dialog::~Dialog() {
  Live().erase(this);
  // Its window goes without a word to the delegate, which is going too.
  closeHandler_ = nullptr;
  if (Gui::Exists() && Gui::Get().HasScreen()) Gui::Get().GetScreen().ForgetDialog(*this);
  if (host_) host_->DialogGone();
  // Embedded dialogs lose their place here, and custom GUIs are freed.
  root_->TakeChildren();
  root_.reset();
}

Dialog* Dialog::FromHandle(GxaDialog* handle) {
  auto* d = reinterpret_cast<Dialog*>(handle);
  return handle && Live().count(d) ? d : nullptr;
}

Widget* Dialog::FindIn(Widget& w, int32_t id) const {
  if (w.OwnerDialog() != this) return nullptr;
  if (w.Id() == id) return &w;
  for (size_t i = 0; i < w.ChildCount(); ++i) {
    if (Widget* hit = FindIn(*w.ChildAt(i), id)) return hit;
  }
  return nullptr;
}

Widget* Dialog::Find(int32_t id) const { return id == 0 ? nullptr : FindIn(*root_, id); }

std::vector<GxaUserArea*> Dialog::UserAreas() const {
  std::vector<GxaUserArea*> out;
  std::function<void(Widget&)> walk = [&](Widget& w) {
    if (w.OwnerDialog() != this) return;
    if (auto* slot = dynamic_cast<UserAreaWidget*>(&w); slot && slot->Area()) out.push_back(slot->Area()->Handle());
    for (size_t i = 0; i < w.ChildCount(); ++i) walk(*w.ChildAt(i));
  };
  walk(*root_);
  return out;
}

void Dialog::ForEachEmbedded(const std::function<void(Dialog&)>& visit) {
  std::function<void(Widget&)> walk = [&](Widget& w) {
    if (auto* sub = dynamic_cast<SubDialogWidget*>(&w); sub && sub->Embedded()) {
      visit(*sub->Embedded());
      sub->Embedded()->ForEachEmbedded(visit);
      return;
    }
    for (size_t i = 0; i < w.ChildCount(); ++i) walk(*w.ChildAt(i));
  };
  walk(*root_);
}

Dialog* Dialog::ParentDialog() const { return host_ ? host_->OwnerDialog() : nullptr; }

int32_t Dialog::GadgetId() const { return host_ ? host_->Id() : 0; }

bool Dialog::BuildLayout() {
  root_->TakeChildren();
  builder_.Reset(*root_);
  const bool ok = delegate_->CreateLayout(*this);
  builder_.Reset(*root_);
  if (Layer* layer = root_->OwnerLayer()) layer->RequestLayout();
  return ok;
}

bool Dialog::InitValues() { return delegate_->InitValues(*this); }

void Dialog::Close() {
  if (closeHandler_) {
    auto handler = std::move(closeHandler_);
    closeHandler_ = nullptr;
    handler();
  }
}

bool Dialog::RequestClose() {
  if (delegate_->AskClose(*this)) return false;
  Close();
  return true;
}

int32_t Dialog::Message(const Container& msg, Container& result) { return delegate_->Message(*this, msg, result); }

int32_t Dialog::DefaultMessage(const Container& msg, Container& result) {
  (void)result;
  switch (msg.Id()) {
    case GXA_MSG_ACTION: return Command(msg.GetInt32(GXA_MSG_ID), msg) ? 1 : 0;
    case GXA_MSG_LAYOUT_CHANGED:
      // Passed up from an embedded dialog: the layer is laid out already.
      if (announcing_ > 0) {
        AnnounceLayout();
        return 1;
      }
      return LayoutChanged(0) ? 1 : 0;
    default: return 0;
  }
}

bool Dialog::Command(int32_t id, const Container& msg) { return delegate_->Command(*this, id, msg); }

bool Dialog::CoreMessage(int32_t id, const Container& msg) { return delegate_->CoreMessage(*this, id, msg); }

bool Dialog::SendParentMessage(const Container& msg) {
  Dialog* parent = ParentDialog();
  if (!parent) return false;
  Container result;
  parent->Message(msg, result);
  return true;
}

void Dialog::Action(int32_t id, const std::optional<Value>& value, std::optional<bool> dragging, bool enterCommit) {
  Container msg(GXA_MSG_ACTION);
  msg.SetInt32(GXA_MSG_ID, id);
  if (value) msg.Set(GXA_MSG_VALUE, *value);
  if (dragging) msg.SetInt32(GXA_MSG_DRAG, *dragging ? 1 : 0);
  if (enterCommit) msg.SetInt32(GXA_MSG_EDIT_STARTED, 1);
  Container result;
  Message(msg, result);
}

bool Dialog::FlushGroup(int32_t id) {
  Widget* w = Find(id);
  Group* group = w ? w->AsGroup() : nullptr;
  if (!group) return false;
  group->TakeChildren();
  builder_.Reset(*group);
  return true;
}

bool Dialog::LayoutChanged(int32_t id) {
  if (id != 0 && !Find(id)) return false;
  builder_.Reset(*root_);
  if (Layer* layer = root_->OwnerLayer()) layer->Relayout();
  AnnounceLayout();
  return true;
}

int Dialog::announcing_ = 0;

void Dialog::AnnounceLayout() {
  Dialog* parent = ParentDialog();
  if (!parent) return;
  Container msg(GXA_MSG_LAYOUT_CHANGED);
  msg.SetInt32(GXA_MSG_LAYOUT_CHANGED, 1);
  Container result;
  ++announcing_;
  parent->Message(msg, result);
  --announcing_;
}

}  // namespace host
