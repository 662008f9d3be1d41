// `gxa-host run` and `render` as a user calls them: the example scenarios
// run to the end, a malformed one is refused with the step named, and a
// rendered page is a picture of the chooser.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "hostprocess.h"
#include "raster/bitmap.h"
#include "tempfolder.h"

namespace {

std::string Common(const TempFolder& t) {
  return "--module " + std::string(GXA_MODULE_PATH) + " --home " + t.Path().string();
}

TEST(RunVerbTest, ExampleScenariosRunToTheEnd) {
  for (const char* name : {"colorfield_dialog.json", "hsv_drag.json", "page_two_choosers.json", "first_steps.json",
                           "spectrum_square.json", "swatches_two_choosers.json"}) {
    TempFolder t;
    const HostRun r = RunHost("run " + std::string(GXA_TEST_DATA) + "/scenarios/" + name + " --out " +
                              t.Path().string() + " " + Common(t));
    EXPECT_EQ(r.status, 0) << name << "\n" << r.out;
    const auto doc = nlohmann::json::parse(r.out, nullptr, false);
    ASSERT_FALSE(doc.is_discarded()) << name << "\n" << r.out;
    EXPECT_FALSE(doc.contains("error")) << name;
    EXPECT_FALSE(doc["events"].empty()) << name;
  }
}

TEST(RunVerbTest, MalformedScenarioNamesTheStepAndRunsNothing) {
  TempFolder t;
  TempFolder::WriteText(t / "bad.json", R"({"steps": [{"do": "open", "id": "a"},
      {"do": "drag", "id": "a", "gadget": 65536002, "path": [[1, 1]]}]})");
  const HostRun r = RunHost("run " + (t / "bad.json").string() + " " + Common(t), true);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("step 1 (drag): 'path' needs at least two points"), std::string::npos) << r.out;
}

TEST(RunVerbTest, StepThatCannotBeCarriedOutStopsTheRun) {
  TempFolder t;
  TempFolder::WriteText(t / "missing.json", R"({"steps": [{"do": "open", "id": "a"},
      {"do": "click", "id": "a", "gadget": "0x3E80999"}, {"do": "get", "id": "a"}]})");
  const HostRun r = RunHost("run " + (t / "missing.json").string() + " " + Common(t));
  EXPECT_EQ(r.status, 1);
  const auto doc = nlohmann::json::parse(r.out, nullptr, false);
  ASSERT_FALSE(doc.is_discarded()) << r.out;
  EXPECT_EQ(doc["error"].get<std::string>().rfind("step 1 (click): chooser 'a' has no gadget 0x3E80999; near it: ", 0),
            0)
      << doc["error"];
  for (const auto& e : doc["events"]) EXPECT_NE(e["kind"], "value");  // step 2 never ran
}

// The pick takes the virtual desktop's pixel (x, y, 255 - (x + y) / 2) into
// the chooser whose button started it; Escape brings the colour back; a
// reload gives every chooser its value again.
TEST(RunVerbTest, PickGoesToTheChooserThatStartedItAndReloadKeepsValues) {
  TempFolder t;
  TempFolder::WriteText(t / "pick.json", R"({"steps": [
      {"do": "open", "id": "a", "settings": {"retT": 1}, "value": [0.2, 0.4, 0.6]},
      {"do": "open", "id": "b", "settings": {"retT": 1}, "value": [0.9, 0.9, 0.9]},
      {"do": "click", "id": "b", "gadget": "0x3E90009"},
      {"do": "pick", "x": 10, "y": 20},
      {"do": "click", "id": "a", "gadget": "0x3E90009"},
      {"do": "pick", "x": 100, "y": 100, "cancel": true},
      {"do": "pick", "x": 1, "y": 1},
      {"do": "reload"},
      {"do": "get", "id": "a"}, {"do": "get", "id": "b"}]})");
  const HostRun r = RunHost("run " + (t / "pick.json").string() + " " + Common(t));
  ASSERT_EQ(r.status, 0) << r.out;
  const auto doc = nlohmann::json::parse(r.out, nullptr, false);
  ASSERT_FALSE(doc.is_discarded()) << r.out;
  std::map<std::string, nlohmann::json> values;
  bool noPicker = false;
  for (const auto& e : doc["events"]) {
    if (e["kind"] == "value") values[e["id"]] = e["value"];
    if (e["kind"] == "pick") noPicker = e["step"] == 6 && e["outcome"] == "no picker";
  }
  EXPECT_TRUE(noPicker) << r.out;
  const double f = 1.0 / 255.0;
  ASSERT_EQ(values["b"].size(), 3u) << r.out;
  EXPECT_NEAR(values["b"][0].get<double>(), 10 * f, 1e-6);
  EXPECT_NEAR(values["b"][1].get<double>(), 20 * f, 1e-6);
  EXPECT_NEAR(values["b"][2].get<double>(), 240 * f, 1e-6);
  ASSERT_EQ(values["a"].size(), 3u) << r.out;
  EXPECT_NEAR(values["a"][0].get<double>(), 0.2, 1e-9);
  EXPECT_NEAR(values["a"][2].get<double>(), 0.6, 1e-9);
}

TEST(RunVerbTest, RenderWritesThePageAtTheDisplayScale) {
  TempFolder t;
  const HostRun one =
      RunHost("render --value 0.2,0.6,0.4 --width 300 --out " + (t / "one.png").string() + " " + Common(t));
  const HostRun two =
      RunHost("render --value 0.2,0.6,0.4 --width 300 --scale 2 --out " + (t / "two.png").string() + " " + Common(t));
  ASSERT_EQ(one.status, 0);
  ASSERT_EQ(two.status, 0);
  host::Bitmap a, b;
  std::string error;
  ASSERT_TRUE(a.Load(t / "one.png", error)) << error;
  ASSERT_TRUE(b.Load(t / "two.png", error)) << error;
  EXPECT_EQ(a.Width(), 300);
  EXPECT_EQ(b.Width(), 2 * a.Width());
  EXPECT_EQ(b.Height(), 2 * a.Height());
  EXPECT_EQ(RunHost("render --value 1,0,0,0.5 --out " + (t / "x.png").string() + " " + Common(t)).status, 2);
}

}  // namespace
