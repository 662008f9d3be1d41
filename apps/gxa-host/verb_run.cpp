// gxa-host run: play a scenario on a headless host and print its transcript.
#include <cstdio>

#include "automation/scenarioparser.h"
#include "automation/scenariorunner.h"
#include "automationargs.h"
#include "core/filebytes.h"
#include "core/stoprequest.h"
#include "hostargs.h"
#include "page/keycatalog.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage = "run SCENARIO.json [--out DIR] [--scale 1|2] [--width W] [host options]";

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host run: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

// Settings and preferences the chooser reads differently from what a
// script may expect are used as given, with a word on stderr.
void WarnAboutKeys(const std::string& file, const Scenario& scenario) {
  auto warn = [&](const std::string& where, const std::vector<std::string>& problems) {
    for (const std::string& p : problems)
      std::fprintf(stderr, "gxa-host run: warning: %s: %s: %s\n", file.c_str(), where.c_str(), p.c_str());
  };
  warn("prefs", KeyCatalog::CheckPreferences(scenario.prefs));
  for (const ScenarioStep& step : scenario.steps) {
    const std::string where = "step " + std::to_string(step.index) + " (" + step.kind + ")";
    if (const auto* open = std::get_if<OpenStep>(&step.action))
      warn(where, KeyCatalog::CheckSettings(open->spec.settings));
    if (const auto* prefs = std::get_if<PrefsStep>(&step.action)) warn(where, KeyCatalog::CheckPreferences(prefs->set));
  }
}

int RunScenario(std::span<const std::string> raw) {
  ArgParser args(raw);
  auto options = AutomationArgs::Read(args);
  const std::string out = args.Option("--out").value_or(".");
  const std::vector<std::string> files = args.TakePositionals();
  if (!options) return Fail(options.Error(), 2);
  if (!args.Finish()) return Fail(args.Error(), 2);
  if (files.size() != 1) return Fail("give one scenario file", 2);
  auto text = FileBytes::Text(files.front(), FileBytes::kTextLimit);
  if (!text) return Fail(text.Error(), 1);

  StopRequest::Install();
  auto automation = AutomationHost::Create(options.Value());
  if (!automation) return Fail(automation.Error(), 1);
  AutomationHost& a = *automation.Value();
  auto scenario = ScenarioParser(ChooserSettings::ForRegistry(a.GetHost().Registrations())).Parse(*text);
  if (!scenario) return Fail(files.front() + ": " + scenario.Error(), 2);
  WarnAboutKeys(files.front(), scenario.Value());

  Transcript transcript;
  Outcome<Done> ran = Done{};
  {
    ScenarioRunner runner(a, transcript, out);
    ran = runner.Run(scenario.Value());
  }
  std::fputs(transcript.Text().c_str(), stdout);
  return ran ? 0 : Fail(files.front() + ": " + ran.Error(), 1);
}

VerbHelp Help() {
  return {
      "Plays a scenario (a JSON file of steps: open choosers, click, drag, type, answer menus and dialogs, "
      "list gadgets, take screenshots) on a headless host and prints a JSON transcript of what the choosers sent, "
      "showed and answered, one event a line. Choosers open expanded (layout mode 2) unless their settings give "
      "'laym'. The format is in docs/scenarios.md.\n\nExit status: 0 when every step ran, 2 when the scenario is "
      "malformed (nothing runs), 1 when a step could not be carried out (the transcript so far is printed with "
      "an \"error\" member).",
      {{"SCENARIO.json", "the scenario file"},
       {"--out DIR", "where screenshot steps write their files (default: the current folder)"}},
      false,
      true};
}

const bool kRegistered = VerbRegistry::Add(
    {"run", kUsage, "play a scenario on a headless host and print its transcript", &RunScenario, &Help});

}  // namespace

}  // namespace host::cli
