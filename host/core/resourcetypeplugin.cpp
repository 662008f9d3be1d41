#include "core/resourcetypeplugin.h"

#include <algorithm>
#include <cstring>

#include "core/handles.h"
#include "core/modulecall.h"

namespace host {

ResourceTypePlugin::ResourceTypePlugin(PluginRecord record, const GxaResourceTypeCallbacks& callbacks, void* user)
    : record_(std::move(record)), user_(user) {
  std::memcpy(&callbacks_, &callbacks, std::min<size_t>(callbacks.size, sizeof callbacks_));
  callbacks_.size = sizeof callbacks_;
}

ResourceTypePlugin::~ResourceTypePlugin() {
  if (callbacks_.destroy) {
    ModuleCall call;
    callbacks_.destroy(user_);
  }
}

int32_t ResourceTypePlugin::ResourceTypeId() const {
  if (!callbacks_.resource_type_id) return record_.id;
  ModuleCall call;
  return callbacks_.resource_type_id(user_);
}

int32_t ResourceTypePlugin::WrappedTypeId() const {
  if (!callbacks_.wrapped_type_id) return 0;
  ModuleCall call;
  return callbacks_.wrapped_type_id(user_);
}

GxaDataTypeClass* ResourceTypePlugin::WrappedClass() const {
  if (!callbacks_.wrapped_class) return nullptr;
  ModuleCall call;
  return callbacks_.wrapped_class(user_);
}

Container ResourceTypePlugin::DefaultProperties() const {
  Container description;
  if (callbacks_.default_properties) {
    ModuleCall call;
    callbacks_.default_properties(user_, ToHandle(&description));
  }
  return description;
}

std::string ResourceTypePlugin::ResourceSymbol() const {
  if (!callbacks_.resource_symbol) return {};
  ModuleCall call;
  const char* s = callbacks_.resource_symbol(user_);
  return s ? s : "";
}

bool ResourceTypePlugin::IsSpecial() const {
  if (!callbacks_.is_special) return false;
  ModuleCall call;
  return callbacks_.is_special(user_);
}

bool ResourceTypePlugin::SubChannels(Container& out) const {
  if (!callbacks_.sub_channels) return false;
  ModuleCall call;
  return callbacks_.sub_channels(user_, ToHandle(&out));
}

}  // namespace host
