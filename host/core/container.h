#pragma once
// An ordered list of (id, value) entries: parameter settings, preferences,
// documents' data, and the messages that travel between dialogs. Set replaces
// the first entry with an ID; Insert appends even when the ID exists.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/value.h"

namespace host {

struct ContainerEntry {
  int32_t id = 0;
  Value value;
  bool operator==(const ContainerEntry&) const = default;
};

class Container {
 public:
  explicit Container(int32_t id = 0) : id_(id) {}

  int32_t Id() const { return id_; }
  void SetId(int32_t id) { id_ = id; }

  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
  bool IsEmpty() const { return entries_.empty(); }
  const ContainerEntry* At(int32_t index) const;
  const std::vector<ContainerEntry>& Entries() const { return entries_; }

  const Value* Find(int32_t id) const;
  Value* Find(int32_t id);
  bool Has(int32_t id) const { return Find(id) != nullptr; }

  void Set(int32_t id, Value value);
  void Insert(int32_t id, Value value);
  bool Remove(int32_t id);
  void Clear() { entries_.clear(); }
  // Entries of src replace those of this container, the rest are appended.
  void Merge(const Container& src);

  void SetBool(int32_t id, bool v) { Set(id, Value::Bool(v)); }
  void SetInt32(int32_t id, int32_t v) { Set(id, Value::Int32(v)); }
  void SetInt64(int32_t id, int64_t v) { Set(id, Value::Int64(v)); }
  void SetFloat(int32_t id, double v) { Set(id, Value::Float(v)); }
  void SetVector(int32_t id, Vector3 v) { Set(id, Value::Vector(v)); }
  void SetString(int32_t id, std::string v) { Set(id, Value::String(std::move(v))); }
  void SetContainer(int32_t id, const Container& c) { Set(id, Value::Of(c)); }

  // Getters answer def when the entry is absent or of a type that does not read.
  bool GetBool(int32_t id, bool def = false) const;
  int32_t GetInt32(int32_t id, int32_t def = 0) const;
  int64_t GetInt64(int32_t id, int64_t def = 0) const;
  double GetFloat(int32_t id, double def = 0.0) const;
  std::optional<Vector3> GetVector(int32_t id) const;
  std::optional<std::string> GetString(int32_t id) const;
  const Container* GetContainer(int32_t id) const;
  Container* GetContainer(int32_t id);

  bool operator==(const Container&) const = default;

 private:
  int32_t id_;
  std::vector<ContainerEntry> entries_;
};

}  // namespace host
