#include "gui/callbackdialogdelegate.h"

#include <algorithm>
#include <cstring>

#include "core/handles.h"
#include "core/modulecall.h"
#include "gui/dialog.h"

namespace host {

int32_t DialogDelegate::Message(Dialog& dialog, const Container& msg, Container& result) {
  return dialog.DefaultMessage(msg, result);
}

CallbackDialogDelegate::CallbackDialogDelegate(const GxaDialogCallbacks* callbacks, void* user) : user_(user) {
  if (!callbacks) return;
  const size_t n = std::min<size_t>(callbacks->size, sizeof(callbacks_));
  std::memcpy(&callbacks_, callbacks, n);
  callbacks_.size = uint32_t(n);
}

bool CallbackDialogDelegate::CreateLayout(Dialog&) {
  if (!GXA_HAS(&callbacks_, create_layout) || !callbacks_.create_layout) return true;
  ModuleCall call;
  return callbacks_.create_layout(user_);
}

bool CallbackDialogDelegate::InitValues(Dialog&) {
  if (!GXA_HAS(&callbacks_, init_values) || !callbacks_.init_values) return true;
  ModuleCall call;
  return callbacks_.init_values(user_);
}

bool CallbackDialogDelegate::CoreMessage(Dialog&, int32_t id, const Container& msg) {
  if (!GXA_HAS(&callbacks_, core_message) || !callbacks_.core_message) return true;
  ModuleCall call;
  return callbacks_.core_message(user_, id, ToHandle(&msg));
}

bool CallbackDialogDelegate::Command(Dialog&, int32_t id, const Container& msg) {
  if (!GXA_HAS(&callbacks_, command) || !callbacks_.command) return true;
  ModuleCall call;
  return callbacks_.command(user_, id, ToHandle(&msg));
}

bool CallbackDialogDelegate::AskClose(Dialog&) {
  if (!GXA_HAS(&callbacks_, ask_close) || !callbacks_.ask_close) return false;
  ModuleCall call;
  return callbacks_.ask_close(user_);
}

void CallbackDialogDelegate::Timer(Dialog&, const Container& msg) {
  if (!GXA_HAS(&callbacks_, timer) || !callbacks_.timer) return;
  ModuleCall call;
  callbacks_.timer(user_, ToHandle(&msg));
}

void CallbackDialogDelegate::DestroyWindow(Dialog&) {
  if (!GXA_HAS(&callbacks_, destroy_window) || !callbacks_.destroy_window) return;
  ModuleCall call;
  callbacks_.destroy_window(user_);
}

int32_t CallbackDialogDelegate::Message(Dialog& dialog, const Container& msg, Container& result) {
  if (!GXA_HAS(&callbacks_, message) || !callbacks_.message) return dialog.DefaultMessage(msg, result);
  ModuleCall call;
  return callbacks_.message(user_, ToHandle(&msg), ToHandle(&result));
}

void CallbackDialogDelegate::Destroyed(Dialog&) {
  if (!GXA_HAS(&callbacks_, destroyed) || !callbacks_.destroyed) return;
  ModuleCall call;
  callbacks_.destroyed(user_);
}

}  // namespace host
