// Laying the chooser out again, as `gxa-host run` scenarios drive it: mode
// toggles and the picture's own relayouts leave one set of gadgets, each
// inside the chooser; a panel goes with its mode and comes back new; and a
// hex field built anew is never blank.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "hostprocess.h"
#include "tempfolder.h"
#include "testpictures.h"

namespace
{
using nlohmann::json;

constexpr const char* kOuterGroup = "0x3E80001";
constexpr const char* kHexField = "0x3F40001";

json RunScenarioFile(const std::string& path)
{
  TempFolder home;
  const HostRun r = RunHost("run " + path + " --module " + GXA_MODULE_PATH + " --home " + home.Path().string());
  EXPECT_EQ(r.status, 0) << path << "\n" << r.out;
  json doc = json::parse(r.out, nullptr, false);
  EXPECT_FALSE(doc.is_discarded()) << path << "\n" << r.out;
  return doc.is_discarded() ? json::object({{"events", json::array()}}) : doc;
}

// One of the kept scenarios.
json RunScenario(const std::string& name)
{
  return RunScenarioFile(std::string(GXA_TEST_DATA) + "/scenarios/" + name);
}

std::vector<json> EventsOf(const json& doc, const std::string& kind)
{
  std::vector<json> events;
  for (const json& e : doc["events"])
  {
    if (e["kind"] == kind)
      events.push_back(e);
  }
  return events;
}

bool Inside(const json& frame, const json& outer)
{
  const int x = frame[0], y = frame[1], w = frame[2], h = frame[3];
  const int ox = outer[0], oy = outer[1], ow = outer[2], oh = outer[3];
  return x >= ox && y >= oy && x + w <= ox + ow && y + h <= oy + oh;
}

// Every gadget once, with a size, inside the chooser's outer group.
void ExpectOneSetOfGadgets(const json& listing)
{
  const int step = listing["step"];
  std::map<std::string, int> seen;
  json outer;
  for (const json& g : listing["gadgets"])
  {
    ++seen[g["gadget"].get<std::string>()];
    if (g["gadget"] == kOuterGroup)
      outer = g["frame"];
  }
  for (const auto& [id, count] : seen)
    EXPECT_EQ(count, 1) << "step " << step << ": " << id << " appears " << count << " times";
  ASSERT_TRUE(outer.is_array()) << "step " << step;
  for (const json& g : listing["gadgets"])
  {
    EXPECT_TRUE(Inside(g["frame"], outer)) << "step " << step << ": " << g["gadget"] << " at " << g["frame"];
    EXPECT_GT(g["frame"][2].get<int>() * g["frame"][3].get<int>(), 0) << "step " << step << ": " << g["gadget"];
  }
}

// The gadget listings of a run, each checked as above.
std::vector<json> CheckedListings(const json& doc)
{
  const std::vector<json> listings = EventsOf(doc, "gadgets");
  for (const json& listing : listings)
    ExpectOneSetOfGadgets(listing);
  return listings;
}

std::set<std::string> PanelsOf(const json& listing)
{
  std::set<std::string> panels;
  for (const json& g : listing["gadgets"])
    panels.insert(g["panel"].get<std::string>());
  return panels;
}

std::string TextOf(const json& listing, const std::string& id)
{
  for (const json& g : listing["gadgets"])
  {
    if (g["gadget"] == id)
      return g.value("text", std::string());
  }
  return "(missing)";
}

TEST(ChooserRelayoutTest, APanelExistsOnceWhileItsModeIsOnAndGoesWithIt)
{
  const std::vector<json> listings = CheckedListings(RunScenario("panels_mode_toggles.json"));
  ASSERT_EQ(listings.size(), 6u);

  const std::set<std::string> start = PanelsOf(listings[0]);
  EXPECT_TRUE(start.count("HSV") && start.count("hex"));
  EXPECT_FALSE(start.count("swatches") || start.count("picture"));
  for (std::size_t i = 2; i < 5; ++i)
    EXPECT_TRUE(PanelsOf(listings[i]).count("picture")) << i;
  const std::set<std::string> last = PanelsOf(listings.back());
  EXPECT_FALSE(last.count("picture"));
  EXPECT_TRUE(last.count("HSV") && last.count("hex") && last.count("swatches"));
  EXPECT_EQ(TextOf(listings.back(), kHexField), "CC4D1A");
}

TEST(ChooserRelayoutTest, MosaicTogglesKeepOneSetOfGadgetsBelowThePicture)
{
  const std::vector<json> listings = CheckedListings(RunScenario("panels_mosaic_toggles.json"));
  ASSERT_EQ(listings.size(), 4u);
  for (const json& listing : listings)
    EXPECT_EQ(TextOf(listing, kHexField), "CC4D1A") << listing["step"];
  // The level slider stands in for the sample size while the mosaic is on.
  EXPECT_EQ(TextOf(listings[1], "0x3EC0001"), "");
  EXPECT_EQ(TextOf(listings[2], "0x3EC0001"), "(missing)");
  EXPECT_NE(TextOf(listings[2], "0x3EC0006"), "(missing)");
}

TEST(ChooserRelayoutTest, AHexFieldBuiltAnewShowsTheLastAcceptedTextAndStillIgnoresColourUpdates)
{
  const json doc = RunScenario("hex_commit_relayout.json");
  const std::vector<json> reads = EventsOf(doc, "gadget");
  ASSERT_EQ(reads.size(), 3u);
  EXPECT_EQ(reads[0]["text"], "33aa66");
  EXPECT_EQ(reads[1]["text"], "33aa66") << "after the relayout";
  EXPECT_EQ(reads[2]["text"], "33aa66") << "after the host set another colour";
  const std::vector<json> values = EventsOf(doc, "value");
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0]["value"], json::array({0.1, 0.2, 0.9}));
}

