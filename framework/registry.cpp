#include "registry.h"

#include "hostaccess.h"

bool PublishLibrary(std::int32_t id, const void* table)
{
  const GxaRegistryFns* reg = HostRegistry();
  return table && GXA_HAS(reg, publish_library) && reg->publish_library(id, table);
}

const void* FindLibrary(std::int32_t id, std::uint32_t minVersion, std::uint32_t minSize)
{
  const GxaRegistryFns* reg = HostRegistry();
  return GXA_HAS(reg, find_library) ? reg->find_library(id, minVersion, minSize) : nullptr;
}

std::int32_t GetApplicationType()
{
  const GxaRegistryFns* reg = HostRegistry();
  return GXA_HAS(reg, application_type) ? reg->application_type() : -1;
}

GxaDataTypeClass* FindDataTypeClass(std::int32_t typeId)
{
  const GxaRegistryFns* reg = HostRegistry();
  return GXA_HAS(reg, find_data_type_class) ? reg->find_data_type_class(typeId) : nullptr;
}

std::int32_t GetPluginInfoFlags(const GxaPluginRecord* record)
{
  const GxaRegistryFns* reg = HostRegistry();
  return record && GXA_HAS(reg, plugin_info_flags) ? reg->plugin_info_flags(record) : 0;
}

std::int32_t GetPluginId(const GxaPluginRecord* record)
{
  const GxaRegistryFns* reg = HostRegistry();
  return record && GXA_HAS(reg, plugin_id) ? reg->plugin_id(record) : 0;
}
