// gxa-host info: load the module as the host does and show what it registered.
#include <cstdio>

#include "core/jsontext.h"
#include "hostargs.h"
#include "inforeport.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage = "info [--json] [host options]";

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host info: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

int RunInfo(std::span<const std::string> raw) {
  ArgParser args(raw);
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

VerbHelp Help() {
  return {
      "Loads the module the way the host does at start-up and prints what it registered: the answers of the "
      "module, its custom GUI plug-ins with their description flags, its resource data types, the function "
      "tables it published (by name), the settings keys and world preferences the chooser reads with their "
      "meaning, values and current values, and the diagnostic lines written meanwhile. Reads the preferences, "
      "never writes them. Exit status 0 when the module started, 1 otherwise.",
      {{"--json", "print one JSON object instead of text (default: text)"}},
      true};
}

const bool kRegistered = VerbRegistry::Add(
    {"info", kUsage, "load the module and show its registrations, tables, settings keys and preferences", &RunInfo,
     &Help});

}  // namespace

}  // namespace host::cli
