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
  d.layout = AreaAlone(area, GXA_ALIGN_LEFT);
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

// A custom GUI plug-in like the module's: each gadget is a test dialog.
struct TestPlugin {
  std::vector<std::unique_ptr<TestDialog>> made;
  std::vector<std::pair<GxaDialog*, void*>> freed;
  Container lastSettings;

  static TestPlugin* Self(void* u) { return static_cast<TestPlugin*>(u); }
  static void Destroy(void*) {}
  static int32_t Id(void*) { return 4242; }
  static GxaDialog* Allocate(void* u, const GxaContainer* settings, GxaPluginRecord*) {
    TestPlugin* self = Self(u);
    self->lastSettings = *FromHandle(settings);
    auto d = std::make_unique<TestDialog>();
    d->layout = [](GxaDialog* h) { Dlg().add_static_text(h, 1, GXA_ALIGN_LEFT, 0, 0, "custom", 0); };
    self->made.push_back(std::move(d));
    return self->made.back()->handle;
  }
  static void Free(void* u, GxaDialog* dialog, void* object) {
    TestPlugin* self = Self(u);
    self->freed.emplace_back(dialog, object);
    for (auto& d : self->made) {
      if (d && d->handle == dialog) d.reset();
    }
  }
  static constexpr GxaCustomGuiCallbacks kCallbacks = {sizeof(GxaCustomGuiCallbacks), &Destroy, &Id, &Allocate, &Free};
};

TEST_F(HostEventsTest, APageHoldsAModuleCustomGuiAndFreesItWithTheGadget) {
  GuiFixture gui({300, 100});
  TestPlugin plugin;
  ASSERT_TRUE(host_->Table().Table()->registry->register_custom_gui(4242, "TEST", 0, &TestPlugin::kCallbacks, &plugin));
  auto page = std::make_unique<TestDialog>();
  page->layout = [](GxaDialog* h) {
    Container settings;
    settings.SetInt32(GXA_FOURCC('r', 'e', 't', 'T'), 2);
    Dlg().add_custom_gui(h, 50, 4242, "colour", GXA_ALIGN_H_SCALEFIT, 0, 0, ToHandle(&settings));
    // An unknown plug-in adds nothing.
    EXPECT_FALSE(Dlg().add_custom_gui(h, 51, 999, "none", 0, 0, 0, nullptr));
  };
  gui.Show(*page);
  ASSERT_EQ(plugin.made.size(), 1u);
  TestDialog& custom = *plugin.made[0];
  EXPECT_EQ(plugin.lastSettings.GetInt32(GXA_FOURCC('r', 'e', 't', 'T')), 2);
  EXPECT_EQ(Dlg().gadget_id(custom.handle), 50);
  EXPECT_EQ(Dlg().user_of(custom.handle), &custom);
  EXPECT_NE(Dialog::FromHandle(custom.handle)->Find(1), nullptr);  // its layout was built
  EXPECT_GT(gui.FrameOf(*page, 50).h, 0);

  Container msg(GXA_MSG_ACTION);
  msg.SetInt32(GXA_MSG_ID, 1);
  EXPECT_TRUE(Dlg().send_parent_message(custom.handle, ToHandle(&msg)));
  EXPECT_EQ(page->messages.back().GetInt32(GXA_MSG_ID), 1);
  // The default handling of the page turns the action into its command.
  EXPECT_EQ(page->LastCommand()->id, 1);

  GxaDialog* customHandle = custom.handle;
  void* object = &custom;
  page.reset();
  ASSERT_EQ(plugin.freed.size(), 1u);
  EXPECT_EQ(plugin.freed[0].first, customHandle);
  EXPECT_EQ(plugin.freed[0].second, object);
  EXPECT_EQ(Dialog::FromHandle(customHandle), nullptr);
}

TEST_F(HostEventsTest, OnlyTheGlobalChangeEventLaysOutAndRepaintsTheWindows) {
  GuiFixture gui({300, 100});
  TestDialog d;
  TestArea area;
  d.layout = AreaAlone(area, GXA_ALIGN_LEFT);
  gui.Show(d);
  ASSERT_EQ(gui.FrameOf(d, 5).w, area.minW);
  // The area would now like to be wider, but has not said so.
  area.minW = 120;
  area.drawReasons.clear();
  host_->Table().Table()->events->post(1000492, 0, 0);
  gui.screen().Render();
  EXPECT_EQ(gui.FrameOf(d, 5).w, 40);
  EXPECT_TRUE(area.drawReasons.empty());

  host_->Table().Table()->events->post(604, 0, 0);
  gui.screen().Render();
  EXPECT_EQ(area.coreMessages, (std::vector<int32_t>{1000492, 604}));
  EXPECT_EQ(gui.FrameOf(d, 5).w, 120);
  EXPECT_FALSE(area.drawReasons.empty());
}

}  // namespace
}  // namespace host
