#pragma once
// Prints a verb's help: its usage line, what it does, then each option
// with its meaning and default, the shared host and scripting options
// included when the verb takes them.
#include <cstdio>
#include <string>

#include "verbregistry.h"

namespace host::cli {

class HelpPrinter {
 public:
  static std::string Text(const Verb& verb);
  // The program's overview: every registered verb with its summary.
  static std::string Overview();
  static std::string Version();

 private:
  static std::string Options(const char* heading, const std::vector<OptionHelp>& options);
};

}  // namespace host::cli
