#pragma once
// Key codes by name for scripts: "Up", "Enter", "PageDown", a single letter
// or digit ("N" 78, "1" 49), or the code itself.
#include <cstdint>
#include <optional>
#include <string_view>

namespace host {

class KeyNames {
 public:
  static std::optional<int32_t> Parse(std::string_view name);
};

}  // namespace host
