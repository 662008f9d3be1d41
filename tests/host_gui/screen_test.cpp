#include <gtest/gtest.h>

#include "gui/layer.h"
#include "guitestkit.h"

namespace host {
namespace {

using namespace testkit;

TEST(Screen, AnAreaThatGrowsWhenSizedIsLaidOutAgainAtOnce) {
  GuiFixture gui({0, 0});
  TestDialog d;
  TestArea area;
  area.minW = 100;
  area.minH = 10;
  d.layout = AreaAlone(area, kFill);
  // Like the swatches: the rows it needs depend on the width it gets, and
  // it asks for a new layout from inside Sized.
  area.sized = [&](int32_t w, int32_t) {
    if (w < 100 || area.minH >= 40) return;
    area.minH = 40;
    Container msg(GXA_MSG_LAYOUT_CHANGED);
    msg.SetInt32(GXA_MSG_LAYOUT_CHANGED, 1);
    Ua().send_parent_message(area.handle, ToHandle(&msg));
  };
  gui.Show(d);
  EXPECT_EQ(Ua().height(area.handle), 40);
  EXPECT_EQ(gui.screen().WindowSize(), (Size{100, 40}));
  EXPECT_EQ(gui.headless->LastFrame().Height(), 40);
}

TEST(Screen, DestroyingTheWindowsDialogTakesItOffTheScreen) {
  GuiFixture gui({100, 100});
  auto d = std::make_unique<TestDialog>();
  gui.Show(*d);
  ASSERT_NE(gui.screen().WindowLayer(), nullptr);
  d.reset();
  EXPECT_EQ(gui.screen().WindowLayer(), nullptr);
  gui.screen().Render();  // nothing left to draw, nothing to crash on
}

TEST(Screen, ModalDialogsSitCentredOverADimmedWindow) {
  GuiFixture gui({400, 300});
  TestDialog window, modal;
  window.layout = [](GxaDialog* h) { Dlg().add_static_text(h, 1, kTopLeft, 0, 0, "behind", 0); };
  modal.layout = [](GxaDialog* h) { Dlg().add_static_text(h, 2, kTopLeft, GXA_SIZE_PIXELS(200), 0, "front", 0); };
  gui.Show(window);
  const Rgba before = gui.headless->LastFrame().GetPixel(2, 298);
  // Nobody answers; the frame shown while it ran has the dialog in it.
  EXPECT_TRUE(Dlg().open_modal(modal.handle, "Front", 0, 0));
  const Framebuffer& shown = gui.headless->LastFrame();
  EXPECT_LT(shown.GetPixel(2, 298).r, before.r);
  // Its title bar spans the middle, 220 wide (200 and the frame's padding).
  const Rgba bar = gui.screen().Colors().GetOr(InterfaceColors::kMenuBackground, {});
  int top = -1;
  for (int y = 0; y < 300 && top < 0; ++y) {
    if (shown.GetPixel(200, y) == bar) top = y;
  }
  ASSERT_GE(top, 0);
  EXPECT_EQ(shown.GetPixel(91, top + 2), bar);
  EXPECT_EQ(shown.GetPixel(308, top + 2), bar);
  EXPECT_NE(shown.GetPixel(88, top + 2), bar);
  EXPECT_EQ(gui.screen().TopLayer(), gui.screen().WindowLayer());
}

TEST(Screen, WindowFollowsTheFrontEndSizeAndScale) {
  GuiFixture gui({150, 90}, 2);
  TestDialog d;
  TestArea area;
  d.layout = AreaAlone(area, kFill);
  gui.Show(d);
  const Framebuffer& fb = gui.headless->LastFrame();
  EXPECT_EQ(fb.Width(), 300);
  EXPECT_EQ(fb.Height(), 180);
  EXPECT_EQ(Ua().width(area.handle), 150);
  EXPECT_EQ(Ua().display_scale(area.handle), 2);
  gui.headless->SetWindowSize({200, 100});
  gui.screen().Render();
  EXPECT_EQ(Ua().width(area.handle), 200);
  EXPECT_NE(std::find(area.log.begin(), area.log.end(), "sized 200x100"), area.log.end());
}

TEST(Screen, AnUnchangedScreenIsNotShownAgain) {
  GuiFixture gui({120, 60});
  TestDialog d;
  TestArea area;
  d.layout = AreaAlone(area, kTopLeft);
  gui.Show(d);
  const int frames = gui.headless->FrameCount();
  gui.screen().Render();
  gui.Run({InputEvent::MouseMove({100, 50})});
  EXPECT_EQ(gui.headless->FrameCount(), frames);
  Ua().redraw(area.handle);
  gui.screen().Render();
  EXPECT_EQ(gui.headless->FrameCount(), frames + 1);
  gui.headless->SetWindowSize({130, 60});
  gui.screen().Render();
  EXPECT_EQ(gui.headless->FrameCount(), frames + 2);
  EXPECT_EQ(gui.headless->LastFrame().Width(), 130);
}

}  // namespace
}  // namespace host
