// Saves cut short at each of their steps, by a call that fails as on a full
// disk or by a kill: whatever step it was, the file being replaced reads back
// whole, as it was or as it was meant to become, and a failed save leaves no
// temporary behind.
#include <signal.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "hostcommand.h"
#include "tempfolder.h"

namespace gxa_test {
const char* FaultShim();  // beside the other generated paths
}

namespace host {
namespace {

namespace fs = std::filesystem;

enum class Fault { Fails, Kills };

class SaveFaults : public ::testing::Test {
 protected:
  std::string HostOptions(const fs::path& home) const {
    return " --module " + std::string(GXA_MODULE_PATH) + " --home " + home.string();
  }
  CommandResult Host(const std::string& args, const fs::path& home) {
    return RunHostCommand(args + HostOptions(home), HostStreams::OutAndErrors);
  }
  // The run with its step n of writing files gone wrong; nullopt when the
  // run was over before step n.
  std::optional<CommandResult> Faulty(const std::string& args, const fs::path& home, long n, Fault fault) {
    const fs::path seen = work / "seen";
    fs::remove(seen);
    std::string env =
        "ASAN_OPTIONS=${ASAN_OPTIONS}:verify_asan_link_order=0 LD_PRELOAD=" + std::string(gxa_test::FaultShim()) +
        " GXA_FAULT_AT=" + std::to_string(n) + " GXA_FAULT_SEEN=" + seen.string();
    if (fault == Fault::Kills) env += " GXA_FAULT_KILL=1";
    CommandResult r = RunHostCommand(args + HostOptions(home), HostStreams::OutAndErrors, env);
    if (!fs::exists(seen)) return std::nullopt;
    return r;
  }
  // Runs args on a fresh copy of the home made by prepare, with each step in
  // turn going wrong, and hands every outcome to check.
  void EveryStep(const std::function<void(const fs::path&)>& prepare, const std::string& args, Fault fault,
                 const std::function<void(const CommandResult&, const fs::path&)>& check) {
    const fs::path pristine = work / "pristine", home = work / "home";
    fs::remove_all(pristine);
    prepare(pristine);
    long n = 1;
    for (; n < 400; ++n) {
      fs::remove_all(home);
      fs::copy(pristine, home, fs::copy_options::recursive);
      auto r = Faulty(args, home, n, fault);
      if (!r) break;
      SCOPED_TRACE("step " + std::to_string(n) + (fault == Fault::Kills ? " killed" : " failed") + ":\n" + r->out);
      if (fault == Fault::Kills) {
        EXPECT_EQ(r->status, 128 + SIGKILL);
      }
      check(*r, home);
    }
    EXPECT_GT(n, 3) << "the save took no steps at all";
    EXPECT_LT(n, 400);
  }
  static void ExpectNoTemporary(const fs::path& folder) {
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
      EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
    }
  }

