#include "sequencesession.h"

#include <filesystem>
#include <memory>

#include "automation/automationhost.h"
#include "automation/choosersettings.h"
#include "automation/scenarioparser.h"
#include "automation/scenariorunner.h"
#include "automation/transcript.h"
#include "platform/platformfamily.h"
#include "sequencegenerator.h"

namespace sequences {

namespace {

using host::OrderedJson;

// One host with the page, the runner and the rules; the desktop that
// picks use is made anew with it.
class Stage {
 public:
  explicit Stage(const OrderedJson& prefs, const std::set<std::string>& tolerated)
      : tolerated_(tolerated), folder_(std::filesystem::current_path()) {
    // Pictures typed as names are found beside the kept scenarios.
    std::filesystem::current_path(std::filesystem::path(GXA_TEST_DATA) / "scenarios" / "sequences");
    host::PlatformFamily::Use(nullptr);
    host::ScenarioRunner::UseVirtualDesktop();
    host::AutomationOptions options;
    options.module = GXA_MODULE_PATH;
    auto created = host::AutomationHost::Create(options);
    if (!created) {
      failed_ = created.Error();
      return;
    }
    host_ = std::move(created.Value());
    parser_.emplace(host::ChooserSettings::ForRegistry(host_->GetHost().Registrations()));
    runner_ = std::make_unique<host::ScenarioRunner>(*host_, transcript_, std::filesystem::temp_directory_path());
    auto start = parser_->Parse(OrderedJson{{"prefs", prefs}, {"steps", OrderedJson::array()}});
    if (!start) failed_ = start.Error();
    else runner_->Run(start.Value());
  }

  ~Stage() {
    runner_.reset();
    host_.reset();
    host::PlatformFamily::Use(nullptr);
    std::filesystem::current_path(folder_);
  }

  const std::string& Failed() const { return failed_; }
  host::AutomationHost& Host() { return *host_; }

  // Carries out one step; false when it could not be.
  bool Step(const OrderedJson& step, Played& played, SequenceGenerator* generator) {
    const size_t index = played.ran.size();
    // While a pick runs its windows take every click and key.
    if (SequenceRules::PickUnderWay() && step.value("do", "") != "pick") {
      played.ran.push_back(false);
      return false;
    }
    if (step.value("do", "") == "open") opens_.push_back(step);
    OrderedJson steps = opens_;
    if (step.value("do", "") != "open") steps.push_back(step);
    auto parsed = parser_->Parse(OrderedJson{{"steps", steps}});
    host::Scenario one;
    if (parsed) {
      one.steps = {parsed->steps.back()};
      one.steps.front().index = index;
    }
    const size_t firstMessage = host_->ParentMessages().size();
    const size_t firstEvent = transcript_.Events().size();
    rules_.Before(*host_, step);
    const bool ran = parsed && runner_->Run(one).Ok();
    played.ran.push_back(ran);
    if (!ran) return false;
    ++played.steps;
    if (generator) {
      const OrderedJson& events = transcript_.Events();
      for (size_t i = firstEvent; i < events.size(); ++i) {
        if (events[i].value("kind", "") == "menu") generator->SeeMenu(events[i]["entries"]);
      }
    }
    for (Broken& b : rules_.After(*host_, step, firstMessage)) {
      if (!tolerated_.count(b.rule)) {
        if (!played.broken) {
          played.broken = b;
          played.brokenAt = index;
        }
      } else {
        played.tolerated.push_back(std::move(b));
      }
    }
    return true;
  }

 private:
  std::set<std::string> tolerated_;
  std::filesystem::path folder_;
  std::string failed_;
  std::unique_ptr<host::AutomationHost> host_;
  std::optional<host::ScenarioParser> parser_;
  host::Transcript transcript_;
  std::unique_ptr<host::ScenarioRunner> runner_;
  SequenceRules rules_;
  OrderedJson opens_ = OrderedJson::array();
};

Played Unstarted(const std::string& why) {
  Played played;
  played.broken = Broken{"the host starts", why};
  return played;
}

}  // namespace

Played SequenceSession::Play(const OrderedJson& scenario, const std::set<std::string>& tolerated) {
  Stage stage(scenario.value("prefs", OrderedJson::object()), tolerated);
  if (!stage.Failed().empty()) return Unstarted(stage.Failed());
  Played played;
  for (const OrderedJson& step : scenario.value("steps", OrderedJson::array())) {
    stage.Step(step, played, nullptr);
    if (played.broken) break;
  }
  return played;
}

Played SequenceSession::Generate(uint64_t seed, size_t length, OrderedJson& scenario,
                                 const std::set<std::string>& tolerated) {
  SequenceGenerator generator(seed);
  scenario = {
      {"comment", "seed " + std::to_string(seed)}, {"prefs", generator.Prefs()}, {"steps", OrderedJson::array()}};
  Stage stage(scenario["prefs"], tolerated);
  if (!stage.Failed().empty()) return Unstarted(stage.Failed());
  Played played;
  for (const OrderedJson& open : generator.Opens()) {
    scenario["steps"].push_back(open);
    stage.Step(open, played, &generator);
  }
  for (size_t i = 0; i < length && !played.broken; ++i) {
    OrderedJson step = generator.Next(stage.Host());
    scenario["steps"].push_back(step);
    stage.Step(step, played, &generator);
  }
  return played;
}

}  // namespace sequences
