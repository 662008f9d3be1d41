// gxa-host call swatchdata|swatchgroup, run as a user runs it: changes land
// in the preferences and the document on disk and the next call sees them.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tempfolder.h"

namespace {

struct CallResult {
  int status = -1;
  std::string out, err;
  nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

CallResult Call(const std::string& args, const TempFolder& dir) {
  const std::string cmd = std::string(GXA_HOST_EXE) + " call " + args + " --home " + dir.Path().string() + " >" +
                          (dir / "out").string() + " 2>" + (dir / "err").string();
  const int raw = std::system(cmd.c_str());
  CallResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  auto out = TempFolder::ReadBytes(dir / "out");
  auto err = TempFolder::ReadBytes(dir / "err");
  r.out.assign(out.begin(), out.end());
  r.err.assign(err.begin(), err.end());
  return r;
}

TEST(SwatchCall, ChangesReachTheDocumentAndThePreferencesOnDisk) {
  TempFolder dir;
  CallResult made = Call("swatchdata CreateGroup 1 Warm 0 0 1 0.5 0 1 0.9 0.2 0.1 0.5 --json", dir);
  ASSERT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(made.Json()["result"], true);
  EXPECT_TRUE(std::filesystem::exists(dir / "data/gxa-host/demo.gxd"));

  CallResult group = Call("swatchdata GroupAt 0 1 --json", dir);
  ASSERT_EQ(group.status, 0) << group.err;
  const auto g = group.Json()["result"];
  EXPECT_EQ(g["name"], "Warm");
  ASSERT_EQ(g["colors"].size(), 2u);
  EXPECT_EQ(g["colors"][1]["rgba"][3], 0.5);

  CallResult sorted = Call("swatchgroup SortColors 1 0 --json", dir);
  ASSERT_EQ(sorted.status, 0) << sorted.err;
  // Hue first: the red-orange comes before the orange.
  EXPECT_EQ(sorted.Json()["group"]["colors"][0]["rgba"][0], 0.9);

  // The defaults were written to the preferences by the first call.
  CallResult global = Call("swatchgroup GetColorCount 0 0", dir);
  ASSERT_EQ(global.status, 0) << global.err;
  EXPECT_EQ(global.out, "14\n");

  TempFolder other;
  const std::string doc = (other / "other.gxd").string();
  ASSERT_EQ(Call("swatchdata CreateGroup 1 Cold 0 0 0 0 1 1 --doc " + doc, dir).status, 0);
  CallResult merged = Call("swatchdata Merge " + doc + " 0 --json", dir);
  ASSERT_EQ(merged.status, 0) << merged.err;
  EXPECT_EQ(merged.Json()["data"]["document"].size(), 2u);
}

TEST(SwatchCall, WrongArgumentsNameTheEntryAndChangeNothing) {
  TempFolder dir;
  CallResult few = Call("swatchdata GroupAt 0", dir);
  EXPECT_EQ(few.status, 2);
  EXPECT_NE(few.err.find("usage: gxa-host call swatchdata GroupAt INDEX COLLECTION"), std::string::npos) << few.err;
  CallResult colours = Call("swatchgroup AddColors 1 0 0 1 0 0.5 0.5", dir);
  EXPECT_EQ(colours.status, 2);
  EXPECT_NE(colours.err.find("four numbers"), std::string::npos) << colours.err;
  CallResult unknown = Call("swatchgroup Paint 0 0", dir);
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("unknown swatchgroup entry 'Paint'"), std::string::npos) << unknown.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "data/gxa-host/demo.gxd"));

  CallResult missing = Call("swatchgroup GetName 1 5 --json", dir);
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("there is no group 5 in collection 1"), std::string::npos) << missing.err;
}

}  // namespace

TEST(SwatchCall, NumbersAreReadWholeOrRefused) {
  TempFolder dir;
  // A trailing letter, a leading space, a value past int32 and one past double all stop the call.
  for (const char* args : {"swatchdata GroupCount 1x", "swatchdata GroupCount ' 1'", "swatchdata GroupCount 4294967297",
                           "swatchdata GroupCount +1", "swatchgroup AddColor 1 0 1e400 0 0 1 0 0",
                           "swatchgroup AddColor 1 0 0.5z 0 0 1 0 0", "swatchgroup AddColor 1 0 nan 0 0 1 0 0"}) {
    CallResult r = Call(args, dir);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("usage: gxa-host call"), std::string::npos) << args << ": " << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "data/gxa-host/demo.gxd"));
  // A value too small for a double is still a number: it reaches the group as 0.
  ASSERT_EQ(Call("swatchdata CreateGroup 1 Tiny 0 0", dir).status, 0);
  CallResult tiny = Call("swatchgroup AddColor 1 0 1e-400 5e-324 1 1 0 0 --json", dir);
  ASSERT_EQ(tiny.status, 0) << tiny.err;
  EXPECT_EQ(tiny.Json()["group"]["colors"].size(), 1u);
}

TEST(SwatchCall, AnUnreadableOtherDocumentLeavesTheSwatchesAlone) {
  TempFolder dir;
  ASSERT_EQ(Call("swatchdata CreateGroup 1 Keep 0 0 0.2 0.4 0.6 1", dir).status, 0);
  const auto before = TempFolder::ReadBytes(dir / "data/gxa-host/demo.gxd");
  TempFolder other;
  TempFolder::WriteBytes(other / "damaged.gxd", {'n', 'o', 't', ' ', 'a', ' ', 'd', 'o', 'c'});
  for (const std::string& doc : {(other / "missing.gxd").string(), (other / "damaged.gxd").string()}) {
    CallResult copied = Call("swatchdata CopyFrom " + doc, dir);
    EXPECT_EQ(copied.status, 1) << doc;
    EXPECT_NE(copied.err.find(doc), std::string::npos) << copied.err;
  }
  EXPECT_EQ(TempFolder::ReadBytes(dir / "data/gxa-host/demo.gxd"), before);
  CallResult group = Call("swatchdata GroupAt 0 1 --json", dir);
  EXPECT_EQ(group.Json()["result"]["name"], "Keep");
}
