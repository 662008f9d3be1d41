#pragma once
// The options of `gxa-host render`, read and checked before any host exists,
// so that every mistake on the command line gets its message (status 2).
#include <optional>
#include <string>
#include <vector>

#include "automation/choosersettings.h"
#include "automationargs.h"
#include "page/parameterspec.h"

namespace host::cli {

struct RenderArgs {
  AutomationOptions options;  // --prefs and --theme are already in options.prefs
  std::vector<std::string> settings;
  std::optional<std::string> value, brightness;
  bool demoPage = false;
  bool listGadgets = false;
  std::filesystem::path out;  // empty: no picture, only the gadget list
  // Opened in the picture mode (which --picture switches on) once the chooser shows.
  std::optional<std::filesystem::path> picture;

  static Outcome<RenderArgs> Read(ArgParser& args);
  // The one chooser asked for; setting names come from the module's registrations.
  Outcome<ParameterSpec> Chooser(const ChooserSettings& reader) const;

 private:
  static Outcome<Done> ReadPrefs(const std::vector<std::string>& assignments, const std::optional<std::string>& theme,
                                 Container& prefs);
};

}  // namespace host::cli
