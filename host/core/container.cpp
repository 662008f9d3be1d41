#include "core/container.h"

#include <algorithm>

namespace host {

const ContainerEntry* Container::At(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &entries_[static_cast<size_t>(index)];
}

const Value* Container::Find(int32_t id) const {
  for (const auto& e : entries_) {
    if (e.id == id) return &e.value;
  }
  return nullptr;
}

Value* Container::Find(int32_t id) {
  for (auto& e : entries_) {
    if (e.id == id) return &e.value;
  }
  return nullptr;
}

void Container::Set(int32_t id, Value value) {
  if (Value* v = Find(id)) {
    *v = std::move(value);
    return;
  }
  entries_.push_back({id, std::move(value)});
}

void Container::Insert(int32_t id, Value value) { entries_.push_back({id, std::move(value)}); }

bool Container::Remove(int32_t id) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [id](const ContainerEntry& e) { return e.id == id; });
  if (it == entries_.end()) return false;
  entries_.erase(it);
  return true;
}

void Container::Merge(const Container& src) {
  if (&src == this) return;
  for (const auto& e : src.entries_) Set(e.id, e.value);
}

bool Container::GetBool(int32_t id, bool def) const {
  const Value* v = Find(id);
  return v ? v->AsBool().value_or(def) : def;
}

int32_t Container::GetInt32(int32_t id, int32_t def) const {
  const Value* v = Find(id);
  return v ? v->AsInt32().value_or(def) : def;
}

int64_t Container::GetInt64(int32_t id, int64_t def) const {
  const Value* v = Find(id);
  return v ? v->AsInt64().value_or(def) : def;
}

double Container::GetFloat(int32_t id, double def) const {
  const Value* v = Find(id);
  return v ? v->AsFloat().value_or(def) : def;
}

std::optional<Vector3> Container::GetVector(int32_t id) const {
  const Value* v = Find(id);
  return v ? v->AsVector() : std::nullopt;
}

std::optional<std::string> Container::GetString(int32_t id) const {
  const Value* v = Find(id);
  const std::string* s = v ? v->AsString() : nullptr;
  return s ? std::optional<std::string>(*s) : std::nullopt;
}

const Container* Container::GetContainer(int32_t id) const {
  const Value* v = Find(id);
  return v ? v->AsContainer() : nullptr;
}

Container* Container::GetContainer(int32_t id) {
  Value* v = Find(id);
  return v ? v->AsContainer() : nullptr;
}

}  // namespace host
