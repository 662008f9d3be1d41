#pragma once
// What the preset browser window shows and changes, apart from its gadgets:
// the presets of one type across every library, their thumbnails (read on
// first need, scaled once and kept), renaming and deleting. Kept apart from
// the window so that it can be driven and checked without one.
#include <map>
#include <string>
#include <vector>

#include "presets/presetlibrary.h"
#include "raster/bitmap.h"

namespace host {

class PresetBrowser {
 public:
  PresetBrowser(PresetLibrary& library, int32_t type) : library_(library), type_(type) {}

  // Lists the library again; damaged items land in Problems().
  void Refresh();
  const std::vector<PresetEntry>& Items() const { return items_; }
  const std::vector<std::string>& Problems() const { return problems_; }
  std::vector<std::string> Names() const;
  // The index of the item at url, -1 when it is not listed.
  int IndexOf(const PresetUrl& url) const;

  // The item's thumbnail scaled to pixels a side; null when it has none or
  // cannot be read (the reason then goes to Problems()).
  const Bitmap* Thumbnail(size_t index, int pixels);

  Outcome<Done> Rename(size_t index, const std::string& name);
  Outcome<Done> Remove(size_t index);
  bool IsReadOnly(size_t index) const { return index < items_.size() && library_.IsReadOnly(items_[index].url); }

 private:
  PresetLibrary& library_;
  int32_t type_;
  std::vector<PresetEntry> items_;
  std::vector<std::string> problems_;
  // By URL text and size; an empty bitmap marks one that could not be read.
  std::map<std::pair<std::string, int>, Bitmap> thumbnails_;
};

}  // namespace host
