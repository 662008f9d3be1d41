// Scenario files: what a well-formed one becomes, and that every mistake is
// reported with the step it is in.
#include <gtest/gtest.h>

#include "automation/scenarioparser.h"
#include "core/fourcc.h"
#include "gxa_api.h"

namespace {

using host::ScenarioParser;

ScenarioParser Parser() {
  return ScenarioParser(host::ChooserSettings([](const std::string& s) -> std::optional<int32_t> {
    if (s == "NOBRIGHTNESS") return 0x1;
    if (s == "HIDEHEX") return 0x800000;
    return std::nullopt;
  }));
}

std::string ErrorOf(const std::string& text) {
  auto parsed = Parser().Parse(std::string(text));
  EXPECT_FALSE(parsed.Ok()) << text;
  return parsed.Ok() ? "" : parsed.Error();
}

constexpr const char* kOpen = R"({"do": "open", "id": "a"})";

std::string WithSteps(const std::string& steps) { return std::string(R"({"steps": [)") + kOpen + "," + steps + "]}"; }

TEST(ScenarioParserTest, ReadsSettingsValuesAndGestures) {
  auto parsed = Parser().Parse(std::string(R"({
    "prefs": {"1102": 2, "1133": true},
    "steps": [
      {"do": "open", "id": "light", "settings": {"retT": 2, "cfld": ["NOBRIGHTNESS", "HIDEHEX"], "ngpu": true},
       "objects": [{"color": [1, 0.5, 0], "brightness": 0.5, "max": 2}, [0, 0, 1]], "linear": [true, false]},
      {"do": "drag", "id": "light", "gadget": "0x3E80005", "path": [[1, 2], [30, 2]], "qualifiers": 3, "cancel": true},
      {"do": "key", "id": "light", "key": "PageUp"},
      {"do": "answer", "menu": null},
      {"do": "type", "id": "light", "gadget": 65536006, "text": "50", "commit": "tab"}
    ]})"));
  ASSERT_TRUE(parsed.Ok()) << parsed.Error();
  const host::Scenario& s = parsed.Value();
  EXPECT_EQ(s.prefs.GetInt32(1102), 2);
  ASSERT_EQ(s.steps.size(), 5u);

  const auto& open = std::get<host::OpenStep>(s.steps[0].action);
  EXPECT_EQ(open.spec.settings.GetInt32(host::FourCC("cfld")), 0x800001);
  EXPECT_TRUE(open.spec.settings.GetBool(host::FourCC("ngpu")));
  ASSERT_EQ(open.spec.objects.size(), 2u);
  EXPECT_DOUBLE_EQ(open.spec.objects[0].value.maximum, 2.0);
  EXPECT_TRUE(open.spec.objects[0].linear);
  EXPECT_DOUBLE_EQ(open.spec.objects[1].value.brightness, 1.0);  // a bare colour is full brightness

  const auto& drag = std::get<host::DragStep>(s.steps[1].action);
  EXPECT_EQ(drag.target.gadget, 0x3E80005);
  EXPECT_EQ(drag.path.size(), 2u);
  EXPECT_TRUE(drag.cancel);
  EXPECT_EQ(std::get<host::KeyStep>(s.steps[2].action).key, GXA_KEY_PGUP);
  EXPECT_FALSE(std::get<host::AnswerStep>(s.steps[3].action).answer.menuId.has_value());
  EXPECT_EQ(std::get<host::TypeStep>(s.steps[4].action).commit, host::InputDriver::Commit::Tab);
}

TEST(ScenarioParserTest, MistakesNameTheStep) {
  EXPECT_EQ(ErrorOf(WithSteps(R"({"do": "click", "id": "a", "gadget": 5, "colour": 1})")),
            "step 1 (click): unknown key 'colour'");
  EXPECT_EQ(ErrorOf(WithSteps(R"({"do": "drag", "id": "a", "gadget": 5, "path": [[1, 1]]})")),
            "step 1 (drag): 'path' needs at least two points, or one with 'onto'");
  EXPECT_EQ(ErrorOf(WithSteps(R"({"do": "drag", "id": "a", "gadget": 5, "onto": 3})")),
            "step 1 (drag): 'onto' is an object with 'id', 'gadget' and optionally 'x' and 'y'");
  EXPECT_EQ(ErrorOf(WithSteps(R"({"do": "drag", "id": "a", "gadget": 5, "onto": {"id": "a", "gadget": 6, "z": 1}})")),
            "step 1 (drag): 'onto': unknown key 'z'");
  EXPECT_EQ(ErrorOf(WithSteps(R"({"do": "click", "id": "b", "gadget": 5})")),
            "step 1 (click): no chooser 'b' was opened before this step");
  EXPECT_EQ(ErrorOf(WithSteps(R"({"do": "jump"})")).rfind("step 1 (jump): unknown step 'jump'", 0), 0u);
  EXPECT_EQ(ErrorOf(WithSteps(R"({"do": "set", "id": "a", "value": [1, 0, 0, 0.5]})")),
            "step 1 (set): 'value': [r, g, b, a] needs a parameter with alpha ('acol' 1)");
  EXPECT_EQ(ErrorOf(WithSteps(R"({"do": "click", "id": "a", "gadget": 5, "x": 3})")),
            "step 1 (click): give both 'x' and 'y', or neither (the gadget's centre)");
  EXPECT_EQ(ErrorOf(WithSteps(R"({"do": "answer", "menu": 900001, "yes": true})")),
            "step 1 (answer): give exactly one of 'menu', 'color', 'cancel', 'yes' or 'text'");
  EXPECT_EQ(ErrorOf(WithSteps(R"(7)")), "step 1: a step must be an object");
  EXPECT_EQ(ErrorOf(WithSteps(R"({"id": "a"})")), "step 1: 'do' is missing");
  EXPECT_EQ(ErrorOf(R"({"steps": [{"do": "open", "id": "a", "settings": {"cfld": ["NOSUCH"]}}]})"),
            "step 0 (open): setting 'cfld': unknown chooser flag 'NOSUCH'");
  EXPECT_EQ(ErrorOf(R"({"steps": [{"do": "open", "id": "a", "settings": {"retT": "two"}}]})"),
            "step 0 (open): setting 'retT': expects a whole number");
  EXPECT_EQ(ErrorOf(std::string(R"({"steps": [)") + kOpen + "," + kOpen + "]}"),
            "step 1 (open): a chooser 'a' is already open");
}

TEST(ScenarioParserTest, MistakesOutsideTheStepsNameTheirPlace) {
  EXPECT_EQ(ErrorOf(R"({"steps": [], "pref": {}})"), "scenario: unknown key 'pref'");
  EXPECT_EQ(ErrorOf(R"({"prefs": {"x": 1}, "steps": []})").rfind("scenario: 'prefs': 'x' is not an entry ID", 0), 0u);
  EXPECT_EQ(ErrorOf(R"({"steps": {}})"), "scenario: 'steps' must be an array");
  EXPECT_EQ(ErrorOf(R"({"steps": [)").rfind("scenario is not JSON", 0), 0u);
}

}  // namespace
