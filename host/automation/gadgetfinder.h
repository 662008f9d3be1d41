#pragma once
// Finds a gadget by ID in a dialog and in every dialog embedded in it (a
// chooser's panels are sub-dialogs of the chooser), the dialog's own
// gadgets first.
#include <cstdint>

namespace host {

class Dialog;
class Widget;

class GadgetFinder {
 public:
  static Widget* Find(Dialog& dialog, int32_t id);
};

}  // namespace host
