// File requests through the desktop portal's FileChooser, answered by a
// stand-in portal on the test's own bus: what the request carries, what
// each answer becomes, and that the host falls back to its own dialog at
// once when no portal answers.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "fakeportal.h"
#include "gui/answer.h"
#include "gui/gui.h"
#include "gui/headlessfrontend.h"
#include "platform/portalfilechooser.h"
#include "recordingobserver.h"
#include "sessionbus.h"

namespace {

using host::FilePortal;
using host::FileRequest;

class PortalFileChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SessionBus::Shared().Running()) << SessionBus::Shared().Problem();
    auto frontend = std::make_unique<host::HeadlessFrontend>(host::Size{400, 300});
    frontend_ = frontend.get();
    host::Gui::Get().SetFrontend(std::move(frontend));
    host::Gui::Get().SetObserver(&observer);
  }
  void TearDown() override {
    host::Gui::Get().SetObserver(nullptr);
    host::Gui::Shutdown();
    portal_.reset();
  }

  FakePortal& Portal(FakePortal::Behaviour behaviour) {
    portal_ = std::make_unique<FakePortal>(SessionBus::Shared().Address(), behaviour);
    EXPECT_TRUE(portal_->Serving());
    return *portal_;
  }
  static FakePortal::Behaviour Choosing(const std::string& uri) {
    FakePortal::Behaviour b;
    b.uri = uri;
    return b;
  }

  host::testkit::RecordingObserver observer;
  host::HeadlessFrontend* frontend_ = nullptr;
  std::unique_ptr<FakePortal> portal_;
};

TEST_F(PortalFileChooserTest, ASaveRequestCarriesItsTitleFiltersNameAndFolderAndTakesTheFileChosen) {
  FakePortal& fake = Portal(Choosing("file:///home/ann/My%20Palettes/sea%25.ase"));
  host::PortalFileChooser chooser;
  const FileRequest request{"Export Palette", "/tmp/Sea.gpl", FileRequest::Mode::Save, {host::FileFilter::Palettes()}};
  const FilePortal::Reply reply = chooser.Ask(request);
  ASSERT_EQ(reply.kind, FilePortal::Reply::Kind::Chosen) << chooser.Absence();
  EXPECT_EQ(reply.path, "/home/ann/My Palettes/sea%.ase");
  const FakePortal::FileCall call = fake.LastFileCall();
  EXPECT_EQ(call.method, "SaveFile");
  EXPECT_EQ(call.title, "Export Palette");
  EXPECT_EQ(call.currentName, "Sea.gpl");
  EXPECT_EQ(call.currentFolder, std::string("/tmp") + '\0');
  EXPECT_TRUE(call.modal);
  EXPECT_EQ(call.filters, (std::vector<std::string>{"Palettes (GIMP .gpl, Adobe .ase): *.gpl *.ase", "All files: *"}));
  EXPECT_EQ(call.currentFilter, call.filters.front());
}

TEST_F(PortalFileChooserTest, AnOpenRequestThatIsCancelledOrAnsweredWithNoLocalFileChoosesNothing) {
  FakePortal::Behaviour cancelled;
  cancelled.response = 1;
  Portal(cancelled);
  host::PortalFileChooser chooser;
  const FileRequest request{"Open Picture", "", FileRequest::Mode::Open, {host::FileFilter::Pictures()}};
  EXPECT_EQ(chooser.Ask(request).kind, FilePortal::Reply::Kind::Cancelled);
  EXPECT_EQ(portal_->LastFileCall().method, "OpenFile");
  EXPECT_EQ(portal_->LastFileCall().filters.front(), "Pictures (PNG, JPEG): *.png *.jpg *.jpeg");
  EXPECT_EQ(portal_->LastFileCall().currentName, "");
  // A URI the host cannot open as a file, or a response without any, is no choice either.
  for (const char* uri : {"https://example.invalid/a.png", "file://elsewhere/a.png", "file:///a%00b.png",
                          "file:///a%4.png", "relative.png", ""}) {
    Portal(Choosing(uri));
    EXPECT_EQ(chooser.Ask(request).kind, FilePortal::Reply::Kind::Cancelled) << uri;
  }
  Portal(Choosing("file://localhost/srv/a.png"));
  EXPECT_EQ(chooser.Ask(request).path, "/srv/a.png");
}

TEST_F(PortalFileChooserTest, WithoutAPortalTheHostsOwnDialogAnswersAndThePortalIsNotAskedAgain) {
  host::Gui::Get().SetPortal(std::make_unique<host::PortalFileChooser>());
  const FileRequest request{"Open Picture", "", FileRequest::Mode::Open, {host::FileFilter::Pictures()}};
  // No input comes: the host's dialog shows, is left unanswered and answers nothing.
  EXPECT_FALSE(host::Gui::Get().Dialogs().AskFile(request));
  ASSERT_EQ(observer.dialogs.size(), 1u);
  EXPECT_EQ(observer.dialogs[0].outcome, host::UiObserver::Outcome::Unanswered);
  auto* chooser = static_cast<host::PortalFileChooser*>(host::Gui::Get().Portal());
  EXPECT_NE(chooser->Absence().find("no desktop portal answers"), std::string::npos) << chooser->Absence();
  // A portal that turns up later is left alone: the session keeps to the host's dialog.
  FakePortal& late = Portal(Choosing("file:///x.png"));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(host::Gui::Get().Dialogs().AskFile(request));
  EXPECT_EQ(late.FileRequests(), 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(PortalFileChooserTest, TheHostsFileRequestsGoThroughThePortalButAScriptedAnswerComesFirst) {
  FakePortal& fake = Portal(Choosing("file:///pictures/dune.png"));
  host::Gui::Get().SetPortal(std::make_unique<host::PortalFileChooser>());
  const FileRequest request{"Open Picture", "", FileRequest::Mode::Open, {host::FileFilter::Pictures()}};
  EXPECT_EQ(host::Gui::Get().Dialogs().AskFile(request), std::optional<std::string>("/pictures/dune.png"));
  EXPECT_EQ(fake.FileRequests(), 1);
  ASSERT_EQ(observer.dialogs.size(), 1u);
  EXPECT_EQ(observer.dialogs[0].kind, "file");
  EXPECT_EQ(observer.dialogs[0].outcome, host::UiObserver::Outcome::Interactive);

  host::Gui::Get().Answers().Push(host::Answer::Text("/from/the/script.png"));
  EXPECT_EQ(host::Gui::Get().Dialogs().AskFile(request), std::optional<std::string>("/from/the/script.png"));
  EXPECT_EQ(fake.FileRequests(), 1);
}

TEST_F(PortalFileChooserTest, ClosingTheWindowWhileThePortalAsksClosesThePortalsDialog) {
  FakePortal::Behaviour silent;
  silent.answers = false;
  FakePortal& fake = Portal(silent);
  host::PortalFileChooser chooser;
  frontend_->Queue().Push(host::InputEvent::Closed());
  const FileRequest request{"Open Picture", "", FileRequest::Mode::Open, {}};
  EXPECT_EQ(chooser.Ask(request).kind, FilePortal::Reply::Kind::Cancelled);
  EXPECT_EQ(fake.FileRequests(), 1);
  for (int i = 0; i < 200 && fake.Closes() == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(fake.Closes(), 1);
}

}  // namespace
