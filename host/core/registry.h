#pragma once
// What modules registered with the host: published function tables, custom
// GUI plug-ins and resource data types; and the host's own data type classes.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/customguiplugin.h"
#include "core/datatypeclass.h"
#include "core/presettypes.h"
#include "core/resourcetypeplugin.h"
#include "gxa_api.h"

namespace host {

class Registry {
 public:
  static constexpr int32_t kDefaultApplicationType = 1;

  Registry();
  ~Registry();

  int32_t InterfaceVersion() const { return interface_version_; }
  void SetInterfaceVersion(int32_t v) { interface_version_ = v; }
  int32_t ApplicationType() const { return application_type_; }
  void SetApplicationType(int32_t t) { application_type_ = t; }

  // table begins with a GxaLibraryHeader; false when the ID is taken or the
  // header is implausible.
  bool PublishLibrary(int32_t id, const void* table);
  const void* FindLibrary(int32_t id, uint32_t min_version, uint32_t min_size) const;
  // Published tables by ID.
  const std::map<int32_t, const GxaLibraryHeader*>& Libraries() const { return libraries_; }
  // Tables the host itself offers to modules (the preset browser); found
  // like published ones, never released with the module.
  bool PublishHostLibrary(int32_t id, const void* table);

  PresetTypes& Presets() { return preset_types_; }

  bool RegisterCustomGui(int32_t id, const std::string& name, int32_t info_flags,
                         const GxaCustomGuiCallbacks* callbacks, void* user);
  CustomGuiPlugin* FindCustomGui(int32_t id) const;
  const std::vector<std::unique_ptr<CustomGuiPlugin>>& CustomGuis() const { return custom_guis_; }

  bool RegisterResourceType(int32_t id, const std::string& name, int32_t info_flags,
                            const GxaResourceTypeCallbacks* callbacks, void* user);
  ResourceTypePlugin* FindResourceType(int32_t id) const;
  const std::vector<std::unique_ptr<ResourceTypePlugin>>& ResourceTypes() const { return resource_types_; }

  DataTypeClass* FindDataTypeClass(int32_t type_id) const;

  // Before the module is unloaded: plug-ins are told they are done, and no
  // pointer into the module's memory is kept.
  void ReleaseModuleRegistrations();

  // Largest table size the host accepts in a header (sanity bound).
  static constexpr uint32_t kMaxLibrarySize = 1u << 20;

 private:
  void AddHostDataTypes();

  int32_t interface_version_ = GXA_API_VERSION;
  int32_t application_type_ = kDefaultApplicationType;
  std::map<int32_t, const GxaLibraryHeader*> libraries_;
  std::map<int32_t, const GxaLibraryHeader*> host_libraries_;
  PresetTypes preset_types_;
  std::vector<std::unique_ptr<CustomGuiPlugin>> custom_guis_;
  std::vector<std::unique_ptr<ResourceTypePlugin>> resource_types_;
  std::map<int32_t, std::unique_ptr<DataTypeClass>> data_types_;
};

}  // namespace host
