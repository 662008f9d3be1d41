#include "resourcedatatypeclass.h"

#include "entryguard.h"
#include "hostaccess.h"

namespace
{
ResourceDataTypeClass* Self(void* user)
{
  return static_cast<ResourceDataTypeClass*>(user);
}

void OnDestroy(void* user)
{
  delete Self(user);
}

std::int32_t OnResourceTypeId(void* user)
{
  return Self(user)->GetResourceDataType();
}

std::int32_t OnWrappedTypeId(void* user)
{
  return Self(user)->GetDataType();
}

GxaDataTypeClass* OnWrappedClass(void* user)
{
  return Self(user)->GetDataTypeClass();
}

void OnDefaultProperties(void* user, GxaContainer* description)
{
  GuardEntry("ResourceDataTypeClass::GetDefaultProperties()", [&] {
    BaseContainer target = BaseContainer::Alias(description);
    Self(user)->GetDefaultProperties(target);
  });
}

const char* OnResourceSymbol(void* user)
{
  return Self(user)->GetResourceSym();
}

bool OnIsSpecial(void* user)
{
  return Self(user)->IsSpecial();
}

bool OnSubChannels(void* user, GxaContainer* out)
{
  return GuardEntry("ResourceDataTypeClass::GetSubChannels()", false, [&] {
    BaseContainer target = BaseContainer::Alias(out);
    return Self(user)->GetSubChannels(target);
  });
}
}  // namespace

const GxaResourceTypeCallbacks ResourceDataTypeClass::kCallbacks = {
    sizeof(GxaResourceTypeCallbacks),
    &OnDestroy,
    &OnResourceTypeId,
    &OnWrappedTypeId,
    &OnWrappedClass,
    &OnDefaultProperties,
    &OnResourceSymbol,
    &OnIsSpecial,
    &OnSubChannels,
};

GxaDataTypeClass* ResourceDataTypeClass::GetDataTypeClass()
{
  return _wrapped;
}

void ResourceDataTypeClass::GetDefaultProperties(BaseContainer&) {}

bool ResourceDataTypeClass::IsSpecial()
{
  return false;
}

bool ResourceDataTypeClass::GetSubChannels(BaseContainer& out)
{
  const GxaRegistryFns* reg = HostRegistry();
  return _wrapped && out.IsValid() && GXA_HAS(reg, data_type_sub_channels) &&
         reg->data_type_sub_channels(_wrapped, out.Get());
}

bool ResourceDataTypeClass::Register(std::int32_t id, const String& name, std::int32_t infoFlags,
                                     std::unique_ptr<ResourceDataTypeClass> type)
{
  const GxaRegistryFns* reg = HostRegistry();
  if (!type || !GXA_HAS(reg, register_resource_type))
    return false;
  if (!reg->register_resource_type(id, name.GetCString(), infoFlags, &kCallbacks, type.get()))
    return false;
  type.release();
  return true;
}
