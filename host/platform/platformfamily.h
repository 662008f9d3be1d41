#pragma once
// The platform family of the host table: the screen picker's desktop
// services, answered by whichever Desktop the host uses. Without one the
// family says there is nothing to pick from.
#include <memory>

#include "gxa_api.h"
#include "platform/desktop.h"

namespace host {

class PlatformFamily {
 public:
  static const GxaPlatformFns* Table();
  // Replaces the desktop; the old one's windows go with it.
  static void Use(std::unique_ptr<Desktop> desktop);
  static Desktop* Current();
  // The registered class of that name, or null.
  static const WindowClass* FindClass(const std::string& name);
};

}  // namespace host
