// The screen picker in a Wayland session: a real chooser asks the desktop
// portal over the session bus, and a stand-in portal on the test's own bus
// answers. What the chooser does with each answer, and what the user is
// told when no portal can pick.
#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "chooserpagetest.h"
#include "fakeportal.h"
#include "platform/platformfamily.h"
#include "platform/portaldesktop.h"
#include "sessionbus.h"

namespace choosertest {
namespace {
class PortalPickerTest : public ChooserPageTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SessionBus::Shared().Running()) << SessionBus::Shared().Problem();
    auto desktop = std::make_unique<host::PortalDesktop>();
    _desktop = desktop.get();
    _desktop->SetNoticeListener([this](const std::string& text) { notices.push_back(text); });
    host::PlatformFamily::Use(std::move(desktop));
    Start();
    Open("c", Settings(1, kAllNineHidden), Plain(0.2, 0.4, 0.6));
  }

  void TearDown() override {
    ChooserPageTest::TearDown();
    host::PlatformFamily::Use(nullptr);
    _portal.reset();
  }

  void Portal(const FakePortal::Behaviour& behaviour) {
    _portal = std::make_unique<FakePortal>(SessionBus::Shared().Address(), behaviour);
    ASSERT_TRUE(_portal->Serving());
  }
  FakePortal& Fake() { return *_portal; }

  // Clicks the picker button and pumps as the host's loop does until the
  // answer is in (or a few seconds have gone by).
  void PickAndWait() {
    Click("c", kPickerButton);
    for (int i = 0; i < 500 && _desktop->Busy(); ++i) {
      _desktop->Pump();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  bool Waiting() const { return _desktop->Busy(); }
  void PumpFor(int ms) {
    for (int i = 0; i < ms / 10; ++i) {
      _desktop->Pump();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  host::Vector3 Current() { return Data("c").color; }

  std::vector<std::string> notices;

 private:
  host::PortalDesktop* _desktop = nullptr;
  std::unique_ptr<FakePortal> _portal;
};

TEST_F(PortalPickerTest, PickedColourLandsInTheChooserAndTheHost) {
  Portal({2, 0, {0.25, 0.5, 0.75}, true});
  const host::Bitmap idle = Picture("c", kPickerButton);
  PickAndWait();
  ASSERT_FALSE(Waiting());
  EXPECT_EQ(Fake().Picks(), 1);
  EXPECT_FALSE(Fake().LastToken().empty());
  const auto sent = Sent("c");
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].Find(kMessageValue)->AsVector(), (host::Vector3{0.25, 0.5, 0.75}));
  EXPECT_EQ(Current(), (host::Vector3{0.25, 0.5, 0.75}));
  EXPECT_TRUE(notices.empty());
  // The button is idle again.
  const host::Bitmap button = Picture("c", kPickerButton);
  ASSERT_EQ(button.Width(), idle.Width());
  for (int y = 0; y < button.Height(); ++y)
    for (int x = 0; x < button.Width(); ++x) ASSERT_EQ(At(button, x, y), At(idle, x, y));
}

TEST_F(PortalPickerTest, EveryOtherAnswerRestoresTheColour) {
  for (const std::uint32_t response : {1u, 2u, 7u}) {
    Portal({2, response, {0.9, 0.9, 0.9}, true});
    Host().ClearParentMessages();
    PickAndWait();
    ASSERT_FALSE(Waiting()) << response;
    EXPECT_TRUE(Sent("c").empty()) << response;
    EXPECT_EQ(Current(), (host::Vector3{0.2, 0.4, 0.6})) << response;
  }
  EXPECT_TRUE(notices.empty());
}

TEST_F(PortalPickerTest, AResponseFromAnotherPeerThanThePortalIsIgnored) {
  FakePortal::Behaviour forged{2, 0, {0.9, 0.1, 0.1}, false};
  forged.forgedFirst = true;
  Portal(forged);
  Click("c", kPickerButton);
  PumpFor(300);
  EXPECT_TRUE(Waiting());
  EXPECT_TRUE(Sent("c").empty());
  EXPECT_EQ(Current(), (host::Vector3{0.2, 0.4, 0.6}));
}

TEST_F(PortalPickerTest, NoPortalOnTheBusIsToldAndNothingChanges) {
  const host::Bitmap idle = Picture("c", kPickerButton);
  Click("c", kPickerButton);
  EXPECT_FALSE(Waiting());
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "Screen picker: no desktop portal answers on the session bus; nothing was picked");
  EXPECT_TRUE(Sent("c").empty());
  EXPECT_EQ(Current(), (host::Vector3{0.2, 0.4, 0.6}));
  const host::Bitmap button = Picture("c", kPickerButton);
  for (int y = 0; y < button.Height(); ++y)
    for (int x = 0; x < button.Width(); ++x) ASSERT_EQ(At(button, x, y), At(idle, x, y));
}

TEST_F(PortalPickerTest, APortalWithoutColourPickingIsTold) {
  Portal({1, 0, {0.5, 0.5, 0.5}, true});
  Click("c", kPickerButton);
  EXPECT_FALSE(Waiting());
  EXPECT_EQ(Fake().Picks(), 0);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find("cannot pick colours"), std::string::npos) << notices[0];
}

TEST_F(PortalPickerTest, ChooserGoneWhileThePortalPicksClosesTheRequest) {
  Portal({2, 0, {0.5, 0.5, 0.5}, false});
  std::vector<int32_t> told;
  Host().SetParentListener([&told](const host::AttributePage::ParentMessage& m) { told.push_back(m.message.Id()); });
  Click("c", kPickerButton);
  ASSERT_TRUE(Waiting());
  // A second click while the portal picks asks nothing more.
  Click("c", kPickerButton);

  ChooserPageTest::TearDown();
  EXPECT_FALSE(Waiting());
  for (int i = 0; i < 300 && Fake().Closes() == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(Fake().Closes(), 1);
  EXPECT_EQ(Fake().Picks(), 1);
  EXPECT_TRUE(std::find(told.begin(), told.end(), kAction) == told.end());
}
}  // namespace
}  // namespace choosertest
