// Hostile and damaged input given to the real host: every case ends with a
// clear message and its exit status, within a minute, and every file the
// user had is still there, byte for byte.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "core/containercodec.h"
#include "core/documentstore.h"
#include "core/storedfile.h"
#include "core/worldpreferences.h"
#include "hostprocess.h"
#include "tempfolder.h"

namespace host {
namespace {

namespace fs = std::filesystem;

std::string Home(const TempFolder& t) {
  return "--module " + std::string(GXA_MODULE_PATH) + " --home " + t.Path().string();
}

fs::path PrefsFile(const TempFolder& t) { return t / "config/gxa-host/prefs.gxs"; }

// One line of error naming the verb (warnings, the host's or the verb's, may come too).
void ExpectOneLine(const HostRun& r, const std::string& verb, const std::string& part) {
  const std::string prefix = "gxa-host " + verb + ": ";
  int lines = 0;
  bool found = false;
  for (size_t at = 0; at < r.out.size();) {
    const size_t end = std::min(r.out.find('\n', at), r.out.size());
    const std::string line = r.out.substr(at, end - at);
    const bool warning = line.compare(prefix.size(), 8, "warning:") == 0;
    if (line.rfind(prefix, 0) == 0 && !warning) {
      ++lines;
      found = found || line.find(part) != std::string::npos;
    }
    at = end + 1;
  }
  EXPECT_EQ(lines, 1) << r.out;
  EXPECT_TRUE(found) << part << " in\n" << r.out;
}

std::string Nested(int levels, const std::string& inner) {
  return std::string(size_t(levels), '[') + inner + std::string(size_t(levels), ']');
}

TEST(HostileFiles, WhatIsNotARegularFileIsRefusedWithoutBlockingOrReadingForever) {
  TempFolder t;
  // A directory where the preferences belong: the host starts on defaults and keeps it.
  fs::create_directories(PrefsFile(t));
  HostRun r = RunHost("info " + Home(t), true);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("prefs.gxs is a directory"), std::string::npos) << r.out;
  EXPECT_TRUE(fs::is_directory(PrefsFile(t)));

  // A FIFO nobody writes to, as a document and as a scenario: refused at once.
  const fs::path fifo = t / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  r = RunHost("doc " + fifo.string(), true);
  EXPECT_EQ(r.status, 1);
  ExpectOneLine(r, "doc", "is a pipe");
  r = RunHost("run " + fifo.string() + " " + Home(t), true);
  EXPECT_EQ(r.status, 1);
  ExpectOneLine(r, "run", "is a pipe");

  // A device that never ends.
  r = RunHost("doc /dev/zero", true);
  EXPECT_EQ(r.status, 1);
  ExpectOneLine(r, "doc", "is a device");

  // Rendering onto the FIFO does not replace it.
  r = RunHost("render --out " + fifo.string() + " " + Home(t), true);
  EXPECT_EQ(r.status, 1);
  ExpectOneLine(r, "render", "not a regular file");
  EXPECT_TRUE(fs::is_fifo(fifo));
  for (const auto& e : fs::directory_iterator(t.Path())) {
    EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
  }
}

TEST(HostileFiles, FilesOfAnotherKindAndStaleTemporariesAreHandledAtStart) {
  TempFolder t;
  Document doc;
  doc.AddObject(1, "object");
  ASSERT_TRUE(DocumentStore::Save(doc, PrefsFile(t)));
  const auto bytes = TempFolder::ReadBytes(PrefsFile(t));

  // Temporaries of a save whose process is gone are removed, another host's stay.
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const StoredFile file(PrefsFile(t));
  TempFolder::WriteText(file.TempPath(gone), "half a save");
  TempFolder::WriteText(file.TempPath(::getpid()), "a save in progress");

  for (const std::string& verb : {std::string("info"), "render --out " + (t / "x.png").string()}) {
    const HostRun r = RunHost(verb + " " + Home(t), true);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("holds no preferences"), std::string::npos) << r.out;
    EXPECT_EQ(TempFolder::ReadBytes(PrefsFile(t)), bytes) << verb;
  }
  EXPECT_FALSE(fs::exists(file.TempPath(gone)));
  EXPECT_TRUE(fs::exists(file.TempPath(::getpid())));
}

