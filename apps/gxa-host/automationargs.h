#pragma once
// The options of the verbs that run a scripted host (run, render): the host
// options, --scale 1|2 and --width W.
#include "argparser.h"
#include "automation/automationhost.h"
#include "verbregistry.h"

namespace host::cli {

inline constexpr const char* kAutomationArgsUsage = "[--scale 1|2] [--width W]";

class AutomationArgs {
 public:
  // As large as a window may be (view --size).
  static constexpr int32_t kMaxWidth = 8192;

  // Consumes the options; fails on a scale or width out of range (other
  // problems stay in args).
  static Outcome<AutomationOptions> Read(ArgParser& args);
  static std::vector<OptionHelp> Help();
};

}  // namespace host::cli
