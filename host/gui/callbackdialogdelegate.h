#pragma once
// A module's dialog: every operation goes to the module's callback table,
// inside a module call so that events posted meanwhile wait.
#include "gui/dialogdelegate.h"
#include "gxa_api.h"

namespace host {

class CallbackDialogDelegate : public DialogDelegate {
 public:
  // The table is copied up to its own size; missing entries act as defaults.
  CallbackDialogDelegate(const GxaDialogCallbacks* callbacks, void* user);

  bool CreateLayout(Dialog& dialog) override;
  bool InitValues(Dialog& dialog) override;
  bool CoreMessage(Dialog& dialog, int32_t id, const Container& msg) override;
  bool Command(Dialog& dialog, int32_t id, const Container& msg) override;
  bool AskClose(Dialog& dialog) override;
  void Timer(Dialog& dialog, const Container& msg) override;
  void DestroyWindow(Dialog& dialog) override;
  int32_t Message(Dialog& dialog, const Container& msg, Container& result) override;
  void Destroyed(Dialog& dialog) override;
  void* UserPointer() const override { return user_; }

 private:
  GxaDialogCallbacks callbacks_{};
  void* user_;
};

}  // namespace host
