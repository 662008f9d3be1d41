#pragma once
// An item about to be stored, seen by the module before it is on disk. The
// host reads swatch data only through the module, and the module reads
// presets only by URL: while one of these lives, the preset family answers
// for its URL with this item's header and data instead of the file's, so
// that the module can read what it is storing while the old item is still
// there to compare it with.
#include "presets/presetitem.h"
#include "presets/preseturl.h"

namespace host {

class StagedItem {
 public:
  // Both must outlive this.
  StagedItem(const PresetUrl& url, const PresetItem& item);
  ~StagedItem();
  StagedItem(const StagedItem&) = delete;
  StagedItem& operator=(const StagedItem&) = delete;

  // The item staged for url, or null.
  static const PresetItem* At(const PresetUrl& url);

 private:
  static const StagedItem*& Current();

  const PresetUrl& url_;
  const PresetItem& item_;
  const StagedItem* outer_;
};

}  // namespace host
