// The host's own file dialog, driven as a user drives it: it lists the
// folder's folders and the files its filter lets through, opens folders by
// a double click, Up or a recent folder, takes a typed name relative to the
// folder shown, refuses what cannot be the answer with a line saying why,
// and, asked through the host's file request, remembers the folder chosen
// in the preferences.
#include "gui/filedialog.h"

#include <gtest/gtest.h>

#include "automation/inputdriver.h"
#include "automation/screenshot.h"
#include "automation/temphome.h"
#include "core/host.h"
#include "core/worldpreferences.h"
#include "gui/answer.h"
#include "gui/filelist.h"
#include "gui/hostdialogs.h"
#include "gui/recentfolders.h"
#include "guitestkit.h"
#include "recordingobserver.h"
#include "tempfolder.h"

namespace host {
namespace {

namespace fs = std::filesystem;
using namespace testkit;

class FileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root / "Alpha");
    fs::create_directories(root / "beta");
    fs::create_directories(root / ".hidden");
    for (const char* f : {"Alpha/inner.png", "c.png", "D.JPG", "notes.txt", ".secret.png", "old.gpl"}) {
      TempFolder::WriteText(root / f, "x");
    }
  }
  void TearDown() override {
    if (window_) window_->Close();
    window_.reset();
  }

  FileDialog& Open(FileRequest request, std::vector<std::string> recent = {}) {
    auto delegate = std::make_unique<FileDialog>(std::move(request), std::move(recent), dialogs_);
    FileDialog& view = *delegate;
    window_ = std::make_unique<Dialog>(std::move(delegate));
    gui.screen().ShowWindow(*window_);
    gui.screen().Render();
    return view;
  }
  FileRequest Pictures(FileRequest::Mode mode = FileRequest::Mode::Open) {
    return {"Open Picture", root.Path().string(), mode, {FileFilter::Pictures()}};
  }
  Widget& Gadget(int32_t id) { return *window_->Find(id); }
  FileList& List() { return *static_cast<FileList*>(window_->Find(FileDialog::kList)); }
  std::vector<std::string> Shown() {
    std::vector<std::string> names;
    for (const auto& e : List().Entries()) names.push_back(e.folder ? e.name + "/" : e.name);
    return names;
  }
  InputDriver Input() { return InputDriver(gui.screen(), *gui.headless); }
  void Click(int32_t id) { Input().Click(Gadget(id), std::nullopt, 1, 0, false); }
  // A click on row index of the list.
  void ClickRow(size_t index, bool twice) {
    Input().Click(List(), Point{20, int(index) * FileList::kRowHeight + FileList::kRowHeight / 2}, 1, 0, twice);
  }
  void TypeName(const std::string& text) { Input().Type(Gadget(FileDialog::kName), text, InputDriver::Commit::Tab); }

  GuiFixture gui{{700, 560}};
  TempFolder root;
  HostDialogs dialogs_;
  std::unique_ptr<Dialog> window_;
};

TEST_F(FileDialogTest, FoldersComeFirstThenTheFilesTheFilterLetsThroughAndNothingHidden) {
  FileDialog& d = Open(Pictures());
  EXPECT_EQ(d.Folder(), fs::path(root.Path()));
  EXPECT_EQ(Gadget(FileDialog::kFolder).Text(), root.Path().string());
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Alpha/", "beta/", "c.png", "D.JPG"}));
  // The last filter shows every file.
  Gui::Get().Answers().Push(Answer::MenuChoice(2));
  Click(FileDialog::kFilter);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Alpha/", "beta/", "c.png", "D.JPG", "notes.txt", "old.gpl"}));
  if (const char* out = std::getenv("GXA_SCREENSHOT_DIR")) {
    gui.screen().Render();
    Screenshot::Save(gui.screen().Frame(), std::nullopt, std::string(out) + "/filedialog.png");
  }
}

TEST_F(FileDialogTest, ADoubleClickOpensAFolderUpGoesBackAndAClickedFileIsNamed) {
  FileDialog& d = Open(Pictures());
  ClickRow(0, true);
  EXPECT_EQ(d.Folder(), root / "Alpha");
  EXPECT_EQ(Shown(), (std::vector<std::string>{"inner.png"}));
  Click(FileDialog::kUp);
  EXPECT_EQ(d.Folder(), fs::path(root.Path()));
  ClickRow(2, false);
  EXPECT_EQ(Gadget(FileDialog::kName).Text(), "c.png");
  EXPECT_FALSE(d.Chosen());
  // A double click on a file chooses it.
  ClickRow(3, true);
  EXPECT_EQ(d.Chosen(), (root / "D.JPG").string());
}

