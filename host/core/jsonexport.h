#pragma once
// Values and containers as JSON, for transcripts and `--json` reports:
// a container is {"id", "entries": [{"id", "type", "value"}]}.
#include <nlohmann/json.hpp>
#include <string>

#include "core/container.h"
#include "core/value.h"

namespace host {

class JsonExport {
 public:
  static nlohmann::json FromContainer(const Container& c);
  // Just the payload: [x, y, z] for a vector, a nested container, ...
  static nlohmann::json FromValue(const Value& v);
  // "int32", "vector", "color_alpha", ...
  static std::string TypeName(int32_t type);
};

}  // namespace host
