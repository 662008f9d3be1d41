#include "presets/deferreddelete.h"

#include <cstdlib>

namespace host {

std::optional<DeferredDelete::Waiting>& DeferredDelete::Slot() {
  static std::optional<Waiting> waiting;
  static const bool at_exit = std::atexit(&DeferredDelete::Flush) == 0;
  (void)at_exit;
  return waiting;
}

void DeferredDelete::Hold(const PresetLibrary& library, const PresetUrl& item) {
  Flush();
  Slot() = Waiting{library.Root(), item};
}

bool DeferredDelete::Take(const PresetLibrary& library, const PresetUrl& item) {
  auto& waiting = Slot();
  if (!waiting || waiting->root != library.Root() || !(waiting->item == item)) return false;
  waiting.reset();
  return true;
}

void DeferredDelete::Flush() {
  auto& waiting = Slot();
  if (!waiting) return;
  const Waiting done = *waiting;
  waiting.reset();
  PresetLibrary(done.root).Remove(done.item);
}

}  // namespace host
