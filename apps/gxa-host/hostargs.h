#pragma once
// The options of every verb that runs a host with the module:
//   --module PATH  --home DIR  --host-folder DIR  --app-type N
//   --api-version N  --debug
#include <filesystem>

#include "argparser.h"
#include "core/hostoptions.h"
#include "verbregistry.h"

namespace host::cli {

struct HostArgs {
  HostOptions options;
  std::filesystem::path module;

  // Consumes the host options from args; errors stay in args.
  static HostArgs Read(ArgParser& args);
  static std::vector<OptionHelp> Help();
};

}  // namespace host::cli
