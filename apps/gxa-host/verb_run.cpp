// gxa-host run: play a scenario on a headless host and print its transcript.
#include <cstdio>

#include "automation/scenarioparser.h"
#include "automation/scenariorunner.h"
#include "automationargs.h"
#include "core/filebytes.h"
#include "hostargs.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage =
    "run SCENARIO.json [--out DIR] [--scale 1|2] [--width W] [--module PATH] [--home DIR] [--host-folder DIR] "
    "[--app-type N] [--api-version N] [--debug]";

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host run: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

int RunScenario(std::span<const std::string> raw) {
  ArgParser args(raw);
  if (args.Flag("--help")) {
    std::printf("usage: gxa-host %s\n", kUsage);
    return 0;
  }
  auto options = AutomationArgs::Read(args);
  const std::string out = args.Option("--out").value_or(".");
  const std::vector<std::string> files = args.TakePositionals();
  if (!options) return Fail(options.Error(), 2);
  if (!args.Finish()) return Fail(args.Error(), 2);
  if (files.size() != 1) return Fail("give one scenario file", 2);
  auto text = FileBytes::Text(files.front(), FileBytes::kTextLimit);
  if (!text) return Fail(text.Error(), 1);

  auto automation = AutomationHost::Create(options.Value());
  if (!automation) return Fail(automation.Error(), 1);
  AutomationHost& a = *automation.Value();
  auto scenario = ScenarioParser(ChooserSettings::ForRegistry(a.GetHost().Registrations())).Parse(*text);
  if (!scenario) return Fail(files.front() + ": " + scenario.Error(), 2);

  Transcript transcript;
  Outcome<Done> ran = Done{};
  {
    ScenarioRunner runner(a, transcript, out);
    ran = runner.Run(scenario.Value());
  }
  std::fputs(transcript.Text().c_str(), stdout);
  return ran ? 0 : Fail(files.front() + ": " + ran.Error(), 1);
}

const bool kRegistered =
    VerbRegistry::Add({"run", kUsage, "play a scenario on a headless host and print its transcript", &RunScenario});

}  // namespace

}  // namespace host::cli
