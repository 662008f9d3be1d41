// The perceptual colour tools in a scripted run: the transcript lists the
// colour-vision submenu with its entries, a scripted answer chooses inside
// it, and the chooser's state keeps the choice.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "hostprocess.h"
#include "tempfolder.h"

namespace {
nlohmann::json RunWith(const std::string& prefs) {
  TempFolder t;
  TempFolder::WriteText(t / "vision.json", R"({"steps": [
      {"do": "prefs", "set": )" + prefs + R"(},
      {"do": "open", "id": "a", "value": [0.9, 0.2, 0.1]},
      {"do": "answer", "menu": 900113},
      {"do": "click", "id": "a", "gadget": "0x3F10005", "x": 5, "y": 5, "channel": 2},
      {"do": "state", "id": "a"}]})");
  const HostRun r = RunHost("run " + (t / "vision.json").string() + " --module " + std::string(GXA_MODULE_PATH) +
                            " --home " + t.Path().string());
  EXPECT_EQ(r.status, 0) << r.out;
  return nlohmann::json::parse(r.out, nullptr, false);
}

const nlohmann::json* EventOf(const nlohmann::json& doc, const std::string& kind) {
  for (const auto& e : doc["events"])
    if (e["kind"] == kind) return &e;
  return nullptr;
}

TEST(ScriptedRun, TranscriptListsTheSubmenuAndTheStateKeepsTheChoice) {
  const nlohmann::json doc = RunWith(R"({"1039500": true, "1116": true, "1117": false})");
  ASSERT_FALSE(doc.is_discarded());
  const nlohmann::json* menu = EventOf(doc, "menu");
  ASSERT_NE(menu, nullptr) << doc.dump();
  EXPECT_EQ((*menu)["chosen"], 900113);
  const nlohmann::json& last = (*menu)["entries"].back();
  EXPECT_EQ(last["id"], 900100);
  EXPECT_EQ(last["text"], "Color Vision");
  ASSERT_EQ(last["entries"].size(), 9u);
  EXPECT_EQ(last["entries"][3]["text"], "Tritanopia");
  const nlohmann::json* state = EventOf(doc, "state");
  ASSERT_NE(state, nullptr) << doc.dump();
  EXPECT_NE(state->dump().find("\"0x3E80020\":3"), std::string::npos) << state->dump();
}

TEST(ScriptedRun, WithoutTheToolsTheAnswerIsRefusedAndNothingIsStored) {
  const nlohmann::json doc = RunWith(R"({"1039500": false, "1116": true, "1117": false})");
  ASSERT_FALSE(doc.is_discarded());
  const nlohmann::json* menu = EventOf(doc, "menu");
  ASSERT_NE(menu, nullptr) << doc.dump();
  EXPECT_EQ((*menu)["chosen"], 0);
  for (const auto& entry : (*menu)["entries"]) EXPECT_FALSE(entry.contains("entries")) << entry.dump();
  EXPECT_EQ(EventOf(doc, "state")->dump().find("\"0x3E80020\""), std::string::npos);
}
}  // namespace
