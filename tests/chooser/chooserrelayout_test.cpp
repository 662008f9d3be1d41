// Laying the chooser out again, as `gxa-host run` scenarios drive it: mode
// toggles and the picture's own relayouts leave one set of gadgets, each
// inside the chooser, and a hex field built anew is never blank.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "hostprocess.h"
#include "tempfolder.h"

namespace
{
using nlohmann::json;

constexpr const char* kOuterGroup = "0x3E80001";
constexpr const char* kHexField = "0x3F40001";

json RunScenario(const std::string& name)
{
  TempFolder home;
  const HostRun r = RunHost("run " + std::string(GXA_TEST_DATA) + "/scenarios/" + name + " --module " +
                            GXA_MODULE_PATH + " --home " + home.Path().string());
  EXPECT_EQ(r.status, 0) << name << "\n" << r.out;
  json doc = json::parse(r.out, nullptr, false);
  EXPECT_FALSE(doc.is_discarded()) << name << "\n" << r.out;
  return doc.is_discarded() ? json::object({{"events", json::array()}}) : doc;
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

// The scenario's gadget listings, each checked as above.
std::vector<json> CheckedListings(const std::string& scenario)
{
  const std::vector<json> listings = EventsOf(RunScenario(scenario), "gadgets");
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
  const std::vector<json> listings = CheckedListings("panels_mode_toggles.json");
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
  const std::vector<json> listings = CheckedListings("panels_mosaic_toggles.json");
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
}  // namespace
