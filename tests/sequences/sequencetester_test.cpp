// The sequence tester's own parts: the shrinker keeps exactly what a break
// needs; a seed always gives the same session, and the scenario written for
// it plays the same session again; the rules see a page that breaks them (a
// value changed behind a step, a reload that loses a value, a stale field,
// an empty colour text) and keep quiet about a page left alone.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "automation/automationhost.h"
#include "core/value.h"
#include "gui/widget.h"
#include "sequencerules.h"
#include "sequencesession.h"
#include "sequenceshrinker.h"

namespace sequences {
namespace {

using host::OrderedJson;

OrderedJson Steps(std::initializer_list<const char*> names) {
  OrderedJson steps = OrderedJson::array();
  for (const char* n : names) steps.push_back({{"do", n}});
  return steps;
}

// Breaks after the later of the first "a" and the first "b".
std::optional<size_t> BothPlayed(const OrderedJson& steps) {
  std::optional<size_t> a, b;
  for (size_t i = 0; i < steps.size(); ++i) {
    if (steps[i]["do"] == "a" && !a) a = i;
    if (steps[i]["do"] == "b" && !b) b = i;
  }
  if (!a || !b) return std::nullopt;
  return std::max(*a, *b);
}

TEST(SequenceShrinker, KeepsOnlyTheStepsTheBreakNeeds) {
  SequenceShrinker shrinker(BothPlayed);
  EXPECT_EQ(shrinker.Shrink(Steps({"x", "x", "b", "x", "x", "x", "x", "a", "x", "x", "a"})), Steps({"b", "a"}));
  EXPECT_EQ(shrinker.Shrink(Steps({"a", "b"})), Steps({"a", "b"}));
  const OrderedJson holds = Steps({"x", "a", "x"});
  EXPECT_EQ(shrinker.Shrink(holds), holds);
}

TEST(SequenceShrinker, LongSessionShrinksInFewPlays) {
  OrderedJson steps = OrderedJson::array();
  for (int i = 0; i < 200; ++i) steps.push_back({{"do", i == 37 ? "a" : i == 150 ? "b" : "x"}});
  SequenceShrinker shrinker(BothPlayed);
  EXPECT_EQ(shrinker.Shrink(steps), Steps({"a", "b"}));
  EXPECT_LT(shrinker.Tries(), 80u);
}

TEST(SequenceSession, OneSeedGivesOneSessionAndItsScenarioPlaysItAgain) {
  const std::set<std::string> open = {SequenceRules::kLiveChangeEnds};
  OrderedJson first, second;
  const Played a = SequenceSession::Generate(11, 80, first, open);
  const Played b = SequenceSession::Generate(11, 80, second, open);
  EXPECT_EQ(first, second);
  EXPECT_EQ(a.ran, b.ran);
  const Played again = SequenceSession::Play(first, open);
  EXPECT_EQ(again.ran, a.ran);
  EXPECT_EQ(again.broken.has_value(), a.broken.has_value());
  EXPECT_GT(a.steps, 40u);
}

class RulesOnAPage : public ::testing::Test {
 protected:
  void SetUp() override {
    host::AutomationOptions options;
    options.module = GXA_MODULE_PATH;
    auto created = host::AutomationHost::Create(options);
    ASSERT_TRUE(created.Ok()) << created.Error();
    host_ = std::move(created.Value());
    Open("a", 0.8, 0.3, 0.1);
    Open("b", 0.2, 0.5, 0.9);
  }

  void Open(const std::string& key, double r, double g, double b) {
    host::ParameterSpec spec;
    spec.key = key;
    spec.ShowExpanded();
    spec.objects.push_back({Color(r, g, b), false});
    ASSERT_TRUE(host_->Open(std::move(spec)).Ok());
  }

  static host::ColorValue Color(double r, double g, double b) {
    host::ColorValue v;
    v.color = {r, g, b};
    return v;
  }

  // The rules broken when a step acting as given changes the page by change.
  std::set<std::string> Broken(const OrderedJson& step, const std::function<void()>& change) {
    rules_.Before(*host_, step);
    const size_t first = host_->ParentMessages().size();
    change();
    std::set<std::string> names;
    for (const sequences::Broken& b : rules_.After(*host_, step, first)) names.insert(b.rule);
    return names;
  }

  std::unique_ptr<host::AutomationHost> host_;
  SequenceRules rules_;
};

const OrderedJson kHueClickOfA = {{"do", "click"}, {"id", "a"}, {"gadget", "0x3EE0004"}};

TEST_F(RulesOnAPage, PageLeftAloneKeepsEveryRule) {
  EXPECT_TRUE(Broken(kHueClickOfA, [] {}).empty());
  EXPECT_TRUE(Broken({{"do", "reload"}}, [&] { ASSERT_TRUE(host_->Reload().Ok()); }).empty());
}

TEST_F(RulesOnAPage, ValueChangedBehindAStepBreaksAndTheStepsOwnChangeDoesNot) {
  EXPECT_TRUE(Broken(kHueClickOfA, [&] { (void)host_->SetValues("a", {Color(0.1, 0.1, 0.1)}); }).empty());
  EXPECT_EQ(Broken(kHueClickOfA, [&] { (void)host_->SetValues("b", {Color(0.1, 0.1, 0.1)}); }),
            std::set<std::string>{SequenceRules::kUntouchedKept});
  const OrderedJson modeButton = {{"do", "click"}, {"id", "a"}, {"gadget", "0x3E8000C"}};
  EXPECT_EQ(Broken(modeButton, [&] { (void)host_->SetValues("a", {Color(0.4, 0.1, 0.1)}); }),
            std::set<std::string>{SequenceRules::kUntouchedKept});
}

TEST_F(RulesOnAPage, ReloadThatLosesAValueBreaks) {
  const std::set<std::string> broken = Broken({{"do", "reload"}}, [&] {
    ASSERT_TRUE(host_->Reload().Ok());
    (void)host_->SetValues("b", {Color(0.0, 0.0, 0.0)});
  });
  EXPECT_TRUE(broken.count(SequenceRules::kReloadKeeps));
}

TEST_F(RulesOnAPage, StaleFieldAndEmptyColourTextBreak) {
  EXPECT_EQ(Broken(kHueClickOfA, [&] { host_->FindGadget("a", 0x3EE0002)->SetData(host::Value::Float(0.01)); }),
            std::set<std::string>{SequenceRules::kFieldsAgree});
  EXPECT_TRUE(Broken(kHueClickOfA, [&] {
                host_->FindGadget("b", 0x3F40001)->SetData(host::Value::String(""));
              }).count(SequenceRules::kNoEmptyText));
}

}  // namespace
}  // namespace sequences
