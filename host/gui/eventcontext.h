#pragma once
// What a widget may ask of the host while it handles input.
#include <cstdint>
#include <optional>
#include <string>

#include "gui/guitypes.h"

namespace host {

class MenuModel;
class Widget;

class EventContext {
 public:
  virtual ~EventContext() = default;

  // Further moves and the release go to widget until ReleaseMouse.
  virtual void CaptureMouse(Widget& widget) = 0;
  virtual void ReleaseMouse() = 0;
  virtual void SetFocus(Widget* widget) = 0;
  virtual Widget* Focus() const = 0;
  // The focus came from the keyboard (Tab), so the gadget must show it.
  virtual bool FocusFromKeyboard() const { return false; }
  // The focus lies in a modal dialog with a default button: Return and
  // Escape answer the dialog rather than the gadget.
  virtual bool KeysAnswerDialog() const { return false; }
  // Shows a popup menu at a global point and waits: the chosen ID, 0 for none.
  virtual int32_t RunMenu(const MenuModel& menu, Point global) = 0;
  // Asks for a file path; nothing when the user cancels.
  virtual std::optional<std::string> AskFile(const std::string& title, const std::string& current) = 0;
};

}  // namespace host
