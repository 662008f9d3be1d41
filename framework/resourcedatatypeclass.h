#pragma once
// A resource data type: how the host's parameter descriptions show values of
// a wrapped host data type class. Register hands the object to the host,
// which destroys it through the type's destroy callback.
#include <cstdint>
#include <memory>

#include "basecontainer.h"
#include "basedata.h"
#include "gxa_api.h"
#include "gxastring.h"

class ResourceDataTypeClass : public BaseData
{
public:
  explicit ResourceDataTypeClass(GxaDataTypeClass* wrapped) : _wrapped(wrapped) {}

  virtual std::int32_t GetResourceDataType() = 0;
  virtual std::int32_t GetDataType() = 0;
  virtual GxaDataTypeClass* GetDataTypeClass();
  // Fills the defaults of a parameter description; nothing by default.
  virtual void GetDefaultProperties(BaseContainer& description);
  virtual const char* GetResourceSym() = 0;
  virtual bool IsSpecial();
  // The wrapped class's sub-channel descriptions.
  virtual bool GetSubChannels(BaseContainer& out);

  // On failure type is destroyed here.
  static bool Register(std::int32_t id, const String& name, std::int32_t infoFlags,
                       std::unique_ptr<ResourceDataTypeClass> type);

private:
  static const GxaResourceTypeCallbacks kCallbacks;

  GxaDataTypeClass* _wrapped;
};
