#pragma once
// Numbers given on the command line, read whole: no leading space, nothing
// after the number, nothing a C type cannot hold. strtod and strtol alone
// skip spaces, stop at the first stray character and clamp or wrap.
#include <cstdint>
#include <optional>
#include <string>

namespace host::cli {

class NumberArg {
 public:
  // A finite decimal or hex number; an underflow (5e-324, 1e-400) is still
  // a number, an overflow (1e400) is not.
  static std::optional<double> Real(const std::string& text);
  // A decimal whole number that int32_t holds.
  static std::optional<int32_t> Int32(const std::string& text);
};

}  // namespace host::cli
