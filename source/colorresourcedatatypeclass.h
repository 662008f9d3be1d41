#pragma once
// The colour resource data type (3): a colour parameter stored as the host's
// vector type 23 and shown by the chooser.
#include <cstdint>

#include "resourcedatatypeclass.h"

constexpr std::int32_t kColorResourceType = 3;

class ColorResourceDataTypeClass : public ResourceDataTypeClass
{
public:
  using ResourceDataTypeClass::ResourceDataTypeClass;

  std::int32_t GetResourceDataType() override;
  std::int32_t GetDataType() override;
  void GetDefaultProperties(BaseContainer& description) override;
  const char* GetResourceSym() override;
  bool GetSubChannels(BaseContainer& out) override;
};
