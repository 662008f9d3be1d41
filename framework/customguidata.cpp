#include "customguidata.h"

#include "entryguard.h"
#include "hostaccess.h"

namespace
{
CustomGuiData* Self(void* user)
{
  return static_cast<CustomGuiData*>(user);
}

void OnDestroy(void* user)
{
  delete Self(user);
}

std::int32_t OnPluginId(void* user)
{
  return Self(user)->GetId();
}

GxaDialog* OnAllocate(void* user, const GxaContainer* settings, GxaPluginRecord* record)
{
  return GuardEntry("CustomGuiData::Alloc()", static_cast<GxaDialog*>(nullptr), [&] {
    const BaseContainer view = BaseContainer::Alias(const_cast<GxaContainer*>(settings));
    return Self(user)->Alloc(view, record);
  });
}

void OnFree(void* user, GxaDialog* dialog, void* object)
{
  GuardEntry("CustomGuiData::Free()", [&] { Self(user)->Free(dialog, object); });
}

const char* OnResourceSymbol(void* user)
{
  return Self(user)->GetResourceSym();
}

const GxaPropertyRow* OnProperties(void* user)
{
  return Self(user)->GetProperties();
}

std::int32_t OnServedTypes(void* user, const std::int32_t** list)
{
  const std::int32_t* table = nullptr;
  const std::int32_t count = Self(user)->GetResourceDataType(table);
  if (list)
    *list = table;
  return count;
}
}  // namespace

const GxaCustomGuiCallbacks CustomGuiData::kCallbacks = {
    sizeof(GxaCustomGuiCallbacks),
    &OnDestroy,
    &OnPluginId,
    &OnAllocate,
    &OnFree,
    &OnResourceSymbol,
    &OnProperties,
    &OnServedTypes,
};

bool CustomGuiData::Register(std::int32_t id, const String& name, std::int32_t infoFlags,
                             std::unique_ptr<CustomGuiData> data)
{
  const GxaRegistryFns* reg = HostRegistry();
  if (!data || !GXA_HAS(reg, register_custom_gui))
    return false;
  if (!reg->register_custom_gui(id, name.GetCString(), infoFlags, &kCallbacks, data.get()))
    return false;
  data.release();
  return true;
}