TEST_F(FileDialogTest, ATypedPathIsTakenFromTheFolderShownAndATypedFolderIsOpened) {
  FileDialog& d = Open(Pictures());
  TypeName("beta");
  Click(FileDialog::kOk);
  EXPECT_EQ(d.Folder(), root / "beta");
  EXPECT_EQ(Gadget(FileDialog::kName).Text(), "");
  EXPECT_FALSE(d.Chosen());

  TypeName("../Alpha/missing.png");
  Click(FileDialog::kOk);
  EXPECT_FALSE(d.Chosen());
  EXPECT_EQ(d.Status(), "There is no " + (root / "Alpha/missing.png").string() + ".");

  TypeName("../Alpha/inner.png");
  Click(FileDialog::kOk);
  EXPECT_EQ(d.Chosen(), (root / "Alpha/inner.png").string());
}

TEST_F(FileDialogTest, ASaveAddsTheFiltersExtensionAndAsksBeforeReplacing) {
  FileRequest request{"Export Palette", (root / "Sea.gpl").string(), FileRequest::Mode::Save, {FileFilter::Palettes()}};
  FileDialog& d = Open(request);
  EXPECT_EQ(d.Folder(), fs::path(root.Path()));
  EXPECT_EQ(Gadget(FileDialog::kName).Text(), "Sea.gpl");
  EXPECT_EQ(Gadget(FileDialog::kOk).Text(), "Save");

  Gui::Get().Answers().Push(Answer::Question(false));
  TypeName("old");
  Click(FileDialog::kOk);
  EXPECT_FALSE(d.Chosen());
  TypeName("nowhere/x.gpl");
  Click(FileDialog::kOk);
  EXPECT_EQ(d.Status(), "There is no folder " + (root / "nowhere").string() + ".");
  Gui::Get().Answers().Push(Answer::Question(true));
  TypeName("old");
  Click(FileDialog::kOk);
  EXPECT_EQ(d.Chosen(), (root / "old.gpl").string());
}

TEST_F(FileDialogTest, ARecentFolderIsOpenedFromItsList) {
  FileDialog& d = Open(Pictures(), {(root / "beta").string(), (root / "Alpha").string()});
  Gui::Get().Answers().Push(Answer::MenuChoice(2));
  Click(FileDialog::kRecent);
  EXPECT_EQ(d.Folder(), root / "Alpha");
  EXPECT_EQ(Shown(), (std::vector<std::string>{"inner.png"}));
}

TEST(RecentFolders, TheNewestComesFirstOnceAndOnlyAbsoluteFoldersAreKept) {
  Container prefs;
  EXPECT_TRUE(RecentFolders::Read(prefs).empty());
  for (int i = 0; i < 10; ++i) RecentFolders::Remember(prefs, "/f" + std::to_string(i));
  EXPECT_TRUE(RecentFolders::Remember(prefs, "/f5"));
  EXPECT_FALSE(RecentFolders::Remember(prefs, "/f5"));
  EXPECT_FALSE(RecentFolders::Remember(prefs, "relative"));
  EXPECT_FALSE(RecentFolders::Remember(prefs, "/a\nb"));
  const auto folders = RecentFolders::Read(prefs);
  ASSERT_EQ(folders.size(), RecentFolders::kMax);
  EXPECT_EQ(folders[0], "/f5");
  EXPECT_EQ(folders[1], "/f9");
  EXPECT_EQ(folders.back(), "/f2");
  // Whatever a hand-edited file holds, only absolute folders are offered.
  prefs.SetString(WorldPreferences::kRecentFolders, "\nrelative\n/kept\n");
  EXPECT_EQ(RecentFolders::Read(prefs), (std::vector<std::string>{"/kept"}));
}

TEST(HostFileRequest, ATypedPathAndReturnAnswerAndTheFolderIsRememberedInThePreferences) {
  auto home = TempHome::Create();
  ASSERT_TRUE(home) << home.Error();
  HostOptions options;
  options.home = home->Path();
  auto host = Host::Create(options);
  ASSERT_TRUE(host) << host.Error();
  GuiFixture gui{{700, 560}};
  RecordingObserver observer;
  Gui::Get().SetObserver(&observer);
  TempFolder pictures;
  TempFolder::WriteText(pictures / "dune.png", "x");

  // The dialog opens in its name field: a typed path and Return answer it.
  gui.queue().Push(InputEvent::Typing((pictures / "dune.png").string()));
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_ENTER));
  auto chosen =
      Gui::Get().Dialogs().AskFile(FileRequest{"Open Picture", "", FileRequest::Mode::Open, {FileFilter::Pictures()}});
  EXPECT_EQ(chosen, std::optional<std::string>((pictures / "dune.png").string()));
  ASSERT_EQ(observer.dialogs.size(), 1u);
  EXPECT_EQ(observer.dialogs[0].title, "Open Picture");
  EXPECT_EQ(observer.dialogs[0].outcome, UiObserver::Outcome::Interactive);
  const WorldPreferences saved((*host)->Prefs().File());
  EXPECT_EQ(RecentFolders::Read(saved.Data()), (std::vector<std::string>{pictures.Path().string()}));

  // Escape answers nothing and remembers nothing.
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_ESC));
  EXPECT_FALSE(Gui::Get().Dialogs().AskFile(FileRequest{"Open Picture", "", FileRequest::Mode::Open, {}}));
  Gui::Get().SetObserver(nullptr);
}

}  // namespace
}  // namespace host
