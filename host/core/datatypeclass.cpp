#include "core/datatypeclass.h"

namespace host {

namespace {
constexpr int32_t kChannelName = 1;
constexpr int32_t kChannelShortName = 2;
constexpr int32_t kChannelUnit = 12;
}  // namespace

bool DataTypeClass::DescribeChannels(Container& out) const {
  if (channels_.empty()) return false;
  for (const auto& ch : channels_) {
    Container desc(ch.id);
    desc.SetString(kChannelName, ch.name);
    desc.SetString(kChannelShortName, ch.short_name);
    desc.SetInt32(kChannelUnit, ch.unit);
    out.SetContainer(ch.id, desc);
  }
  return true;
}

}  // namespace host
