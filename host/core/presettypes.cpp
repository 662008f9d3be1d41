#include "core/presettypes.h"

#include <algorithm>
#include <cstring>

#include "core/handles.h"

namespace host {

PresetType::PresetType(int32_t id, std::string name, const GxaPresetTypeCallbacks& callbacks, void* user)
    : id_(id), name_(std::move(name)), user_(user) {
  // A module built against an older header may pass a shorter table.
  callbacks_ = {};
  std::memcpy(&callbacks_, &callbacks, std::min<size_t>(callbacks.size, sizeof callbacks_));
}

PresetType::~PresetType() {
  if (callbacks_.destroy) callbacks_.destroy(user_);
}

Outcome<Done> PresetType::Load(const std::string& url, Container* target) const {
  if (!callbacks_.open || !callbacks_.load || !callbacks_.close)
    return Outcome<Done>::Fail("the preset type " + name_ + " cannot load presets");
  int32_t flags[3] = {0, 0, 0};
  void* preset = callbacks_.open(user_, url.c_str(), flags);
  if (!preset) return Outcome<Done>::Fail("the preset type " + name_ + " could not open " + url);
  const bool loaded = callbacks_.load(user_, preset, target ? ToHandle(target) : nullptr);
  callbacks_.close(user_, preset);
  if (!loaded) return Outcome<Done>::Fail(url + " could not be loaded (see --debug for the module's reason)");
  return Done{};
}

PresetType* PresetTypes::Register(int32_t id, std::string name, const GxaPresetTypeCallbacks& callbacks, void* user) {
  for (const auto& t : types_)
    if (t->Id() == id) return nullptr;
  types_.push_back(std::make_unique<PresetType>(id, std::move(name), callbacks, user));
  return types_.back().get();
}

bool PresetTypes::Complete(const PresetType* type) {
  for (auto& t : types_)
    if (t.get() == type) {
      t->SetComplete();
      return true;
    }
  return false;
}

void PresetTypes::Unregister(const PresetType* type) {
  std::erase_if(types_, [type](const auto& t) { return t.get() == type; });
}

PresetType* PresetTypes::Find(int32_t id) const {
  for (const auto& t : types_)
    if (t->Id() == id && t->Complete()) return t.get();
  return nullptr;
}

}  // namespace host
