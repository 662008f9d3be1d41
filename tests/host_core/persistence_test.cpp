// Preferences and documents on disk: what survives, what is kept aside, and
// that an interrupted save never costs the previous file.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "core/containercodec.h"
#include "core/documentstore.h"
#include "core/host.h"
#include "core/storedfile.h"
#include "tempfolder.h"

namespace host {
namespace {

namespace fs = std::filesystem;

HostOptions AtHome(const TempFolder& home) {
  HostOptions o;
  o.home = home.Path();
  return o;
}

std::vector<fs::path> FilesStartingWith(const fs::path& dir, const std::string& prefix) {
  std::vector<fs::path> out;
  for (const auto& e : fs::directory_iterator(dir)) {
    if (e.path().filename().string().rfind(prefix, 0) == 0) out.push_back(e.path());
  }
  return out;
}

TEST(WorldPreferences, SurviveARestart) {
  TempFolder home;
  {
    auto h = Host::Create(AtHome(home));
    ASSERT_TRUE(h) << h.Error();
    auto& prefs = (*h)->Prefs();
    EXPECT_EQ(prefs.File(), home.Path() / "config/gxa-host/prefs.gxs");
    prefs.Data().SetInt32(WorldPreferences::kSpectrumSize, 2);
    Container swatches(3);
    swatches.SetString(1, "Greens");
    prefs.Data().SetContainer(WorldPreferences::kGlobalSwatches, swatches);
    ASSERT_TRUE(prefs.Save());
  }
  auto h = Host::Create(AtHome(home));
  ASSERT_TRUE(h) << h.Error();
  const Container& data = (*h)->Prefs().Data();
  EXPECT_EQ(data.GetInt32(WorldPreferences::kSpectrumSize, -1), 2);
  ASSERT_NE(data.GetContainer(WorldPreferences::kGlobalSwatches), nullptr);
  EXPECT_EQ(data.GetContainer(WorldPreferences::kGlobalSwatches)->GetString(1), "Greens");
  // Entries the file lacked still have their defaults.
  EXPECT_TRUE(data.Has(WorldPreferences::kShowHex));
  EXPECT_TRUE((*h)->Prefs().Problem().empty());
}

void ExpectDamagedFileKeptAside(const std::vector<uint8_t>& damaged) {
  TempFolder home;
  fs::path file = home.Path() / "config/gxa-host/prefs.gxs";
  TempFolder::WriteBytes(file, damaged);

  auto h = Host::Create(AtHome(home));
  ASSERT_TRUE(h) << "a damaged preferences file must not stop the host";
  const std::string& problem = (*h)->Prefs().Problem();
  EXPECT_NE(problem.find(file.string()), std::string::npos) << problem;
  EXPECT_EQ((*h)->Prefs().Data(), WorldPreferences::Defaults());
  ASSERT_FALSE((*h)->Diag().Lines().empty());
  EXPECT_EQ((*h)->Diag().Lines().front().kind, DiagnosticLine::Kind::kHostWarning);

  auto aside = FilesStartingWith(file.parent_path(), "prefs.gxs.damaged-");
  ASSERT_EQ(aside.size(), 1u);
  EXPECT_NE(problem.find(aside[0].string()), std::string::npos) << problem;
  EXPECT_EQ(TempFolder::ReadBytes(aside[0]), damaged);
  EXPECT_FALSE(fs::exists(file));

  // Saving afresh leaves the damaged copy alone.
  ASSERT_TRUE((*h)->Prefs().Save());
  EXPECT_EQ(TempFolder::ReadBytes(aside[0]), damaged);
}

TEST(WorldPreferences, DamagedFileIsReportedAndKeptAside) {
  Container c;
  c.SetInt32(WorldPreferences::kColorUnit, 2);
  auto good = ContainerCodec::Write(c).Value();

  auto truncated = good;
  truncated.resize(good.size() - 3);
  ExpectDamagedFileKeptAside(truncated);

  auto flipped = good;
  flipped[good.size() / 2] ^= 0x10;
  ExpectDamagedFileKeptAside(flipped);

  ExpectDamagedFileKeptAside({'n', 'o', 't', ' ', 'p', 'r', 'e', 'f', 's'});
}

TEST(WorldPreferences, DamagedFilesNeverOverwriteEachOther) {
  TempFolder home;
  fs::path file = home.Path() / "config/gxa-host/prefs.gxs";
  for (int i = 0; i < 3; ++i) {
    TempFolder::WriteText(file, "damage " + std::to_string(i));
    auto h = Host::Create(AtHome(home));
    ASSERT_TRUE(h);
  }
  auto aside = FilesStartingWith(file.parent_path(), "prefs.gxs.damaged-");
  ASSERT_EQ(aside.size(), 3u);
  std::set<std::vector<uint8_t>> contents;
  for (const auto& p : aside) contents.insert(TempFolder::ReadBytes(p));
  EXPECT_EQ(contents.size(), 3u);
}

TEST(StoredFile, InterruptedSaveLeavesThePreviousFileIntact) {
  TempFolder dir;
  StoredFile file(dir / "prefs.gxs");
  Container before(1);
  before.SetString(1, "before");
  ASSERT_TRUE(file.Save(before));

  Container after(1);
  after.SetString(1, "after");
  auto temp = file.WriteTemp(after);  // the process dies before the rename
  ASSERT_TRUE(temp);

  auto loaded = file.Load();
  ASSERT_TRUE(loaded.content);
  EXPECT_EQ(*loaded.content, before);

  // The next save replaces the stale temporary file and keeps a backup.
  ASSERT_TRUE(file.Save(after));
  EXPECT_EQ(*file.Load().content, after);
  EXPECT_EQ(*ContainerCodec::Read(TempFolder::ReadBytes(file.BackupPath())), before);
  EXPECT_TRUE(FilesStartingWith(dir.Path(), "prefs.gxs.tmp").empty());
}

TEST(StoredFile, KillDuringSavesNeverLeavesAHalfFile) {
  TempFolder dir;
  StoredFile file(dir / "doc.gxs");
  Container a(1), b(2);
  a.Set(1, Value::ByteArray(std::vector<uint8_t>(200000, 0xAA)));
  b.Set(1, Value::ByteArray(std::vector<uint8_t>(300000, 0xBB)));
  ASSERT_TRUE(file.Save(a));

  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    for (int i = 0;; ++i) (void)file.Save(i % 2 ? a : b);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);

