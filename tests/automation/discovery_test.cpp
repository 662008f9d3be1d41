// What a new user learns from the program itself: the gadgets of a chooser
// (a scenario step, render --list-gadgets, the neighbours named when an ID
// is wrong), the keys and preferences with their meanings in `info`, real
// help for every verb, warnings for valid but surprising input, and a
// window that gives up on a display it cannot open.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <string>

#include "hostcommand.h"
#include "tempfolder.h"

namespace {

using nlohmann::json;

std::string Common(const TempFolder& t) {
  return "--module " + std::string(GXA_MODULE_PATH) + " --home " + (t / "home").string();
}

CommandResult RunScenario(const TempFolder& t, const std::string& text, HostStreams streams = HostStreams::Out) {
  TempFolder::WriteText(t / "s.json", text);
  return RunHostCommand("run " + (t / "s.json").string() + " " + Common(t), streams);
}

json Events(const CommandResult& r, const char* kind) {
  json found = json::array();
  const json doc = json::parse(r.out, nullptr, false);
  if (doc.is_discarded()) return found;
  for (const json& e : doc["events"]) {
    if (e["kind"] == kind) found.push_back(e);
  }
  return found;
}

const json* GadgetIn(const json& list, const std::string& id) {
  for (const json& g : list) {
    if (g["gadget"] == id) return &g;
  }
  return nullptr;
}

TEST(DiscoveryTest, GadgetsStepListsEveryGadgetWithItsPanelAndFrame) {
  TempFolder t;
  const CommandResult r = RunScenario(t, R"({"steps": [
      {"do": "open", "id": "tint", "settings": {"acol": 1}, "value": [0.2, 0.5, 0.9, 0.4]},
      {"do": "gadgets", "id": "tint"}]})");
  ASSERT_EQ(r.status, 0) << r.out;
  const json listed = Events(r, "gadgets");
  ASSERT_EQ(listed.size(), 1u) << r.out;
  const json& gadgets = listed[0]["gadgets"];
  const json* field = GadgetIn(gadgets, "0x3E80002");
  const json* hex = GadgetIn(gadgets, "0x3F40001");
  ASSERT_NE(field, nullptr) << gadgets.dump();
  ASSERT_NE(hex, nullptr) << gadgets.dump();
  EXPECT_EQ((*field)["panel"], "chooser");
  EXPECT_EQ((*hex)["panel"], "hex");
  EXPECT_TRUE((*hex)["text"].is_string());
  // The chooser has alpha, so the alpha panel is listed too.
  bool alpha = false;
  for (const json& g : gadgets) alpha = alpha || g["panel"] == "alpha";
  EXPECT_TRUE(alpha) << gadgets.dump();
  // Frames are from the chooser's corner: the colour field starts near it
  // and every gadget has a size.
  EXPECT_LT((*field)["frame"][0].get<int>(), 20);
  EXPECT_LT((*field)["frame"][1].get<int>(), 20);
  for (const json& g : gadgets) {
    EXPECT_GE(g["frame"][2].get<int>(), 0) << g.dump();
    EXPECT_TRUE(std::regex_match(g["gadget"].get<std::string>(), std::regex("0x[0-9A-F]+"))) << g.dump();
  }
}

TEST(DiscoveryTest, WrongGadgetNamesTheGadgetsNearIt) {
  TempFolder t;
  const CommandResult r = RunScenario(t, R"({"steps": [{"do": "open", "id": "a"},
      {"do": "click", "id": "a", "gadget": "0x3E80099"}]})",
                                      HostStreams::Errors);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("has no gadget 0x3E80099; near it: 0x3E8"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("('gadgets' lists them all)"), std::string::npos) << r.out;
}

TEST(DiscoveryTest, RenderListsGadgetsWithoutWritingAPicture) {
  TempFolder t;
  const CommandResult r = RunHostCommand("render --list-gadgets " + Common(t));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out.rfind("chooser 'color':\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("  0x3E80002  "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("  hex  "), std::string::npos) << r.out;
}

TEST(DiscoveryTest, RunOpensChoosersExpandedUnlessTheSettingsSayOtherwise) {
  TempFolder t;
  const CommandResult expanded = RunScenario(t, R"({"steps": [{"do": "open", "id": "a"},
      {"do": "read", "id": "a", "gadget": "0x3F40001"}]})");
  EXPECT_EQ(expanded.status, 0) << expanded.out;
  EXPECT_EQ(Events(expanded, "gadget").size(), 1u) << expanded.out;
  const CommandResult collapsed = RunScenario(t, R"({"steps": [{"do": "open", "id": "a", "settings": {"laym": 0}},
      {"do": "read", "id": "a", "gadget": "0x3F40001"}]})");
  EXPECT_EQ(collapsed.status, 1) << collapsed.out;
}

