#include "core/families.h"
#include "core/handles.h"
#include "core/host.h"

namespace host {

namespace {

Registry* Reg() {
  Host* h = Host::Current();
  return h ? &h->Registrations() : nullptr;
}

const PluginRecord* RecordOf(const GxaPluginRecord* r) { return reinterpret_cast<const PluginRecord*>(r); }

int32_t InterfaceVersion() { return Reg() ? Reg()->InterfaceVersion() : 0; }
int32_t ApplicationType() { return Reg() ? Reg()->ApplicationType() : 0; }

bool PublishLibrary(int32_t id, const void* table) { return Reg() && Reg()->PublishLibrary(id, table); }

const void* FindLibrary(int32_t id, uint32_t min_version, uint32_t min_size) {
  return Reg() ? Reg()->FindLibrary(id, min_version, min_size) : nullptr;
}

bool RegisterCustomGui(int32_t id, const char* name, int32_t flags, const GxaCustomGuiCallbacks* cb, void* user) {
  return Reg() && Reg()->RegisterCustomGui(id, name ? name : "", flags, cb, user);
}

bool RegisterResourceType(int32_t id, const char* name, int32_t flags, const GxaResourceTypeCallbacks* cb, void* user) {
  return Reg() && Reg()->RegisterResourceType(id, name ? name : "", flags, cb, user);
}

GxaDataTypeClass* FindDataTypeClass(int32_t type_id) {
  return Reg() ? reinterpret_cast<GxaDataTypeClass*>(Reg()->FindDataTypeClass(type_id)) : nullptr;
}

int32_t DataTypeId(const GxaDataTypeClass* cls) {
  return cls ? reinterpret_cast<const DataTypeClass*>(cls)->TypeId() : 0;
}

bool DataTypeSubChannels(GxaDataTypeClass* cls, GxaContainer* out) {
  if (!cls || !out) return false;
  return reinterpret_cast<const DataTypeClass*>(cls)->DescribeChannels(*FromHandle(out));
}

int32_t PluginInfoFlags(const GxaPluginRecord* r) { return r ? RecordOf(r)->info_flags : 0; }
int32_t PluginId(const GxaPluginRecord* r) { return r ? RecordOf(r)->id : 0; }

const GxaRegistryFns kRegistry = {
    sizeof(GxaRegistryFns), InterfaceVersion,  ApplicationType, PublishLibrary,      FindLibrary,     RegisterCustomGui,
    RegisterResourceType,   FindDataTypeClass, DataTypeId,      DataTypeSubChannels, PluginInfoFlags, PluginId,
};

}  // namespace

const GxaRegistryFns* RegistryFamily() { return &kRegistry; }

}  // namespace host
