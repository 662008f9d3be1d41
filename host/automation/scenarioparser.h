#pragma once
// Reads a scenario file. Every problem is reported with the step it is in
// ("step 4 (drag): 'path' needs at least two points"), and unknown keys are
// problems too, so a misspelt step never runs as something else. Steps are
// checked against the choosers opened before them: a value must fit the
// opened parameter's form, and a step may only name an opened chooser.
#include <map>
#include <optional>
#include <string>

#include "automation/choosersettings.h"
#include "automation/jsonfields.h"
#include "automation/scenario.h"
#include "core/outcome.h"

namespace host {

class ScenarioParser {
 public:
  explicit ScenarioParser(ChooserSettings settings) : settings_(std::move(settings)) {}

  Outcome<Scenario> Parse(const std::string& text);
  Outcome<Scenario> Parse(const OrderedJson& document);

 private:
  std::optional<StepAction> Step(const std::string& kind, JsonFields& f);
  std::optional<StepAction> Open(JsonFields& f);
  std::optional<StepAction> Set(JsonFields& f);
  std::optional<StepAction> Prefs(JsonFields& f);
  std::optional<StepAction> Click(JsonFields& f);
  std::optional<StepAction> Drag(JsonFields& f);
  bool Onto(const OrderedJson& onto, DragStep& step, JsonFields& f);
  std::optional<StepAction> Wheel(JsonFields& f);
  std::optional<StepAction> Key(JsonFields& f);
  std::optional<StepAction> Type(JsonFields& f);
  std::optional<StepAction> Answer(JsonFields& f);
  std::optional<StepAction> Screenshot(JsonFields& f);
  std::optional<StepAction> Pick(JsonFields& f);

  // The opened chooser that "id" names.
  std::optional<std::string> Chooser(JsonFields& f, bool required = true);
  std::optional<GadgetTarget> Target(JsonFields& f, bool gadgetRequired);
  std::optional<Point> At(JsonFields& f);
  std::optional<int32_t> Channel(JsonFields& f);
  std::optional<int32_t> Qualifiers(JsonFields& f);
  // "value" or "objects" in the form of the chooser.
  std::optional<std::vector<ColorValue>> Values(JsonFields& f, ColorForm form, bool required);
  std::optional<std::vector<bool>> Linear(JsonFields& f, size_t objects);

  ChooserSettings settings_;
  std::map<std::string, ColorForm> opened_;
};

}  // namespace host