TEST(DiscoveryTest, InfoNamesSettingsKeysPreferencesAndLibraries) {
  TempFolder t;
  const CommandResult r = RunHostCommand("info --json " + Common(t));
  ASSERT_EQ(r.status, 0);
  const json info = json::parse(r.out, nullptr, false);
  ASSERT_FALSE(info.is_discarded()) << r.out;
  std::set<std::string> keys;
  for (const json& k : info["settings_keys"]) keys.insert(k["key"].get<std::string>());
  for (const char* k :
       {"cfld", "retT", "acol", "iccc", "posw", "posh", "algn", "laym", "defh", "ngpu", "nols", "slda"}) {
    EXPECT_TRUE(keys.count(k)) << k;
  }
  bool unit = false;
  for (const json& p : info["world_preferences"]) {
    EXPECT_FALSE(p["meaning"].get<std::string>().empty()) << p.dump();
    if (p["id"] != 1102) continue;
    unit = true;
    EXPECT_EQ(p["now"], 1);  // 8-bit by default
    EXPECT_EQ(p["values"].size(), 3u);
  }
  EXPECT_TRUE(unit);
  bool colortools = false;
  for (const json& l : info["libraries"]) colortools = colortools || (l["id"] == 1036596 && l["name"] == "colortools");
  EXPECT_TRUE(colortools) << info["libraries"].dump();
  // A line a first run prints and a user would worry about is explained.
  for (const json& d : info["diagnostics"]) {
    if (d["text"].get<std::string>().find("Presets not registered") != std::string::npos) {
      EXPECT_TRUE(d.contains("note"));
    }
  }
}

TEST(DiscoveryTest, EveryVerbExplainsEachOptionOfItsUsage) {
  const CommandResult overview = RunHostCommand("--help");
  ASSERT_EQ(overview.status, 0);
  std::smatch m;
  std::string rest = overview.out;
  std::vector<std::string> verbs;
  while (std::regex_search(rest, m, std::regex("\n  ([a-z]+) "))) {
    verbs.push_back(m[1]);
    rest = m.suffix();
  }
  ASSERT_GE(verbs.size(), 6u) << overview.out;
  for (const std::string& verb : verbs) {
    const CommandResult help = RunHostCommand(verb + " --help");
    EXPECT_EQ(help.status, 0) << verb;
    EXPECT_EQ(RunHostCommand(verb + " -h").out, help.out) << verb;
    EXPECT_EQ(RunHostCommand("help " + verb).out, help.out) << verb;
    const std::string usage = help.out.substr(0, help.out.find('\n'));
    EXPECT_EQ(usage.rfind("usage: gxa-host " + verb, 0), 0u) << help.out;
    // Every option of the usage line has a line of its own below it.
    std::string options = usage;
    while (std::regex_search(options, m, std::regex("(--[a-z-]+)"))) {
      EXPECT_NE(help.out.find("\n  " + m[1].str()), std::string::npos) << verb << " does not explain " << m[1];
      options = m.suffix();
    }
    if (usage.find("[host options]") != std::string::npos) {
      EXPECT_NE(help.out.find("\n  --api-version N"), std::string::npos) << verb;
    }
  }
  const CommandResult version = RunHostCommand("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("gxa-host ", 0), 0u) << version.out;
}

TEST(DiscoveryTest, ValidButSurprisingInputIsUsedWithAWarning) {
  TempFolder t;
  const std::filesystem::path out = t / "made/chooser.jpg";
  const CommandResult r =
      RunHostCommand("render --settings retT=9 --prefs 4242=1 --prefs 1102=7 --out " + out.string() + " " + Common(t),
                     HostStreams::Errors);
  EXPECT_EQ(r.status, 0) << r.out;
  for (const char* said : {"setting 'retT' is 9, none of 0, 1, 2; the chooser takes it as any other value",
                           "preference 4242 is not one the chooser reads", "preference 1102 is 7", "making the folder",
                           "gets a PNG picture whatever its name says"}) {
    EXPECT_NE(r.out.find(said), std::string::npos) << said << "\n" << r.out;
  }
  const std::vector<uint8_t> bytes = TempFolder::ReadBytes(out);
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ(bytes[1], 'P');
  EXPECT_EQ(bytes[2], 'N');

  const CommandResult run = RunScenario(t, R"({"prefs": {"1119": 9}, "steps": [
      {"do": "open", "id": "a", "settings": {"retT": 9}}]})",
                                        HostStreams::Errors);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("warning: " + (t / "s.json").string() + ": prefs: preference 1119 is 9"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("step 0 (open): setting 'retT' is 9"), std::string::npos) << run.out;
  // Values with a meaning of their own pass without a word.
  EXPECT_EQ(
      RunHostCommand("render --settings retT=2 --prefs 1102=0 --list-gadgets " + Common(t), HostStreams::Errors).out,
      "");
}

TEST(DiscoveryTest, CallWithoutAnEntryListsTheEntries) {
  TempFolder t;
  const CommandResult r = RunHostCommand("call colortools " + Common(t));
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("KelvinToColor"), std::string::npos) << r.out;
}

TEST(DiscoveryTest, ViewGivesUpOnADisplayThatCannotBeOpened) {
  TempFolder t;
  // No X server listens on this display; the view must not wait for one.
  const CommandResult r =
      RunHostCommand("view " + Common(t), HostStreams::Errors, "DISPLAY=:97 WAYLAND_DISPLAY= SDL_VIDEODRIVER=");
  EXPECT_EQ(r.status, 2) << r.out;
  EXPECT_NE(r.out.find("cannot be opened"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("gxa-host render --page demo"), std::string::npos) << r.out;
}

}  // namespace
