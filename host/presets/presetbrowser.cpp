#include "presets/presetbrowser.h"

#include <algorithm>

namespace host {

void PresetBrowser::Refresh() {
  PresetListing all = library_.ListAll();
  items_.clear();
  for (auto& e : all.items) {
    if (e.header.kind == kPresetItemKind && e.header.type == type_) items_.push_back(std::move(e));
  }
  problems_ = std::move(all.problems);
  thumbnails_.clear();
}

std::vector<std::string> PresetBrowser::Names() const {
  std::vector<std::string> names;
  for (const auto& e : items_) names.push_back(e.url.Name());
  return names;
}

int PresetBrowser::IndexOf(const PresetUrl& url) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].url == url) return int(i);
  }
  return -1;
}

const Bitmap* PresetBrowser::Thumbnail(size_t index, int pixels) {
  if (index >= items_.size() || items_[index].header.thumbnail_width <= 0) return nullptr;
  const PresetUrl& url = items_[index].url;
  auto [it, added] = thumbnails_.try_emplace({url.Text(), pixels});
  if (added) {
    auto item = library_.Read(url);
    if (!item) {
      problems_.push_back(item.Error());
      return nullptr;
    }
    const PresetThumbnail& t = item->thumbnail;
    Bitmap full(t.width, t.height, 24);
    for (int y = 0; y < t.height; ++y) {
      std::copy_n(t.rgb.data() + size_t(y) * size_t(t.width) * 3, size_t(t.width) * 3, full.Row(y));
    }
    it->second.Init(pixels, pixels, 24);
    full.ScaleTo(it->second, ScaleFilter::Smooth);
  }
  return it->second.IsEmpty() ? nullptr : &it->second;
}

Outcome<Done> PresetBrowser::Rename(size_t index, const std::string& name) {
  if (index >= items_.size()) return Outcome<Done>::Fail("no preset is selected");
  auto renamed = library_.Rename(items_[index].url, name);
  if (renamed) Refresh();
  return renamed;
}

Outcome<Done> PresetBrowser::Remove(size_t index) {
  if (index >= items_.size()) return Outcome<Done>::Fail("no preset is selected");
  auto removed = library_.Remove(items_[index].url);
  if (removed) Refresh();
  return removed;
}

}  // namespace host
