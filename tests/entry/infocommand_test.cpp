// gxa-host info, run as a user runs it.
#include <sys/wait.h>

#include <nlohmann/json.hpp>

#include "entryfixture.h"

namespace {

struct CommandResult {
  int status = -1;
  std::string out, err;
};

CommandResult GxaHost(const std::string& args, const TempFolder& dir) {
  std::string cmd =
      std::string(GXA_HOST_EXE) + " " + args + " >" + (dir / "out").string() + " 2>" + (dir / "err").string();
  CommandResult r;
  int raw = std::system(cmd.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  auto out = TempFolder::ReadBytes(dir / "out");
  auto err = TempFolder::ReadBytes(dir / "err");
  r.out.assign(out.begin(), out.end());
  r.err.assign(err.begin(), err.end());
  return r;
}

size_t Lines(const std::string& s) { return static_cast<size_t>(std::count(s.begin(), s.end(), '\n')); }

TEST(InfoCommand, ReportsRegistrationsAsJson) {
  TempFolder dir;
  CommandResult r = GxaHost("info --json --home " + dir.Path().string() + " --app-type 8", dir);
  ASSERT_EQ(r.status, 0) << r.err;
  auto report = nlohmann::json::parse(r.out);
  EXPECT_TRUE(report["started"].get<bool>());
  EXPECT_EQ(report["application_type"], 8);
  EXPECT_EQ(report["custom_guis"][0]["id"], 1000492);
  EXPECT_EQ(report["resource_types"][0]["sub_channels"].size(), 3u);
  EXPECT_EQ(report["libraries"].size(), 4u);
  // Application type 8 registers no presets, so it writes no line either.
  EXPECT_TRUE(report["diagnostics"].empty()) << report["diagnostics"].dump();
  EXPECT_EQ(report["answers"]["end"], 1);
}

TEST(InfoCommand, RefusalsAreOneLineWithAnExitStatus) {
  TempFolder dir;
  CommandResult missing =
      GxaHost("info --module " + (dir / "none.so").string() + " --home " + dir.Path().string(), dir);
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(Lines(missing.err), 1u) << missing.err;
  EXPECT_TRUE(missing.out.empty());

  CommandResult old = GxaHost("info --api-version 20016 --home " + dir.Path().string(), dir);
  EXPECT_EQ(old.status, 1);
  EXPECT_NE(old.err.find("answered -3"), std::string::npos) << old.err;

  CommandResult wrong = GxaHost("info --colour red", dir);
  EXPECT_EQ(wrong.status, 2);
  EXPECT_NE(wrong.err.find("unknown option --colour"), std::string::npos) << wrong.err;
  EXPECT_NE(wrong.err.find("usage: gxa-host info"), std::string::npos) << wrong.err;

  CommandResult bad_number = GxaHost("info --app-type five", dir);
  EXPECT_EQ(bad_number.status, 2);
  EXPECT_NE(bad_number.err.find("whole number"), std::string::npos) << bad_number.err;
}

}  // namespace
