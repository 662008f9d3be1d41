#pragma once
// One call of the colour tools library (1036596), named by entry index or
// name, with its arguments read from the command line.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "gxa_api.h"

namespace host::cli {

class ColorToolsCall {
 public:
  // Fails with a usage line naming the entry's arguments.
  static Outcome<ColorToolsCall> Parse(const std::string& entry, const std::vector<std::string>& args);
  // Looks the library up through the current host's registry and calls it.
  Outcome<nlohmann::json> Run() const;

  static std::string Help();
  static std::string AsText(const nlohmann::json& result);

 private:
  // The C type of the entry's arguments.
  enum class ArgType { Double, Int32, Int64 };
  struct Entry {
    const char* name;
    const char* args;  // "r g b", "c" ...
    int count;
    ArgType type;
    // The argument that is a 32-bit count, -1 for none.
    int countArg = -1;
  };
  static Outcome<double> Number(const std::string& text, ArgType type);
  static const std::vector<Entry>& Entries();
  static int Find(const std::string& entry);
  nlohmann::json Call(const GxaColorToolsTable& table) const;
  nlohmann::json CallHarmony(const GxaColorToolsTable& table) const;

  int index_ = 0;
  std::vector<double> args_;
};

}  // namespace host::cli
