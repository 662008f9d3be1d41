#pragma once
// The module's string resources: found beside the module (or in the host's
// own resource tree when the module is installed inside the host), opened
// once through the host, and released at the end.
#include <cstdint>

#include "filename.h"
#include "gxastring.h"

class ModuleResource
{
public:
  // "res" beside the module, or host/resource/modules/<module folder> when
  // the host says the module lies inside its installation folder.
  static Filename FindFolder(const Filename& modulePath);
  // Opens the strings in folder unless they are open already.
  static bool Open(const Filename& folder);
  static bool IsOpen();
  // Frees the strings and forgets their folder; does nothing when none are open.
  static void Release();
  // String id; empty when it is missing or nothing is open.
  static String LoadString(std::int32_t id);
  // String id with its "@" replaced by text.
  static String LoadString(std::int32_t id, const String& text);
};
