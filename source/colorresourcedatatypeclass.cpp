#include "colorresourcedatatypeclass.h"

#include "colorchooserdata.h"

namespace
{
// Description entries of a parameter.
constexpr std::int32_t kDescMin = 5;
constexpr std::int32_t kDescMax = 6;
constexpr std::int32_t kDescFlagA = 7;
constexpr std::int32_t kDescFlagB = 8;
constexpr std::int32_t kDescStep = 9;
constexpr std::int32_t kDescEntry10 = 10;
constexpr std::int32_t kDescUnit = 12;
constexpr std::int32_t kDescCustomGui = 21;

// Sub-channel descriptions.
constexpr std::int32_t kChannelName = 1;
constexpr std::int32_t kChannelShortName = 2;
constexpr std::int32_t kChannelUnit = 12;
constexpr std::int32_t kFirstComponentChannel = 1000;
}  // namespace

std::int32_t ColorResourceDataTypeClass::GetResourceDataType()
{
  return kColorResourceType;
}

std::int32_t ColorResourceDataTypeClass::GetDataType()
{
  return GXA_TYPE_VECTOR;
}

void ColorResourceDataTypeClass::GetDefaultProperties(BaseContainer& description)
{
  description.SetVector(kDescMin, Vector(0.0));
  description.SetVector(kDescMax, Vector(1.0));
  description.SetBool(kDescFlagA, false);
  description.SetBool(kDescFlagB, false);
  description.SetVector(kDescStep, Vector(0.01));
  description.SetInt32(kDescEntry10, 1);
  description.SetInt32(kDescUnit, GXA_UNIT_REAL);
  description.SetInt32(kDescCustomGui, kColorChooserPluginId);
}

const char* ColorResourceDataTypeClass::GetResourceSym()
{
  return "COLOR";
}

bool ColorResourceDataTypeClass::GetSubChannels(BaseContainer& out)
{
  if (!ResourceDataTypeClass::GetSubChannels(out))
    return false;
  static const char* const kNames[] = {"R", "G", "B"};
  for (std::int32_t i = 0; i < 3; ++i)
  {
    const std::int32_t channel = kFirstComponentChannel + i;
    BaseContainer sub = out.GetContainer(channel);
    sub.SetString(kChannelName, kNames[i]);
    sub.SetString(kChannelShortName, kNames[i]);
    sub.SetInt32(kChannelUnit, GXA_UNIT_PERCENT);
    out.SetContainer(channel, sub);
  }
  return true;
}
