#include "platform/desktop.h"

#include "core/modulecall.h"

namespace host {

bool DesktopWindow::Deliver(DesktopWindow* window, const GxaWindowMessage& msg) {
  const GxaWindowProc proc = window->class_.proc;
  if (!proc) return false;
  ModuleCall call;
  return proc(reinterpret_cast<GxaPickerWindow*>(window), &msg);
}

}  // namespace host
