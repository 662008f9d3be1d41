#pragma once
// Registration services of the host: published function tables, data type
// classes and plug-in records.
#include <cstdint>

#include "gxa_api.h"

// table starts with a GxaLibraryHeader and must outlive the module's use.
bool PublishLibrary(std::int32_t id, const void* table);
// A published table with at least the given version and size, or null.
const void* FindLibrary(std::int32_t id, std::uint32_t minVersion, std::uint32_t minSize);
// -1 when the host does not say.
std::int32_t GetApplicationType();
GxaDataTypeClass* FindDataTypeClass(std::int32_t typeId);
std::int32_t GetPluginInfoFlags(const GxaPluginRecord* record);
std::int32_t GetPluginId(const GxaPluginRecord* record);
