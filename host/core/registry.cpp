#include "core/registry.h"

namespace host {

Registry::Registry() { AddHostDataTypes(); }

Registry::~Registry() { ReleaseModuleRegistrations(); }

void Registry::AddHostDataTypes() {
  auto add = [this](int32_t type, std::string name, std::vector<SubChannel> channels = {}) {
    data_types_[type] = std::make_unique<DataTypeClass>(type, std::move(name), std::move(channels));
  };
  add(GXA_TYPE_CONTAINER, "Container");
  add(GXA_TYPE_INT32, "Integer");
  add(GXA_TYPE_BOOL, "Boolean");
  add(GXA_TYPE_INT64, "Long integer");
  add(GXA_TYPE_FLOAT, "Real");
  add(GXA_TYPE_VECTOR, "Vector",
      {{1000, "X", "X", GXA_UNIT_REAL}, {1001, "Y", "Y", GXA_UNIT_REAL}, {1002, "Z", "Z", GXA_UNIT_REAL}});
  add(GXA_TYPE_BYTEARRAY, "Byte array");
  add(GXA_TYPE_STRING, "String");
  add(GXA_TYPE_FILENAME, "File name");
  add(GXA_TYPE_LINK, "Link");
  add(GXA_TYPE_COLORPROFILE, "Colour profile");
  add(GXA_TYPE_COLORALPHA, "Colour with alpha",
      {{1000, "R", "R", GXA_UNIT_PERCENT},
       {1001, "G", "G", GXA_UNIT_PERCENT},
       {1002, "B", "B", GXA_UNIT_PERCENT},
       {1003, "A", "A", GXA_UNIT_PERCENT}});
}

bool Registry::PublishLibrary(int32_t id, const void* table) {
  if (!table || libraries_.count(id)) return false;
  auto* header = static_cast<const GxaLibraryHeader*>(table);
  if (header->size < sizeof(GxaLibraryHeader) || header->size > kMaxLibrarySize) return false;
  libraries_[id] = header;
  return true;
}

bool Registry::PublishHostLibrary(int32_t id, const void* table) {
  if (!table || host_libraries_.count(id)) return false;
  host_libraries_[id] = static_cast<const GxaLibraryHeader*>(table);
  return true;
}

const void* Registry::FindLibrary(int32_t id, uint32_t min_version, uint32_t min_size) const {
  const GxaLibraryHeader* h = nullptr;
  if (auto it = libraries_.find(id); it != libraries_.end()) h = it->second;
  else if (auto host_it = host_libraries_.find(id); host_it != host_libraries_.end()) h = host_it->second;
  if (!h) return nullptr;
  if (h->version < min_version || h->size < min_size) return nullptr;
  return h;
}

bool Registry::RegisterCustomGui(int32_t id, const std::string& name, int32_t info_flags,
                                 const GxaCustomGuiCallbacks* callbacks, void* user) {
  if (!callbacks || FindCustomGui(id)) return false;
  PluginRecord record{PluginRecord::Kind::kCustomGui, id, info_flags, name};
  custom_guis_.push_back(std::make_unique<CustomGuiPlugin>(std::move(record), *callbacks, user));
  return true;
}

CustomGuiPlugin* Registry::FindCustomGui(int32_t id) const {
  for (const auto& p : custom_guis_) {
    if (p->Record().id == id) return p.get();
  }
  return nullptr;
}

bool Registry::RegisterResourceType(int32_t id, const std::string& name, int32_t info_flags,
                                    const GxaResourceTypeCallbacks* callbacks, void* user) {
  if (!callbacks || FindResourceType(id)) return false;
  PluginRecord record{PluginRecord::Kind::kResourceType, id, info_flags, name};
  resource_types_.push_back(std::make_unique<ResourceTypePlugin>(std::move(record), *callbacks, user));
  return true;
}

ResourceTypePlugin* Registry::FindResourceType(int32_t id) const {
  for (const auto& p : resource_types_) {
    if (p->Record().id == id) return p.get();
  }
  return nullptr;
}

DataTypeClass* Registry::FindDataTypeClass(int32_t type_id) const {
  auto it = data_types_.find(type_id);
  return it == data_types_.end() ? nullptr : it->second.get();
}

void Registry::ReleaseModuleRegistrations() {
  // Newest first, the reverse of registration.
  preset_types_.ReleaseModuleRegistrations();
  while (!resource_types_.empty()) resource_types_.pop_back();
  while (!custom_guis_.empty()) custom_guis_.pop_back();
  libraries_.clear();
}

}  // namespace host
