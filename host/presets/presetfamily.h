#pragma once
// The preset browser as modules see it (GxaPresetFns, also published by the
// host as library 1017645): items of the on-disk preset library by URL and
// the registration of preset types. Install once per host.
#include <string>

#include "core/outcome.h"

namespace host {

class Host;

class PresetFamily {
 public:
  static void Install(Host& host);
  // Applies the preset at url through its registered type (for swatches: into
  // the active document and the preferences). The caller saves them after.
  static Outcome<Done> Apply(Host& host, const std::string& url);
  // Why the library last refused a module's store (a read-only library, a
  // full disk, a name too long), empty when it did not; asking clears it.
  // A module learns only that its store failed; the host tells the user why.
  static std::string TakeRefusal();
  static void NoteRefusal(const std::string& why) { Refusal() = why; }
  // What a store the module asked for did that the user should know: a
  // host warning, and the window's status line or a run's transcript.
  static void Tell(const std::string& text);

 private:
  static std::string& Refusal();
};

}  // namespace host
