#include "gui/inputfamily.h"

#include "core/handles.h"
#include "gui/gui.h"

namespace host {

bool InputFamily::GetInputState(int32_t device, int32_t channel, GxaContainer* out) {
  if (!out) return false;
  return Gui::Get().GetScreen().Input().Describe(device, channel, *FromHandle(out));
}

bool InputFamily::HotkeyDown(int32_t id) { return Gui::Get().GetScreen().Input().HotkeyDown(id); }

const GxaInputFns* InputFamily::Table() {
  static const GxaInputFns table = {sizeof(GxaInputFns), &GetInputState, &HotkeyDown};
  return &table;
}

}  // namespace host