  TempFolder work;
};

constexpr const char* kSea = "'preset:/user.libvx/Color Swatches/Sea'";
constexpr const char* kOld = "group:      Sea (2): #143CA0 #78C8E6";
constexpr const char* kNew = "group:      Sea (1): #FF0000";

void TwoPalettes(const TempFolder& work) {
  TempFolder::WriteText(work / "old/Sea.gpl", "GIMP Palette\n20 60 160\n120 200 230\n");
  TempFolder::WriteText(work / "new/Sea.gpl", "GIMP Palette\n255 0 0\n");
}

TEST_F(SaveFaults, APresetReplacedWithOverwriteIsNeverLost) {
  TwoPalettes(work);
  auto prepare = [&](const fs::path& home) {
    ASSERT_EQ(Host("presets import " + (work / "old/Sea.gpl").string(), home).status, 0);
  };
  for (Fault fault : {Fault::Fails, Fault::Kills}) {
    EveryStep(prepare, "presets import " + (work / "new/Sea.gpl").string() + " --overwrite", fault,
              [&](const CommandResult& r, const fs::path& home) {
                auto shown = Host("presets show " + std::string(kSea), home);
                ASSERT_EQ(shown.status, 0) << shown.out;
                const bool old_one = shown.out.find(kOld) != std::string::npos;
                const bool new_one = shown.out.find(kNew) != std::string::npos;
                EXPECT_TRUE(old_one || new_one) << shown.out;
                if (fault == Fault::Fails) {
                  EXPECT_EQ(r.status == 0, new_one) << shown.out;
                  // The refusal says what failed, as the library saw it.
                  if (r.status != 0) {
                    EXPECT_NE(r.out.find("cannot "), std::string::npos) << r.out;
                  }
                  ExpectNoTemporary(home);
                }
              });
  }
}

TEST_F(SaveFaults, APresetOverADamagedOneKeepsTheDamagedBytesAndWritesNothingWhenTheyCannotMove) {
  TwoPalettes(work);
  auto item = [](const fs::path& home) { return home / "data/gxa-host/user.libvx/Color Swatches/Sea.gxp"; };
  std::vector<uint8_t> damaged;
  auto prepare = [&](const fs::path& home) {
    ASSERT_EQ(Host("presets import " + (work / "old/Sea.gpl").string(), home).status, 0);
    damaged = TempFolder::ReadBytes(item(home));
    damaged[damaged.size() - 10] ^= 0x10;  // behind a sound header
    TempFolder::WriteBytes(item(home), damaged);
  };
  int unmoved = 0;
  EveryStep(prepare, "presets import " + (work / "new/Sea.gpl").string() + " --overwrite", Fault::Fails,
            [&](const CommandResult& r, const fs::path& home) {
              int copies = 0;
              for (const auto& e : fs::directory_iterator(item(home).parent_path()))
                copies += TempFolder::ReadBytes(e.path()) == damaged;
              EXPECT_GE(copies, 1);
              if (r.status == 0) {
                EXPECT_NE(Host("presets show " + std::string(kSea), home).out.find(kNew), std::string::npos);
                EXPECT_NE(r.out.find("; it is kept as Sea.gxp.damaged-"), std::string::npos) << r.out;
              } else {
                EXPECT_NE(r.out.find("cannot "), std::string::npos) << r.out;
                EXPECT_TRUE(!fs::exists(item(home)) || TempFolder::ReadBytes(item(home)) == damaged);
                unmoved += r.out.find("over a damaged item: could not move it aside") != std::string::npos;
              }
              ExpectNoTemporary(home);
            });
  EXPECT_GT(unmoved, 0) << "no step failed the move aside";
}

TEST_F(SaveFaults, ADocumentAndThePreferencesSavedByASwatchCallStayWhole) {
  const std::string doc = "--doc " + (work / "home/swatches.gxd").string();
  auto prepare = [&](const fs::path& home) {
    ASSERT_EQ(
        Host("call swatchdata CreateGroup 1 Cold 0 0 0.1 0.2 0.9 1 --doc " + (home / "swatches.gxd").string(), home)
            .status,
        0);
  };
  for (Fault fault : {Fault::Fails, Fault::Kills}) {
    EveryStep(prepare, "call swatchdata CreateGroup 1 Warm 0 0 1 0.5 0 1 " + doc, fault,
              [&](const CommandResult& r, const fs::path& home) {
                auto read = RunHostCommand("doc " + (home / "swatches.gxd").string(), HostStreams::OutAndErrors);
                ASSERT_EQ(read.status, 0) << read.out;
                EXPECT_NE(read.out.find("Cold"), std::string::npos) << read.out;
                if (r.status == 0) {
                  EXPECT_NE(read.out.find("Warm"), std::string::npos) << read.out;
                }
                auto info = Host("info", home);
                EXPECT_EQ(info.out.find("damaged"), std::string::npos) << info.out;
                if (fault == Fault::Fails) ExpectNoTemporary(home);
              });
  }
}

}  // namespace
}  // namespace host
