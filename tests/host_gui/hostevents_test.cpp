#include <gtest/gtest.h>

#include <filesystem>

#include "core/host.h"
#include "gui/guifamilies.h"
#include "guitestkit.h"

namespace host {
namespace {

using namespace testkit;

// A host of its own, with the GUI families installed and no files written.
class HostEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HostOptions options;
    options.home = std::filesystem::path(::testing::TempDir()) / "gui-host-events";
    options.persistent_preferences = false;
    auto created = Host::Create(options);
    ASSERT_TRUE(created.Ok()) << created.Error();
    host_ = std::move(created.Value());
    GuiFamilies::Install(*host_);
  }
  void TearDown() override { host_.reset(); }

  std::unique_ptr<Host> host_;
};

TEST_F(HostEventsTest, FamiliesAreInstalledInTheHostTable) {
  const GxaHostTable* table = host_->Table().Table();
  EXPECT_EQ(table->dialogs, DialogFamily::Table());
  EXPECT_EQ(table->userareas, UserAreaFamily::Table());
  ASSERT_NE(table->input, nullptr);
  ASSERT_NE(table->bitmaps, nullptr);
  EXPECT_TRUE(GXA_HAS(table->dialogs, set_size_hints));
}

TEST_F(HostEventsTest, EventsPostedDuringAModuleCallArriveAfterIt) {
  GuiFixture gui({200, 100});
  TestDialog d;
  TestArea area;
  d.layout = [&](GxaDialog* h) {
    Dlg().add_user_area(h, 5, GXA_ALIGN_LEFT, 0, 0);
    Dlg().attach_user_area(h, 5, area.handle, 0);
  };
  // The area posts a broadcast while it handles a click.
  size_t seenDuringInput = 99;
  area.input = [&](const Container&) {
    host_->Table().Table()->events->post(1000492, 7, 9);
    seenDuringInput = d.coreMessages.size();
    return true;
  };
  gui.Show(d);
  gui.Run({InputEvent::MouseDown(gui.Centre(d, 5)), InputEvent::MouseUp(gui.Centre(d, 5))});
  EXPECT_EQ(seenDuringInput, 0u);
  ASSERT_EQ(d.coreMessages.size(), 1u);
  EXPECT_EQ(d.coreMessages[0].id, 1000492);
  EXPECT_EQ(d.coreMessages[0].msg.GetInt64(GXA_MSG_EVENT_ARG1), 7);
  EXPECT_EQ(d.coreMessages[0].msg.GetInt64(GXA_MSG_EVENT_ARG2), 9);
  EXPECT_EQ(area.coreMessages, std::vector<int32_t>{1000492});
}

}  // namespace
}  // namespace host
