#pragma once
// Puts the GUI's interface families (dialogs, user areas, input, bitmaps)
// into a host's table and sends the host's broadcast events to every dialog
// on the screen (CoreMessage with 'Mci1' and 'Mci2'). Once per host, before
// the module is loaded.
namespace host {

class Host;

class GuiFamilies {
 public:
  static void Install(Host& host);
};

}  // namespace host
