// A scripted run that opens a large picture: the transcript shows the load's
// progress climbing to 100, and a second run of the same scenario prints the
// same transcript and writes the same picture, although the picture loads on
// a worker thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "hostprocess.h"
#include "tempfolder.h"
#include "testpictures.h"

namespace {

std::string Slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(PictureLoadRun, AScriptedLoadShowsItsProgressAndRunsTheSameEveryTime) {
  TempFolder folder;
  const auto photo = folder.Path() / "photo.jpg";
  testpictures::JpegOptions progressive;
  progressive.progressive = true;
  const auto bytes = testpictures::Jpeg(
      240, 1600, [](int x, int y) { return testpictures::PhotoLike(x, y, 240, 1600); }, progressive);
  std::ofstream(photo, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  const nlohmann::json scenario = {{"prefs", {{"1119", 3}}},
                                   {"steps",
                                    {{{"do", "open"}, {"id", "c"}, {"value", {0.5, 0.5, 0.5}}},
                                     {{"do", "type"}, {"id", "c"}, {"gadget", "0x3EC0002"}, {"text", photo.string()}},
                                     {{"do", "get"}, {"id", "c"}},
                                     {{"do", "screenshot"}, {"id", "c"}, {"file", "chooser.png"}}}}};
  std::ofstream(folder.Path() / "load.json") << scenario.dump();

  auto run = [&](const std::string& out) {
    std::filesystem::create_directories(folder.Path() / out);
    return RunHost("run " + (folder.Path() / "load.json").string() + " --out " + (folder.Path() / out).string() +
                   " --module " + std::string(GXA_MODULE_PATH) + " --home " + folder.Path().string());
  };
  const HostRun first = run("one");
  ASSERT_EQ(first.status, 0) << first.out;
  const auto doc = nlohmann::json::parse(first.out, nullptr, false);
  ASSERT_FALSE(doc.is_discarded()) << first.out;
  std::vector<nlohmann::json> loads;
  for (const auto& e : doc["events"])
    if (e["kind"] == "progress") loads.push_back(e);
  ASSERT_EQ(loads.size(), 1u) << first.out;
  EXPECT_EQ(loads[0]["text"], "Loading photo.jpg");
  EXPECT_EQ(loads[0]["outcome"], "done");
  const std::vector<int> percents = loads[0]["percents"].get<std::vector<int>>();
  EXPECT_GT(percents.size(), 20u);
  EXPECT_TRUE(std::adjacent_find(percents.begin(), percents.end(), std::greater_equal<int>()) == percents.end());
  EXPECT_EQ(percents.back(), 100);

  const HostRun second = run("two");
  ASSERT_EQ(second.status, 0) << second.out;
  EXPECT_EQ(second.out, first.out);
  const std::string shot = Slurp(folder.Path() / "one" / "chooser.png");
  EXPECT_GT(shot.size(), 1000u);
  EXPECT_EQ(Slurp(folder.Path() / "two" / "chooser.png"), shot);
}

}  // namespace