TEST(ChooserRelayoutTest, APanelWhoseModeGoesOffComesBackNewAndFollowsTheColourAgain)
{
  const json doc = RunScenario("hex_mode_off_on.json");
  const std::vector<json> listings = CheckedListings(doc);
  ASSERT_EQ(listings.size(), 2u);
  EXPECT_FALSE(PanelsOf(listings[0]).count("hex"));
  // The committed "33aa66" went with the old panel; the new one shows the colour.
  EXPECT_EQ(TextOf(listings[1], kHexField), "33AA66");
  const std::vector<json> reads = EventsOf(doc, "gadget");
  ASSERT_EQ(reads.size(), 1u);
  EXPECT_EQ(reads[0]["text"], "1A33E6");
}

TEST(ChooserRelayoutTest, APictureThatComesBackWithItsModeLoadsIntoOneSetOfGadgets)
{
  TempFolder folder;
  const auto picture = folder.Path() / "ramp.png";
  const auto bytes = testpictures::Png(64, 48, [](int x, int y) { return testpictures::Rgb8(x * 4, y * 5, 128); });
  std::ofstream(picture, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  auto modeButton = [](int x) {
    return json{{"do", "click"}, {"id", "c"}, {"gadget", "0x3E8000C"}, {"x", x}, {"y", 11}};
  };
  const json gadgets = {{"do", "gadgets"}, {"id", "c"}};
  const json scenario = {{"prefs", {{"1119", 3}, {"1111", true}, {"1113", true}}},
                         {"steps",
                          {{{"do", "open"}, {"id", "c"}, {"value", {0.8, 0.3, 0.1}}},
                           {{"do", "type"}, {"id", "c"}, {"gadget", "0x3EC0002"}, {"text", picture.string()}},
                           gadgets,
                           modeButton(72),
                           gadgets,
                           modeButton(100),
                           gadgets}}};
  std::ofstream(folder.Path() / "s.json") << scenario.dump();
  const json doc = RunScenarioFile((folder.Path() / "s.json").string());
  const std::vector<json> listings = CheckedListings(doc);
  ASSERT_EQ(listings.size(), 3u);
  EXPECT_TRUE(PanelsOf(listings[0]).count("picture"));
  EXPECT_TRUE(PanelsOf(listings[1]).count("spectrum"));
  EXPECT_FALSE(PanelsOf(listings[1]).count("picture"));
  EXPECT_EQ(TextOf(listings[2], "0x3EC0002"), picture.string());
  // The new panel loads the stored picture again, while it lays itself out.
  std::vector<int> loads;
  for (const json& e : EventsOf(doc, "progress"))
    loads.push_back(e["step"]);
  EXPECT_EQ(loads, (std::vector<int>{1, 5}));
}
}  // namespace
