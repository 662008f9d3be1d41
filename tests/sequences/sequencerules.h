#pragma once
// What must hold on the page after every step of use, whatever the step
// was: each gadget ID once in a chooser; every visible gadget inside its
// chooser with a size; the colour field and every number field showing the
// chooser's value within the rounding of their units; no colour text left
// empty; every live change ('medr' 1) ended by a final one ('medr' 0); a
// chooser that no step touched keeps its value (mode buttons and preference
// changes touch none) (a pick belongs to the
// chooser that started it, text left in a field to the chooser that has the
// focus); a reload brings back the same values; the OKLCh panel's lightness
// agrees with the value too.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "automation/automationhost.h"
#include "automation/transcriptjson.h"

namespace sequences {

struct Broken {
  std::string rule;
  std::string detail;
};

class SequenceRules {
 public:
  static constexpr const char* kUniqueIds = "each gadget ID once in a chooser";
  static constexpr const char* kInside = "visible gadgets inside their chooser";
  static constexpr const char* kFieldsAgree = "fields show the chooser's value";
  static constexpr const char* kColorField = "the colour field shows the chooser's value";
  static constexpr const char* kNoEmptyText = "no colour text is empty";
  static constexpr const char* kLiveChangeEnds = "every live change ends";
  static constexpr const char* kUntouchedKept = "choosers no step acted on keep their values";
  static constexpr const char* kReloadKeeps = "a reload keeps the values";

  // Whether a screen pick runs: its windows then cover the screen.
  static bool PickUnderWay();

  // Before a step: what it may not change.
  void Before(host::AutomationHost& host, const host::OrderedJson& step);
  // After it: the rules the page breaks; messages the choosers sent their
  // parent from index firstMessage on came from the step.
  std::vector<Broken> After(host::AutomationHost& host, const host::OrderedJson& step, size_t firstMessage);

 private:
  std::optional<Broken> Gadgets(host::AutomationHost& host, const std::string& key);
  std::optional<Broken> Fields(host::AutomationHost& host, const std::string& key);
  std::optional<Broken> Field(host::AutomationHost& host, const std::string& key);
  std::optional<Broken> LiveChanges(host::AutomationHost& host, size_t firstMessage);
  std::optional<Broken> Values(host::AutomationHost& host, const host::OrderedJson& step);

  std::map<std::string, host::ColorValue> before_;
  std::string picking_;  // the chooser whose pick runs
  bool pickedBefore_ = false;
  std::string focused_;  // the chooser that had the focus before the step
};

}  // namespace sequences
