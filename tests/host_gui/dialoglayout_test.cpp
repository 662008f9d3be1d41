#include <gtest/gtest.h>

#include "gui/group.h"
#include "gui/scrollgroup.h"
#include "guitestkit.h"

namespace host {
namespace {

using namespace testkit;

TEST(DialogLayout, FlushedGroupIsRebuiltAndTheDialogLaidOutAgain) {
  GuiFixture gui({300, 400});
  TestDialog d;
  d.layout = [](GxaDialog* h) {
    Dlg().group_begin(h, 0, kFill, 1, 0, nullptr, 0);
    Dlg().group_begin(h, 10, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP, 1, 0, nullptr, 0);
    Dlg().add_static_text(h, 11, kTopLeft, 0, 0, "one", 0);
    Dlg().group_end(h);
    Dlg().add_static_text(h, 20, kTopLeft, 0, 0, "below", 0);
    Dlg().group_end(h);
  };
  gui.Show(d);
  const int belowBefore = gui.FrameOf(d, 20).y;

  ASSERT_TRUE(Dlg().layout_flush_group(d.handle, 10));
  EXPECT_EQ(Dialog::FromHandle(d.handle)->Find(11), nullptr);
  for (int i = 0; i < 4; ++i) Dlg().add_static_text(d.handle, 30 + i, kTopLeft, 0, 0, "new", 0);
  ASSERT_TRUE(Dlg().layout_changed(d.handle, 10));

  Widget* group = Dialog::FromHandle(d.handle)->Find(10);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->ChildCount(), 4u);
  EXPECT_GT(gui.FrameOf(d, 20).y, belowBefore);
  EXPECT_GT(gui.FrameOf(d, 33).y, gui.FrameOf(d, 30).y);
  // Unknown groups are refused and change nothing.
  EXPECT_FALSE(Dlg().layout_flush_group(d.handle, 999));
  EXPECT_FALSE(Dlg().layout_changed(d.handle, 999));
}

TEST(DialogLayout, ScrollGroupVisibleAreaFollowsScrolling) {
  GuiFixture gui({200, 300});
  TestDialog d;
  TestArea tall;
  tall.minW = 50;
  tall.minH = 500;
  d.layout = [&](GxaDialog* h) {
    Dlg().scroll_group_begin(h, 40, kFill, GXA_SCROLL_VERTICAL);
    AddArea(h, 41, kFill, tall);
    Dlg().group_end(h);
    Dlg().set_size_hints(h, 40, 0, GXA_SIZE_PIXELS(100));
  };
  gui.Show(d);
  int32_t x1, y1, x2, y2;
  ASSERT_TRUE(Dlg().get_visible_area(d.handle, 40, &x1, &y1, &x2, &y2));
  EXPECT_EQ(x1, 0);
  EXPECT_EQ(y1, 0);
  const int32_t viewHeight = y2 - y1 + 1;
  EXPECT_EQ(viewHeight, 300);  // the window is taller than the hint: the group fills it

  // Showing rows 350..399 scrolls just enough.
  ASSERT_TRUE(Dlg().set_visible_area(d.handle, 40, 0, 350, 10, 399));
  ASSERT_TRUE(Dlg().get_visible_area(d.handle, 40, &x1, &y1, &x2, &y2));
  EXPECT_EQ(y2, 399);
  EXPECT_EQ(y1, 400 - viewHeight);
  EXPECT_EQ(gui.FrameOf(d, 41).y, -y1);
  // The content ends at 500: scrolling further is clamped.
  Dlg().set_visible_area(d.handle, 40, 0, 900, 0, 950);
  Dlg().get_visible_area(d.handle, 40, &x1, &y1, &x2, &y2);
  EXPECT_EQ(y2, 499);
  EXPECT_FALSE(Dlg().get_visible_area(d.handle, 41, &x1, &y1, &x2, &y2));
}

TEST(DialogLayout, ScrollGroupHintSetsItsHeightInTheScrollDirection) {
  GuiFixture gui({0, 0});  // the window fits the content
  TestDialog d;
  TestArea tall;
  tall.minH = 500;
  d.layout = [&](GxaDialog* h) {
    Dlg().scroll_group_begin(h, 40, kFill, GXA_SCROLL_VERTICAL | GXA_SCROLL_AUTO);
    AddArea(h, 41, kFill, tall);
    Dlg().group_end(h);
    Dlg().set_size_hints(h, 40, 0, GXA_SIZE_PIXELS(120));
  };
  gui.Show(d);
  EXPECT_EQ(gui.FrameOf(d, 40).h, 120);
  EXPECT_EQ(gui.screen().WindowSize().h, 120);
  auto* scroll = Dialog::FromHandle(d.handle)->Find(40)->AsScrollGroup();
  EXPECT_TRUE(scroll->ShowsVerticalBar());
}

TEST(DialogLayout, EmbeddedDialogTalksToItsParent) {
  GuiFixture gui({300, 200});
  TestDialog parent, child;
  parent.layout = [&](GxaDialog* h) {
    Dlg().add_sub_dialog(h, 77, kFill, 0, 0);
    Dlg().attach_sub_dialog(h, 77, child.handle);
  };
  child.layout = [](GxaDialog* h) {
    Dlg().group_begin(h, 5, kFill, 1, 0, nullptr, 0);
    Dlg().add_static_text(h, 6, kTopLeft, 0, 0, "inside", 0);
    Dlg().group_end(h);
  };
  gui.Show(parent);
  EXPECT_EQ(Dlg().gadget_id(child.handle), 77);
  EXPECT_EQ(Dlg().gadget_id(parent.handle), 0);
  // The parent's lookups do not reach into the child.
  EXPECT_EQ(Dialog::FromHandle(parent.handle)->Find(6), nullptr);

  Container note(GXA_FOURCC('t', 'e', 's', 't'));
  EXPECT_TRUE(Dlg().send_parent_message(child.handle, ToHandle(&note)));
  ASSERT_FALSE(parent.messages.empty());
  EXPECT_EQ(parent.messages.back().Id(), note.Id());

  Dlg().layout_flush_group(child.handle, 5);
  Dlg().add_static_text(child.handle, 7, kTopLeft, 0, 0, "more", 0);
  Dlg().layout_changed(child.handle, 5);
  EXPECT_EQ(parent.messages.back().Id(), GXA_MSG_LAYOUT_CHANGED);
  EXPECT_EQ(parent.messages.back().GetInt32(GXA_MSG_LAYOUT_CHANGED), 1);
  EXPECT_FALSE(Dlg().send_parent_message(parent.handle, ToHandle(&note)));
}

TEST(DialogLayout, AChangeDeepDownIsAnnouncedToEveryParentAndLaidOutOnce) {
  GuiFixture gui({300, 200});
  TestDialog page, middle, inner;
  TestArea pageArea;
  page.layout = [&](GxaDialog* h) {
    Dlg().group_begin(h, 0, kFill, 1, 0, nullptr, 0);
    AddArea(h, 3, kTopLeft, pageArea);
    Dlg().add_sub_dialog(h, 1, kFill, 0, 0);
    Dlg().attach_sub_dialog(h, 1, middle.handle);
    Dlg().group_end(h);
  };
  middle.layout = [&](GxaDialog* h) {
    Dlg().add_sub_dialog(h, 2, kFill, 0, 0);
    Dlg().attach_sub_dialog(h, 2, inner.handle);
  };
  inner.layout = [](GxaDialog* h) {
    Dlg().group_begin(h, 5, kTopLeft, 1, 0, nullptr, 0);
    Dlg().group_end(h);
  };
  gui.Show(page);
  const int measured = pageArea.minSizeCalls;
  Dlg().layout_flush_group(inner.handle, 5);
  Dlg().add_static_text(inner.handle, 6, kTopLeft, 0, 0, "deep", 0);
  Dlg().layout_changed(inner.handle, 5);
  EXPECT_EQ(middle.messages.back().Id(), GXA_MSG_LAYOUT_CHANGED);
  EXPECT_EQ(page.messages.back().Id(), GXA_MSG_LAYOUT_CHANGED);
  EXPECT_EQ(pageArea.minSizeCalls, measured + 1);
  EXPECT_GT(gui.FrameOf(inner, 6).h, 0);
}

TEST(DialogLayout, HiddenGadgetsGiveUpTheirSpace) {
  GuiFixture gui({200, 200});
  TestDialog d;
  d.layout = [](GxaDialog* h) {
    Dlg().group_begin(h, 0, kTopLeft, 1, 0, nullptr, 0);
    Dlg().add_button(h, 1, kTopLeft, 0, 0, "first");
    Dlg().add_button(h, 2, kTopLeft, 0, 0, "second");
    Dlg().group_end(h);
  };
  gui.Show(d);
  const int second = gui.FrameOf(d, 2).y;
  Dlg().hide(d.handle, 1, true);
  gui.screen().Render();
  EXPECT_LT(gui.FrameOf(d, 2).y, second);
  EXPECT_FALSE(Dlg().hide(d.handle, 99, true));
}

TEST(DialogLayout, StaleHandlesAreRefused) {
  GuiFixture gui;
  GxaDialog* gone;
  {
    TestDialog d;
    gone = d.handle;
  }
  EXPECT_FALSE(Dlg().group_begin(gone, 0, 0, 1, 0, nullptr, 0));
  EXPECT_EQ(Dlg().user_of(gone), nullptr);
  EXPECT_FALSE(Dlg().set_int32(nullptr, 1, 0, 0, 1, 1, 0));
}

}  // namespace
}  // namespace host
