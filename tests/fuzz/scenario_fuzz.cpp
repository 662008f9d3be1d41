// Scenario text of any bytes: refused with a message naming the step, or
// played on a headless host to a transcript that prints.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "automation/scenarioparser.h"
#include "automation/scenariorunner.h"
#include "fuzztarget.h"

namespace gxa_fuzz {
namespace {

host::AutomationOptions Options() {
  host::AutomationOptions o;
  o.module = gxa_test::ModulePath();
  return o;
}

// The chooser's setting names, as the module registers them.
const host::ChooserSettings& Settings() {
  static const host::ChooserSettings settings = [] {
    auto a = host::AutomationHost::Create(Options());
    Expect(a.Ok(), "the module loads");
    return host::ChooserSettings::ForRegistry(a.Value()->GetHost().Registrations());
  }();
  return settings;
}

bool Playable(const host::Scenario& s) {
  if (s.steps.size() > 40) return false;
  // Screenshots would write files wherever the input names.
  for (const auto& step : s.steps) {
    if (std::holds_alternative<host::ScreenshotStep>(step.action)) return false;
  }
  return true;
}

void Run(std::span<const uint8_t> data) {
  const std::string text(data.begin(), data.end());
  auto scenario = host::ScenarioParser(Settings()).Parse(text);
  if (!scenario) {
    Expect(!scenario.Error().empty(), "a refused scenario has a message");
    return;
  }
  if (!Playable(scenario.Value())) return;
  auto a = host::AutomationHost::Create(Options());
  Expect(a.Ok(), "the module loads");
  host::Transcript transcript;
  {
    host::ScenarioRunner runner(*a.Value(), transcript, std::filesystem::temp_directory_path());
    (void)runner.Run(scenario.Value());
  }
  Expect(!transcript.Text().empty(), "a transcript prints");
}

std::vector<Bytes> Seeds() {
  std::vector<Bytes> seeds;
  for (const auto& e :
       std::filesystem::recursive_directory_iterator(std::filesystem::path(gxa_test::TestData()) / "scenarios")) {
    if (!e.is_regular_file()) continue;
    std::ifstream in(e.path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    seeds.push_back(BytesOf(text.str()));
  }
  seeds.push_back(BytesOf(R"({"prefs": {"1102": 2}, "steps": [
    {"do": "open", "id": "c", "settings": {"acol": 1, "slda": {"1": [1, 2, 3]}}, "value": [0.2, 0.4, 0.6, 0.5]},
    {"do": "click", "id": "c", "gadget": "0x3E80002", "x": 3, "y": 4},
    {"do": "drag", "id": "c", "gadget": 65929220, "path": [[1, 2], [30, 2]]},
    {"do": "prefs", "set": {"1110": true}, "read": [1102]},
    {"do": "get", "id": "c"}]})"));
  seeds.push_back(BytesOf(R"({"steps": [{"do": "open", "id": "c", "settings": {"retT": 1}},
    {"do": "click", "id": "c", "gadget": "0x3E90009"}, {"do": "pick", "x": 300, "y": -4, "cancel": true},
    {"do": "reload"}, {"do": "pick", "x": 3, "y": 4}]})"));
  return seeds;
}

const bool kRegistered = Register({"scenario", &Run, &Seeds, 150});

}  // namespace
}  // namespace gxa_fuzz
