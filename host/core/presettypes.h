#pragma once
// Preset types that modules registered with the preset browser, and the
// host's way to run their operations (the browser and the `presets` verb
// apply a preset through its type, never by reading the module's data).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/container.h"
#include "core/outcome.h"
#include "gxa_api.h"

namespace host {

class PresetType {
 public:
  PresetType(int32_t id, std::string name, const GxaPresetTypeCallbacks& callbacks, void* user);
  ~PresetType();
  PresetType(const PresetType&) = delete;
  PresetType& operator=(const PresetType&) = delete;

  int32_t Id() const { return id_; }
  const std::string& Name() const { return name_; }
  bool Complete() const { return complete_; }
  void SetComplete() { complete_ = true; }

  // Opens the type's preset object for url, runs its load into target (null:
  // where the type applies presets) and closes it.
  Outcome<Done> Load(const std::string& url, Container* target) const;

 private:
  int32_t id_;
  std::string name_;
  GxaPresetTypeCallbacks callbacks_;
  void* user_;
  bool complete_ = false;
};

class PresetTypes {
 public:
  // Null when a type of this ID is registered.
  PresetType* Register(int32_t id, std::string name, const GxaPresetTypeCallbacks& callbacks, void* user);
  // False for a handle that is not registered.
  bool Complete(const PresetType* type);
  void Unregister(const PresetType* type);
  // A type whose registration was completed, or null.
  PresetType* Find(int32_t id) const;
  const std::vector<std::unique_ptr<PresetType>>& All() const { return types_; }
  // Before the module is unloaded.
  void ReleaseModuleRegistrations() { types_.clear(); }

 private:
  std::vector<std::unique_ptr<PresetType>> types_;
};

}  // namespace host
