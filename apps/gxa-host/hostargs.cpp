#include "hostargs.h"

#include "modulelocation.h"

namespace host::cli {

HostArgs HostArgs::Read(ArgParser& args) {
  HostArgs h;
  h.module = args.Option("--module").value_or(ModuleLocation::Default());
  if (auto home = args.Option("--home")) h.options.home = *home;
  if (auto folder = args.Option("--host-folder")) h.options.host_folder = *folder;
  if (auto type = args.IntOption("--app-type")) h.options.application_type = *type;
  if (auto version = args.IntOption("--api-version")) h.options.interface_version = *version;
  h.options.debug = args.Flag("--debug");
  return h;
}

std::vector<OptionHelp> HostArgs::Help() {
  return {
      {"--module PATH", "the module library (default: " + ModuleLocation::Default() + ")"},
      {"--home DIR",
       "keep preferences in DIR/config/gxa-host/ and data in DIR/data/gxa-host/ (default: $XDG_CONFIG_HOME and "
       "$XDG_DATA_HOME, or ~/.config and ~/.local/share; run and render use a temporary folder)"},
      {"--host-folder DIR",
       "the host's installation folder, whose resource/modules/ hold the module's strings (default: the folder of "
       "gxa-host when it holds a resource folder, else none)"},
      {"--app-type N",
       "the application type the host reports (default 1); 5, 8, 9 and 10 make the module skip its "
       "swatch presets"},
      {"--api-version N", "the interface version the host reports (default " + std::to_string(GXA_API_VERSION) +
                              "); the module refuses anything below " + std::to_string(GXA_API_VERSION_MIN)},
      {"--debug", "also print the module's diagnostic lines on stderr (default: off)"},
  };
}

}  // namespace host::cli
