// `gxa-host view` end to end on SDL's window-less video driver: the
// document is saved on closing and comes back next time, a file that is not
// a document is refused untouched, and without a display the command says so.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <SDL.h>

#include "automation/temphome.h"
#include "core/documentstore.h"
#include "gui/answer.h"
#include "gui/gui.h"
#include "platform/displayprobe.h"
#include "platform/viewsession.h"

namespace host {
namespace {

constexpr int32_t kHexField = 0x3F40001;

class ViewSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_TRUE(DisplayProbe::StartVideo());
    options_.host.home = home_.Path();
    options_.module = GXA_MODULE_PATH;
    options_.scale = 1;
    options_.layoutFile = home_.Path() / "layout.json";
  }
  void TearDown() override { DisplayProbe::StopVideo(); }

  // Opens the window, closes it at once (as the window manager would) and
  // answers how the run ended.
  Outcome<Done> OpenAndClose() {
    auto session = ViewSession::Open(options_);
    if (!session) return Outcome<Done>::Fail(session.Error());
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    return session.Value()->Run();
  }

  std::filesystem::path DocumentFile() const { return home_.Path() / "data" / "gxa-host" / "demo.gxd"; }
  std::string Layout() const {
    std::ifstream in(*options_.layoutFile);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  TempHome home_ = std::move(TempHome::Create().Value());
  ViewOptions options_;
};

TEST_F(ViewSessionTest, DocumentIsSavedOnCloseAndReopened) {
  ASSERT_TRUE(OpenAndClose());
  auto first = DocumentStore::Load(DocumentFile());
  ASSERT_TRUE(first);
  DocumentObject* color = first->document.FindObject("color.1");
  ASSERT_NE(color, nullptr);
  ASSERT_FALSE(color->data.Entries().empty());
  // Someone edited the colour last time.
  color->data.Set(color->data.Entries().front().id, Value::Vector({0.2, 0.4, 0.8}));
  first->document.Data().SetString(7, "kept by the module");
  ASSERT_TRUE(DocumentStore::Save(first->document, DocumentFile()));

  ASSERT_TRUE(OpenAndClose());
  EXPECT_NE(Layout().find("\"owner\":\"color\",\"id\":" + std::to_string(kHexField)), std::string::npos);
  EXPECT_NE(Layout().find("3366CC"), std::string::npos) << "the reopened chooser does not show the saved colour";
  auto second = DocumentStore::Load(DocumentFile());
  ASSERT_TRUE(second);
  const DocumentObject* again = second->document.FindObject("color.1");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->data.Entries().front().value, Value::Vector({0.2, 0.4, 0.8}));
  EXPECT_EQ(second->document.Data().GetString(7).value_or(""), "kept by the module");
  // One object per parameter: reopening replaces them, it does not add more.
  EXPECT_EQ(second->document.Objects().size(), first->document.Objects().size());
}

TEST_F(ViewSessionTest, CtrlShiftOSavesTheOpenDocumentAndShowsTheOneChosen) {
  ASSERT_TRUE(OpenAndClose());
  // Another document, whose colour was edited elsewhere.
  const auto other = home_.Path() / "other.gxd";
  auto copy = DocumentStore::Load(DocumentFile());
  ASSERT_TRUE(copy);
  DocumentObject* color = copy->document.FindObject("color.1");
  ASSERT_NE(color, nullptr);
  color->data.Set(color->data.Entries().front().id, Value::Vector({0.2, 0.4, 0.8}));
  ASSERT_TRUE(DocumentStore::Save(copy->document, other));
  const auto notADocument = home_.Path() / "prefs.gxd";
  ASSERT_TRUE(WorldPreferences(notADocument).Save());
  std::filesystem::remove(DocumentFile());

  auto session = ViewSession::Open(options_);
  ASSERT_TRUE(session) << session.Error();
  auto ctrlShiftO = [] {
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_o;
    key.key.keysym.mod = KMOD_LCTRL | KMOD_LSHIFT;
    SDL_PushEvent(&key);
  };
  // A file of another kind is refused and the open document stays; then the other one opens.
  Gui::Get().Answers().Push(Answer::Text(notADocument.string()));
  ctrlShiftO();
  Gui::Get().Answers().Push(Answer::Text(other.string()));
  ctrlShiftO();
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  ASSERT_TRUE(session.Value()->Run());
  EXPECT_EQ(session.Value()->DocumentPath(), other);
  EXPECT_TRUE(std::filesystem::exists(DocumentFile())) << "the first document was not saved before the switch";
  EXPECT_NE(Layout().find("3366CC"), std::string::npos) << "the page does not show the other document";
  EXPECT_TRUE(WorldPreferences(notADocument).Problem().empty());
}

TEST_F(ViewSessionTest, FileOfAnotherKindIsRefusedAndLeftAlone) {
  const auto other = home_.Path() / "prefs-not-a-document.gxd";
  ASSERT_TRUE(WorldPreferences(other).Save());
  const auto size = std::filesystem::file_size(other);
  options_.document = other;
  auto session = ViewSession::Open(options_);
  ASSERT_FALSE(session);
  EXPECT_NE(session.Error().find("not a document"), std::string::npos) << session.Error();
  EXPECT_EQ(std::filesystem::file_size(other), size);
}

TEST(ViewCommandTest, WithoutDisplayItSaysSoInOneLineAndPointsToRender) {
  const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ") + GXA_HOST_EXE +
                              " view --home /nonexistent-home 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
  const int status = pclose(pipe);
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
  EXPECT_NE(out.find("no display"), std::string::npos) << out;
  EXPECT_NE(out.find("gxa-host render"), std::string::npos) << out;
}

}  // namespace
}  // namespace host
