#pragma once
// Which desktop the screen picker uses in the session the host runs in.
// A Wayland session gets the desktop portal even when XWayland lets X11
// connect, because other programs' windows read as black through it.
#include <memory>

#include "platform/desktop.h"

namespace host {

class SessionDesktop {
 public:
  // Null when there is no desktop at all.
  static std::unique_ptr<Desktop> Choose();
  static bool IsWayland();
};

}  // namespace host