  auto loaded = file.Load();
  ASSERT_TRUE(loaded.content) << loaded.problem;
  EXPECT_TRUE(*loaded.content == a || *loaded.content == b);
}

TEST(DocumentStore, DocumentRoundTripKeepsObjectsAndLinks) {
  TempFolder dir;
  Document doc;
  doc.Settings().SetInt32(Document::kColorSpace, 1);
  DocumentObject* light = doc.AddObject(DocumentObject::kLinearColorType, "Light");
  light->data.SetVector(1, {1.0, 0.5, 0.25});
  int64_t removed_id = doc.AddObject(5100, "Material")->id;
  doc.Data().Set(7, Value::LinkTo(Link{light->id}));
  doc.RemoveObject(removed_id);

  ASSERT_TRUE(DocumentStore::Save(doc, dir / "scene.gxd"));
  auto opened = DocumentStore::Load(dir / "scene.gxd");
  ASSERT_TRUE(opened) << opened.Error();
  Document& back = opened->document;
  EXPECT_TRUE(opened->problem.empty());
  EXPECT_EQ(back.Settings().GetInt32(Document::kColorSpace), 1);
  DocumentObject* resolved = back.Resolve(*back.Data().Find(7));
  ASSERT_NE(resolved, nullptr);
  EXPECT_EQ(resolved->type, DocumentObject::kLinearColorType);
  EXPECT_EQ(resolved->data.GetVector(1)->y, 0.5);
  // IDs are never reused, even after a removal and a reload.
  EXPECT_GT(back.AddObject(1, "New")->id, removed_id);
}

TEST(DocumentStore, OtherFilesAreRefusedAndLeftAlone) {
  TempFolder dir;
  fs::path damaged = dir / "damaged.gxd";
  TempFolder::WriteText(damaged, "GXAS but not really");
  auto opened = DocumentStore::Load(damaged);
  ASSERT_TRUE(opened);
  EXPECT_NE(opened->problem.find("damaged"), std::string::npos) << opened->problem;
  EXPECT_TRUE(opened->document.Objects().empty());
  EXPECT_EQ(FilesStartingWith(dir.Path(), "damaged.gxd.damaged-").size(), 1u);

  // Sound data that is not a document (here: preferences) is not touched.
  fs::path prefs = dir / "prefs.gxs";
  ASSERT_TRUE(StoredFile(prefs).Save(WorldPreferences::Defaults()));
  auto bytes = TempFolder::ReadBytes(prefs);
  auto refused = DocumentStore::Load(prefs);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.Error().find("not a document"), std::string::npos) << refused.Error();
  EXPECT_EQ(TempFolder::ReadBytes(prefs), bytes);
}

}  // namespace
}  // namespace host
