#pragma once
// Catches the X errors of one display while it lives, so that a request
// that fails (a pixel read off the root window, a window of a monitor that
// was unplugged) answers false instead of ending the program through Xlib's
// default handler. Errors of other displays go to the handler that was there.
#include <X11/Xlib.h>

namespace host {

class X11ErrorTrap {
 public:
  explicit X11ErrorTrap(Display* display);
  ~X11ErrorTrap();
  X11ErrorTrap(const X11ErrorTrap&) = delete;
  X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

  // Waits for the server to answer every request so far; true when none failed.
  bool Ok();

 private:
  static int Handle(Display* display, XErrorEvent* error);

  Display* display_;
  XErrorHandler previous_;
  X11ErrorTrap* outer_;
  bool failed_ = false;
};

}  // namespace host
