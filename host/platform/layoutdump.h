#pragma once
// Where everything is on the screen, as JSON, for tools that drive the
// window from outside (the window test clicks gadgets it finds here):
//
//   {"scale": 1, "window": {"w": W, "h": H}, "modal": TITLE or null,
//    "gadgets": [
//   {"owner": OWNER, "id": ID, "kind": KIND, "frame": [x, y, w, h], "text": ...},
//   ...]}
//
// one gadget a line. OWNER is a parameter's key (the gadgets of its
// chooser and the chooser's panels), "window" (the gadgets around the
// page), "popup" (the entries of an open menu, with their texts) or
// "modal" (an open dialog). Frames are the visible parts of the gadgets in
// logical window pixels.
#include <string>

namespace host {

class AttributePage;
class Dialog;
class Screen;

class LayoutDump {
 public:
  static std::string Json(Screen& screen, const AttributePage& page, Dialog& window);
};

}  // namespace host
