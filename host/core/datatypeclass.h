#pragma once
// The host's class of a value type (GxaDataTypeClass handles point at one).
// Resource data types of the module wrap one of these.
#include <cstdint>
#include <string>
#include <vector>

#include "core/container.h"

namespace host {

struct SubChannel {
  int32_t id = 0;
  std::string name;
  std::string short_name;
  int32_t unit = 0;  // four-character unit code
};

class DataTypeClass {
 public:
  DataTypeClass(int32_t type_id, std::string name, std::vector<SubChannel> channels = {})
      : type_id_(type_id), name_(std::move(name)), channels_(std::move(channels)) {}

  int32_t TypeId() const { return type_id_; }
  const std::string& Name() const { return name_; }
  const std::vector<SubChannel>& Channels() const { return channels_; }

  // One sub-container per channel under its ID: 1 name, 2 short name,
  // 12 unit. False when the type has no sub-channels.
  bool DescribeChannels(Container& out) const;

 private:
  int32_t type_id_;
  std::string name_;
  std::vector<SubChannel> channels_;
};

}  // namespace host
