#include "automationargs.h"

#include "hostargs.h"

namespace host::cli {

Outcome<AutomationOptions> AutomationArgs::Read(ArgParser& args) {
  using R = Outcome<AutomationOptions>;
  HostArgs hostArgs = HostArgs::Read(args);
  AutomationOptions options;
  options.module = hostArgs.module;
  options.host = hostArgs.options;
  if (auto scale = args.IntOption("--scale")) {
    if (*scale != 1 && *scale != 2) return R::Fail("--scale is 1 or 2");
    options.scale = *scale;
  }
  if (auto width = args.IntOption("--width")) {
    if (*width < 0 || *width > kMaxWidth) {
      return R::Fail("--width is a width in logical pixels from 1 to " + std::to_string(kMaxWidth) +
                     ", or 0 to fit the page");
    }
    options.width = *width;
  }
  return options;
}

std::vector<OptionHelp> AutomationArgs::Help() {
  return {
      {"--scale 1|2", "display scale: pictures have this many physical pixels per logical pixel (default 1)"},
      {"--width W", "window width in logical pixels (default " + std::to_string(AutomationOptions::kDefaultWidth) +
                        ", about what an attribute editor gives a parameter); 0 fits the page's own minimum width"},
  };
}

}  // namespace host::cli
