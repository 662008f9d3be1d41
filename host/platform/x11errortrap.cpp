#include "platform/x11errortrap.h"

namespace host {

namespace {
X11ErrorTrap* g_trap = nullptr;
}

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display), outer_(g_trap) {
  // Errors of earlier requests are not ours to catch.
  XSync(display_, False);
  previous_ = XSetErrorHandler(&X11ErrorTrap::Handle);
  g_trap = this;
}

X11ErrorTrap::~X11ErrorTrap() {
  XSync(display_, False);
  g_trap = outer_;
  XSetErrorHandler(previous_);
}

bool X11ErrorTrap::Ok() {
  XSync(display_, False);
  return !failed_;
}

int X11ErrorTrap::Handle(Display* display, XErrorEvent* error) {
  for (X11ErrorTrap* t = g_trap; t; t = t->outer_) {
    if (t->display_ == display) {
      t->failed_ = true;
      return 0;
    }
  }
  X11ErrorTrap* outermost = g_trap;
  while (outermost && outermost->outer_) outermost = outermost->outer_;
  return outermost && outermost->previous_ ? outermost->previous_(display, error) : 0;
}

}  // namespace host
