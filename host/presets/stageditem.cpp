#include "presets/stageditem.h"

namespace host {

const StagedItem*& StagedItem::Current() {
  static const StagedItem* current = nullptr;
  return current;
}

StagedItem::StagedItem(const PresetUrl& url, const PresetItem& item) : url_(url), item_(item), outer_(Current()) {
  Current() = this;
}

StagedItem::~StagedItem() { Current() = outer_; }

const PresetItem* StagedItem::At(const PresetUrl& url) {
  for (const StagedItem* s = Current(); s; s = s->outer_) {
    if (s->url_ == url) return &s->item_;
  }
  return nullptr;
}

}  // namespace host
