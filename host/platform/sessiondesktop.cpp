#include "platform/sessiondesktop.h"

#include <cstdlib>
#include <string>

#include "platform/portaldesktop.h"
#include "platform/x11desktop.h"

namespace host {

namespace {
std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}
}  // namespace

bool SessionDesktop::IsWayland() { return !Env("WAYLAND_DISPLAY").empty() || Env("XDG_SESSION_TYPE") == "wayland"; }

std::unique_ptr<Desktop> SessionDesktop::Choose() {
  if (IsWayland()) return std::make_unique<PortalDesktop>();
  if (!Env("DISPLAY").empty()) return std::make_unique<X11Desktop>();
  return nullptr;
}

}  // namespace host
