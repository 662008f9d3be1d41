// gxa-host call: call an entry of a published library through the host's
// library lookup, as another module would.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "colortoolscall.h"
#include "core/host.h"
#include "hostargs.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage =
    "call LIBRARY ENTRY ARGS... [--json] [--module PATH] [--home DIR] [--debug]";

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host call: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

int RunCall(std::span<const std::string> raw) {
  ArgParser args(raw);
  if (args.Flag("--help")) {
    std::printf("usage: gxa-host %s\n%s", kUsage, ColorToolsCall::Help().c_str());
    return 0;
  }
  HostArgs host_args = HostArgs::Read(args);
  bool as_json = args.Flag("--json");
  std::vector<std::string> positionals = args.TakePositionals();
  if (!args.Finish()) return Fail(args.Error(), 2);
  if (positionals.size() < 2) return Fail("a library and an entry are needed", 2);
  if (positionals[0] != "colortools") return Fail("unknown library '" + positionals[0] + "' (known: colortools)", 2);

  auto call = ColorToolsCall::Parse(positionals[1], {positionals.begin() + 2, positionals.end()});
  if (!call) {
    std::fprintf(stderr, "gxa-host call: %s\n", call.Error().c_str());
    return 2;
  }

  auto created = Host::Create(host_args.options);
  if (!created) return Fail(created.Error(), 1);
  Host& h = *created.Value();
  auto startup = h.LoadModule(host_args.module);
  if (!startup) return Fail(startup.Error(), 1);
  if (!startup->Started()) {
    h.UnloadModule();
    return Fail("the module did not start", 1);
  }
  auto result = call->Run();
  h.UnloadModule();
  if (!result) return Fail(result.Error(), 1);
  std::printf("%s\n", as_json ? result->dump().c_str() : ColorToolsCall::AsText(*result).c_str());
  return 0;
}

const bool kRegistered = VerbRegistry::Add(
    {"call", kUsage, "call an entry of a published library (colortools) through the host's lookup", &RunCall});

}  // namespace

}  // namespace host::cli
