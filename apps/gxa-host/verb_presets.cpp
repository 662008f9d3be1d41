// gxa-host presets: the preset library from the command line.
#include <cstdio>

#include "hostargs.h"
#include "presetcommands.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage =
    "presets list [FOLDER_URL] | show URL [--thumbnail PNG] | apply URL [DOCUMENT] | delete URL |\n"
    "       rename URL NAME | import FILE [--name NAME] [--to FOLDER_URL] [--text TEXT] [--overwrite] |\n"
    "       extract PICTURE [--count N] [--name NAME] [--to FOLDER_URL] [--text TEXT] [--overwrite] |\n"
    "       export URL FILE [--group NAME]   [--json] [--home DIR] [--module PATH]";

int RunPresets(std::span<const std::string> raw) {
  if (raw.empty() || raw.front() == "--help") {
    std::fprintf(raw.empty() ? stderr : stdout, "usage: gxa-host %s\n%s", kUsage, PresetCommands::Help().c_str());
    return raw.empty() ? 2 : 0;
  }
  if (raw.front().rfind("--", 0) == 0) {
    std::fprintf(
        stderr,
        "gxa-host presets: name what to do first: list, show, apply, delete, rename, import, extract or export\n"
        "see 'gxa-host presets --help'\n");
    return 2;
  }
  // The sub-verb comes first; its options and arguments follow in any order.
  ArgParser args(raw.subspan(1));
  PresetCommands commands(raw.front(), HostArgs::Read(args), args.Flag("--json"));
  return commands.Run(args);
}

VerbHelp Help() {
  return {"The preset library from the command line: the first argument says what to do with it (below).",
          {{"--json", "print JSON instead of text (default: text)"},
           {"--thumbnail PNG", "show: also write the item's thumbnail as a PNG picture (default: none)"},
           {"--count N", "extract: how many colours to find, 1 to 32 (default: 8)"},
           {"--group NAME", "export: only the preset's group of that name, as `show` lists it (default: all)"}},
          true,
          false,
          "what to do:" + PresetCommands::Help()};
}

const bool kRegistered = VerbRegistry::Add(
    {"presets", kUsage, "list, show, apply, delete, import, extract and export presets", &RunPresets, &Help});

}  // namespace

}  // namespace host::cli
