#pragma once
// A resource data type registered by the module: how parameters of a
// resource type are described (defaults, sub-channels) and which host value
// type stores them.
#include <string>

#include "core/container.h"
#include "core/pluginrecord.h"
#include "gxa_api.h"

namespace host {

class ResourceTypePlugin {
 public:
  ResourceTypePlugin(PluginRecord record, const GxaResourceTypeCallbacks& callbacks, void* user);
  ~ResourceTypePlugin();  // tells the module it is done with user
  ResourceTypePlugin(const ResourceTypePlugin&) = delete;
  ResourceTypePlugin& operator=(const ResourceTypePlugin&) = delete;

  const PluginRecord& Record() const { return record_; }

  int32_t ResourceTypeId() const;
  int32_t WrappedTypeId() const;
  GxaDataTypeClass* WrappedClass() const;
  // The defaults of a parameter description of this type.
  Container DefaultProperties() const;
  std::string ResourceSymbol() const;
  bool IsSpecial() const;
  // One sub-container per channel ID (1 name, 2 short name, 12 unit); false
  // when the type has none.
  bool SubChannels(Container& out) const;

 private:
  PluginRecord record_;
  GxaResourceTypeCallbacks callbacks_{};
  void* user_;
};

}  // namespace host
