#include "hostargs.h"

namespace host::cli {

HostArgs HostArgs::Read(ArgParser& args) {
  HostArgs h;
  h.module = args.Option("--module").value_or(GXA_DEFAULT_MODULE);
  if (auto home = args.Option("--home")) h.options.home = *home;
  if (auto folder = args.Option("--host-folder")) h.options.host_folder = *folder;
  if (auto type = args.IntOption("--app-type")) h.options.application_type = *type;
  if (auto version = args.IntOption("--api-version")) h.options.interface_version = *version;
  h.options.debug = args.Flag("--debug");
  return h;
}

}  // namespace host::cli
