// gxa-host info: load the module as the host does and show what it registered.
#include <cstdio>

#include "core/jsontext.h"
#include "hostargs.h"
#include "inforeport.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage =
    "info [--module PATH] [--home DIR] [--host-folder DIR] [--app-type N] [--api-version N] [--debug] [--json]";

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host info: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

int RunInfo(std::span<const std::string> raw) {
  ArgParser args(raw);
  if (args.Flag("--help")) {
    std::printf("usage: gxa-host %s\n", kUsage);
    return 0;
  }
  HostArgs host_args = HostArgs::Read(args);
  bool as_json = args.Flag("--json");
  if (!args.Finish()) return Fail(args.Error(), 2);

  auto created = Host::Create(host_args.options);
  if (!created) return Fail(created.Error(), 1);
  Host& h = *created.Value();
  auto startup = h.LoadModule(host_args.module);
  if (!startup) return Fail(startup.Error(), 1);

  nlohmann::json report = InfoReport::Gather(h, startup.Value());
  ModuleShutdown shutdown = h.UnloadModule();
  InfoReport::Finish(report, h, shutdown);
  if (as_json) {
    std::printf("%s\n", JsonText::Dump(report, 2).c_str());
  } else {
    InfoReport::PrintText(report, stdout);
  }
  return startup->Started() ? 0 : 1;
}

const bool kRegistered = VerbRegistry::Add(
    {"info", kUsage, "load the module and show its registrations and published tables", &RunInfo});

}  // namespace

}  // namespace host::cli