TEST(HostileFiles, DocumentsWithBadTextsOrIdsPrintOrAreRefused) {
  TempFolder t;
  Document doc;
  DocumentObject* o = doc.AddObject(1, "name \xff\xfe end");
  o->data.SetString(1, "text \xc3");
  ASSERT_TRUE(DocumentStore::Save(doc, t / "texts.gxd"));
  HostRun r = RunHost("doc " + (t / "texts.gxd").string());
  EXPECT_EQ(r.status, 0) << r.out;
  const auto json = nlohmann::json::parse(r.out, nullptr, false);
  ASSERT_FALSE(json.is_discarded()) << r.out;
  EXPECT_EQ(json["objects"][0]["name"], "name \xEF\xBF\xBD\xEF\xBF\xBD end");

  // IDs that would overflow the next ID, and duplicates among many objects.
  for (int64_t id : {INT64_MAX, int64_t{5}}) {
    Container c = doc.ToContainer();
    Container objects;
    for (int i = 0; i < 20000; ++i) {
      Container object;
      object.SetInt64(1, i == 19999 ? id : i + 10);
      objects.Insert(0, Value::Of(object));
    }
    if (id == 5) objects.Insert(0, Value::Of(*objects.Entries().back().value.AsContainer()));
    c.SetContainer(3, objects);
    TempFolder::WriteBytes(t / "ids.gxd", ContainerCodec::Write(c).Value());
    r = RunHost("doc " + (t / "ids.gxd").string(), true);
    EXPECT_EQ(r.status, 1) << id;
    ExpectOneLine(r, "doc", id == 5 ? "two document objects share ID 5" : "is too large");
  }
}

TEST(HostileScenarios, OutOfRangeAndDeeplyNestedJsonIsRefusedAsAStep) {
  TempFolder t;
  const std::string open = R"({"do": "open", "id": "a"})";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {R"({"steps": [{"do": "open", "id": "a", "value": [1e400, 0, 0]}]})", "number overflow"},
      {R"({"steps": [{"do": "open", "id": "a", "value": )" + Nested(5000, "") + "}]}", "nested more than"},
      {R"({"prefs": {"1": )" + std::string(5000, '{') + std::string(5000, '}') + "}, \"steps\": []}",
       "nested more than"},
      {R"({"steps": [)" + open + R"(, {"do": "click", "id": "a", "gadget": 4294967298}]})", "'gadget' must be"},
      {R"({"steps": [)" + open + R"(, {"do": "click", "id": "a", "gadget": 18446744073709551615}]})",
       "'gadget' must be"},
      {R"({"steps": [)" + open + R"(, {"do": "click", "id": "a", "gadget": 65536002, "x": 2147483600, "y": 1}]})",
       "'x' and 'y' are within"},
      {R"({"steps": [)" + open +
           R"(, {"do": "drag", "id": "a", "gadget": 65536002, "path": [[0, 0], [2147483647, 0]]}]})",
       "'path' is a list"},
  };
  for (const auto& [scenario, message] : cases) {
    TempFolder::WriteText(t / "s.json", scenario);
    const HostRun r = RunHost("run " + (t / "s.json").string() + " " + Home(t), true);
    EXPECT_EQ(r.status, 2) << message << "\n" << r.out.substr(0, 300);
    EXPECT_NE(r.out.find(message), std::string::npos) << r.out.substr(0, 300);
  }
}

TEST(HostileCommandLines, NumbersOutsideWhatTheyFeedAreRefused) {
  TempFolder t;
  struct Case {
    std::string args;
    int status;
    std::string part;
  };
  const std::vector<Case> cases = {
      {"render --width 2147483647", 2, "--width is a width in logical pixels from 1 to 8192"},
      {"render --width 8193", 2, "from 1 to 8192"},
      {"render --prefs 1102=abc", 2, "preference 1102 is int32, not string"},
      {"render --settings 'slda=" + std::string(3000, '{') + "'", 2, "nested more than"},
      {"call colortools From16Bit 1e12", 2, "does not fit the entry's 32-bit whole number"},
      {"call colortools From8Bit 1e308", 2, "does not fit the entry's 64-bit whole number"},
      {"call colortools To8Bit 1e999", 2, "is not a number"},
  };
  for (const Case& c : cases) {
    const std::string out = c.args.rfind("render", 0) == 0 ? " --out " + (t / "x.png").string() : "";
    const HostRun r = RunHost(c.args + out + " " + Home(t), true);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out.substr(0, 300);
    EXPECT_NE(r.out.find(c.part), std::string::npos) << c.args << "\n" << r.out.substr(0, 300);
  }
  EXPECT_FALSE(fs::exists(t / "x.png"));

  // Inside the C type the entry gives its own answer, also for a value out of the colour range.
  EXPECT_EQ(RunHost("call colortools From8Bit 300 " + Home(t)).out, "1.0\n");
  EXPECT_EQ(RunHost("call colortools To8Bit 5e-324 " + Home(t)).out, "0\n");
  const HostRun fit = RunHost("render --width 0 --out " + (t / "fit.png").string() + " " + Home(t), true);
  EXPECT_EQ(fit.status, 0) << fit.out;
}

}  // namespace
}  // namespace host
