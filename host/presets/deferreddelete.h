#pragma once
// A module replaces a preset by deleting it and then storing the new one.
// Carried out as asked, a full disk or a kill between the two would lose the
// preset; so a module's delete waits. The store that follows replaces the
// item in one rename, and any other call first carries the delete out, so
// the module never sees the difference. A delete still waiting when the
// process ends is carried out then; after a kill the old item is still there.
#include <filesystem>
#include <optional>

#include "presets/presetlibrary.h"

namespace host {

class DeferredDelete {
 public:
  // Carries out any delete waiting, then holds this one.
  static void Hold(const PresetLibrary& library, const PresetUrl& item);
  // Whether item's delete was the one waiting; it no longer waits.
  static bool Take(const PresetLibrary& library, const PresetUrl& item);
  // Carries out the delete waiting, if any.
  static void Flush();

 private:
  struct Waiting {
    std::filesystem::path root;
    PresetUrl item;
  };
  static std::optional<Waiting>& Slot();
};

}  // namespace host
