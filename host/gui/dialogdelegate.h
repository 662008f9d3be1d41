#pragma once
// The code behind a dialog: the module's callback table, or a host dialog
// written in C++. Every operation has a default, so a host dialog overrides
// only what it needs.
#include <cstdint>

#include "core/container.h"

namespace host {

class Dialog;

class DialogDelegate {
 public:
  virtual ~DialogDelegate() = default;

  virtual bool CreateLayout(Dialog&) { return true; }
  virtual bool InitValues(Dialog&) { return true; }
  virtual bool CoreMessage(Dialog&, int32_t /*id*/, const Container& /*msg*/) { return true; }
  virtual bool Command(Dialog&, int32_t /*id*/, const Container& /*msg*/) { return true; }
  // True keeps the dialog open when the user asks to close it.
  virtual bool AskClose(Dialog&) { return false; }
  virtual void Timer(Dialog&, const Container&) {}
  virtual void DestroyWindow(Dialog&) {}
  // Non-zero when handled. The default handling is Dialog::DefaultMessage.
  virtual int32_t Message(Dialog& dialog, const Container& msg, Container& result);
  // The host tears the dialog down on its own; the delegate must not use it again.
  virtual void Destroyed(Dialog&) {}
  // What dialogs->user_of answers.
  virtual void* UserPointer() const { return nullptr; }
};

}  // namespace host
