#include <gtest/gtest.h>

#include "gui/menumodel.h"
#include "gui/menuwidget.h"
#include "gui/scrollgroup.h"
#include "gui/userarea.h"
#include "guitestkit.h"
#include "recordingobserver.h"

namespace host {
namespace {

using namespace testkit;

TEST(Interaction, WheelAndThumbScrollAScrollGroup) {
  GuiFixture gui({200, 100});
  TestDialog d;
  TestArea tall;
  tall.minH = 400;
  d.layout = [&](GxaDialog* h) {
    Dlg().scroll_group_begin(h, 40, kFill, GXA_SCROLL_VERTICAL);
    AddArea(h, 41, kFill, tall);
    Dlg().group_end(h);
  };
  gui.Show(d);
  auto* scroll = Dialog::FromHandle(d.handle)->Find(40)->AsScrollGroup();
  // The area does not take the wheel: the scroll group does.
  gui.Run({InputEvent::Wheel({50, 50}, 0, -1)});
  const int afterWheel = scroll->Offset().y;
  EXPECT_GT(afterWheel, 0);
  gui.Run({InputEvent::Wheel({50, 50}, 0, 5)});
  EXPECT_EQ(scroll->Offset().y, 0);

  // Dragging the thumb to the bottom of its bar scrolls to the end.
  const Rect thumb = scroll->VerticalThumb();
  const Point grab{thumb.x + thumb.w / 2, thumb.y + 2};
  gui.Run(
      {InputEvent::MouseDown(grab), InputEvent::MouseMove({grab.x, grab.y + 200}), InputEvent::MouseUp({grab.x, 300})});
  EXPECT_EQ(scroll->Offset().y, 300);
  // A click above the thumb pages back up.
  gui.Run({InputEvent::MouseDown({grab.x, 2}), InputEvent::MouseUp({grab.x, 2})});
  EXPECT_EQ(scroll->Offset().y, 200);

  // The dialog heard of each move, and only of moves: 'scrs' with the group's ID.
  int heard = 0;
  for (const Container& msg : d.messages) {
    if (msg.Id() != GXA_MSG_SCROLL) continue;
    EXPECT_EQ(msg.GetInt32(GXA_MSG_ID), 40);
    ++heard;
  }
  EXPECT_GE(heard, 4);
  const size_t before = d.messages.size();
  gui.Run({InputEvent::Wheel({50, 50}, 0, 50), InputEvent::Wheel({50, 50}, 0, 50)});
  int more = 0;
  for (size_t i = before; i < d.messages.size(); ++i) more += d.messages[i].Id() == GXA_MSG_SCROLL;
  EXPECT_EQ(more, 1) << "scrolling past the top moves once";
}

TEST(Interaction, TabWalksIntoEmbeddedDialogsAndLeavingAFieldCommitsIt) {
  GuiFixture gui({300, 200});
  TestDialog page, gui1;
  page.layout = [&](GxaDialog* h) {
    Dlg().group_begin(h, 0, kTopLeft, 1, 0, nullptr, 0);
    Dlg().add_edit_text(h, 1, kTopLeft, 100, 0);
    Dlg().add_sub_dialog(h, 2, kTopLeft, 0, 0);
    Dlg().attach_sub_dialog(h, 2, gui1.handle);
    Dlg().add_checkbox(h, 3, kTopLeft, 0, 0, "after");
    Dlg().group_end(h);
  };
  gui1.layout = [](GxaDialog* h) { Dlg().add_number_field(h, 10, kTopLeft, 70, 0, true); };
  gui1.init = [](GxaDialog* h) { Dlg().set_int32(h, 10, 1, 0, 99, 1, 0); };
  gui.Show(page);
  EventRouter& router = gui.screen().Router();
  gui.Run({InputEvent::MouseDown(gui.Centre(page, 1)), InputEvent::MouseUp(gui.Centre(page, 1))});
  std::vector<InputEvent> keys = InputEvent::Typing("typed");
  keys.push_back(InputEvent::KeyDown(GXA_KEY_TAB));
  gui.Run(keys);
  EXPECT_EQ(page.LastCommand()->msg.GetString(GXA_MSG_VALUE), "typed");
  EXPECT_EQ(router.Focus(), Dialog::FromHandle(gui1.handle)->Find(10));
  gui.Run({InputEvent::KeyDown(GXA_KEY_TAB)});
  EXPECT_EQ(router.Focus(), Dialog::FromHandle(page.handle)->Find(3));
  gui.Run({InputEvent::KeyDown(GXA_KEY_TAB, GXA_QUALIFIER_SHIFT)});
  EXPECT_EQ(router.Focus(), Dialog::FromHandle(gui1.handle)->Find(10));
  // The number field answers its own dialog, not the page.
  gui.Run({InputEvent::KeyDown(GXA_KEY_UP)});
  ASSERT_NE(gui1.LastCommand(), nullptr);
  EXPECT_EQ(gui1.LastCommand()->msg.GetInt32(GXA_MSG_VALUE), 2);
}

TEST(Interaction, PopupMenusFollowTheKeyboard) {
  GuiFixture gui({300, 200});
  TestDialog d;
  TestArea area;
  d.layout = AreaAlone(area, kTopLeft);
  gui.Show(d);
  Container menu;
  menu.SetString(1, "Off&d&");
  menu.Insert(0, Value::String(""));
  menu.SetString(2, "Second");
  menu.SetString(3, "Third");
  // Down skips the disabled entry and the separator.
  gui.queue().Push({InputEvent::KeyDown(GXA_KEY_DOWN), InputEvent::KeyDown(GXA_KEY_ENTER)});
  EXPECT_EQ(Ua().popup_menu(area.handle, 10, 10, ToHandle(&menu), 0), 2);
  gui.queue().Push({InputEvent::KeyDown(GXA_KEY_UP), InputEvent::KeyDown(GXA_KEY_ENTER)});
  EXPECT_EQ(Ua().popup_menu(area.handle, 10, 10, ToHandle(&menu), 0), 3);
  gui.queue().Push(
      {InputEvent::KeyDown(GXA_KEY_DOWN), InputEvent::KeyDown(GXA_KEY_ESC), InputEvent::KeyDown(GXA_KEY_ENTER)});
  EXPECT_EQ(Ua().popup_menu(area.handle, 10, 10, ToHandle(&menu), 0), 0);
  // The Enter after Escape was left for the main loop.
  EXPECT_EQ(gui.queue().Size(), 1u);
}

TEST(Interaction, SubmenusOpenBesideTheirEntryAndLeftGoesBack) {
  GuiFixture gui({400, 300});
  TestDialog d;
  TestArea area;
  d.layout = AreaAlone(area, kTopLeft);
  gui.Show(d);
  Container submenu;
  submenu.SetString(MenuModel::kSubmenuText, "More");
  submenu.SetString(21, "Inner one");
  submenu.SetString(22, "Inner two");
  Container menu;
  menu.SetString(1, "First");
  menu.SetContainer(2, submenu);
  // Down to the submenu, Right opens it, Down and Enter choose in it.
  gui.queue().Push({InputEvent::KeyDown(GXA_KEY_DOWN), InputEvent::KeyDown(GXA_KEY_DOWN),
                    InputEvent::KeyDown(GXA_KEY_RIGHT), InputEvent::KeyDown(GXA_KEY_DOWN),
                    InputEvent::KeyDown(GXA_KEY_DOWN), InputEvent::KeyDown(GXA_KEY_ENTER)});
  EXPECT_EQ(Ua().popup_menu(area.handle, 10, 10, ToHandle(&menu), 0), 22);
  // Left leaves the submenu for the menu, whose first entry is then chosen;
  // Left in the menu itself closes nothing.
  gui.queue().Push({InputEvent::KeyDown(GXA_KEY_DOWN), InputEvent::KeyDown(GXA_KEY_DOWN),
                    InputEvent::KeyDown(GXA_KEY_ENTER), InputEvent::KeyDown(GXA_KEY_LEFT),
                    InputEvent::KeyDown(GXA_KEY_LEFT), InputEvent::KeyDown(GXA_KEY_UP),
                    InputEvent::KeyDown(GXA_KEY_ENTER)});
  EXPECT_EQ(Ua().popup_menu(area.handle, 10, 10, ToHandle(&menu), 0), 1);
  // A click on the submenu's entry opens it beside the menu, where the
  // pointer then chooses.
  const int entry = MenuWidget::kEntryHeight;
  gui.queue().Push(
      {InputEvent::MouseDown({30, 10 + 4 + entry + entry / 2}), InputEvent::MouseUp({30, 10 + 4 + entry + entry / 2})});
  gui.queue().Push({InputEvent::KeyDown(GXA_KEY_DOWN), InputEvent::KeyDown(GXA_KEY_ENTER)});
  EXPECT_EQ(Ua().popup_menu(area.handle, 10, 10, ToHandle(&menu), 0), 21);
}

TEST(Interaction, ADragLoopEndedEarlyAnswersFinishedAndInputGoesOn) {
  GuiFixture gui({300, 100});
  TestDialog d;
  TestArea area;
  d.layout = [&](GxaDialog* h) {
    Dlg().group_begin(h, 0, kTopLeft, 0, 1, nullptr, 0);
    AddArea(h, 5, kTopLeft, area);
    Dlg().add_button(h, 6, kTopLeft, 0, 0, "Button");
    Dlg().group_end(h);
  };
  int ended = 0;
  area.input = [&](const Container&) {
    Ua().mouse_drag_start(area.handle, GXA_CHANNEL_LEFT, 1, 1);
    ended = Ua().mouse_drag_end(area.handle);
    return true;
  };
  gui.Show(d);
  const Point button = gui.Centre(d, 6);
  gui.Run({InputEvent::MouseDown(gui.Centre(d, 5)), InputEvent::MouseMove(button), InputEvent::MouseUp(button)});
  EXPECT_EQ(ended, GXA_MOUSEDRAG_FINISHED);
  EXPECT_TRUE(d.commands.empty());
  gui.Run({InputEvent::MouseDown(button), InputEvent::MouseUp(button)});
  ASSERT_EQ(d.commands.size(), 1u);
}

TEST(Interaction, OffscreenDrawingOutsideADrawReachesTheFrame) {
  GuiFixture gui({100, 60});
  TestDialog d;
  TestArea area;
  d.layout = AreaAlone(area, kTopLeft);
  area.input = [&](const Container&) {
    if (!Ua().offscreen_begin(area.handle)) return false;
    Ua().set_pen_rgb(area.handle, 0, 1, 0);
    Ua().draw_rect(area.handle, 0, 0, 39, 19);
    Ua().offscreen_end(area.handle);
    return true;
  };
  gui.Show(d);
  const Rect r = gui.FrameOf(d, 5);
  gui.Run({InputEvent::MouseDown({r.x + 5, r.y + 5})});
  EXPECT_EQ(gui.headless->LastFrame().GetPixel(r.x + 20, r.y + 10), (Rgba{0, 255, 0, 255}));
}

TEST(Interaction, ClosingTheWindowAsksTheDialog) {
  GuiFixture gui({100, 60});
  bool keepOpen = true;
  struct Keeper : DialogDelegate {
    explicit Keeper(bool& keep) : keep(keep) {}
    bool AskClose(Dialog&) override { return keep; }
    void DestroyWindow(Dialog&) override { ++destroyed; }
    bool& keep;
    int destroyed = 0;
  };
  auto delegate = std::make_unique<Keeper>(keepOpen);
  Keeper& keeper = *delegate;
  Dialog window(std::move(delegate));
  gui.screen().ShowWindow(window);
  gui.Run({InputEvent::Closed()});
  EXPECT_NE(gui.screen().WindowLayer(), nullptr);
  keepOpen = false;
  gui.Run({InputEvent::Closed()});
  EXPECT_EQ(gui.screen().WindowLayer(), nullptr);
  EXPECT_EQ(keeper.destroyed, 1);
}

TEST(Interaction, AModalDialogTakesAllInputWhileItRuns) {
  GuiFixture gui({400, 300});
  TestDialog window, modal;
  window.layout = [](GxaDialog* h) { Dlg().add_button(h, 7, kTopLeft, 0, 0, "Behind"); };
  modal.layout = [](GxaDialog* h) { Dlg().add_button(h, 1, kTopLeft, 0, 0, "OK"); };
  modal.message = [&](const Container& msg, Container&) {
    if (msg.Id() == GXA_MSG_ACTION && msg.GetInt32(GXA_MSG_ID) == 1) Dlg().close(modal.handle);
    return 0;
  };
  gui.Show(window);
  const Point behind = gui.Centre(window, 7);
  gui.queue().Push({InputEvent::MouseDown(behind), InputEvent::MouseUp(behind), InputEvent::KeyDown(GXA_KEY_ENTER)});
  EXPECT_TRUE(Dlg().open_modal(modal.handle, "Modal", 0, 0));
  EXPECT_TRUE(window.commands.empty());
  ASSERT_EQ(modal.commands.size(), 1u);
  EXPECT_EQ(modal.commands[0].id, 1);
  // The window is back in charge.
  gui.Run({InputEvent::MouseDown(behind), InputEvent::MouseUp(behind)});
  EXPECT_EQ(window.commands.size(), 1u);
}

TEST(Interaction, DropsOnOtherGadgetsGoToTheirDialogAndLeavingIsReported) {
  GuiFixture gui({300, 80});
  TestDialog d;
  TestArea source, target;
  std::vector<Container> areaMessages;
  d.layout = [&](GxaDialog* h) {
    Dlg().group_begin(h, 0, kTopLeft, 0, 1, nullptr, 0);
    AddArea(h, 5, kTopLeft, source);
    AddArea(h, 6, kTopLeft, target);
    Dlg().add_button(h, 7, kTopLeft, 0, 0, "Drop here");
    Dlg().group_end(h);
  };
  target.message = [&](const Container& msg, Container&) {
    if (msg.Id() == GXA_MSG_DRAG_RECEIVE) areaMessages.push_back(msg);
    return 0;  // left to the default: the dialog hears of it too
  };
  d.message = [&](const Container& msg, Container&) {
    if (msg.Id() != GXA_MSG_DRAG_RECEIVE) return 0;
    Dlg().set_drag_destination(d.handle, GXA_CURSOR_MOVE);
    return msg.GetInt32(GXA_DRAG_ENTRY_GADGET) == 7 ? 1 : 0;
  };
  bool dropped = false;
  source.input = [&](const Container&) {
    Value data = Value::Int32(3);
    dropped = Ua().start_drag(source.handle, GXA_DRAGTYPE_COLORS, ToHandle(&data));
    return true;
  };
  gui.Show(d);
  const Point s = gui.Centre(d, 5), t = gui.Centre(d, 6), b = gui.Centre(d, 7);
  gui.queue().Push({InputEvent::MouseDown(s), InputEvent::MouseMove(t), InputEvent::MouseMove(b)});
  gui.queue().Push(InputEvent::MouseUp(b));
  gui.screen().Pump();
  EXPECT_TRUE(dropped);
  ASSERT_GE(areaMessages.size(), 2u);
  EXPECT_EQ(areaMessages.back().GetInt32(GXA_DRAG_ENTRY_LOST), 1);
  const Container& last = d.messages.back();
  EXPECT_EQ(last.GetInt32(GXA_DRAG_ENTRY_GADGET), 7);
  EXPECT_EQ(last.GetInt32(GXA_DRAG_ENTRY_FINISHED), 1);
  EXPECT_EQ(last.GetInt32(GXA_DRAG_ENTRY_TYPE), GXA_DRAGTYPE_COLORS);
  EXPECT_EQ(gui.headless->Cursor(), GXA_CURSOR_ARROW);
}

TEST(Interaction, AreasThatPaintTheirWholeFrameStillScaleAndAreNotClearedFirst) {
  GuiFixture gui({300, 100});
  TestDialog d;
  TestArea whole, plain;
  d.layout = [&](GxaDialog* h) {
    Dlg().group_begin(h, 0, kFill, 1, 0, nullptr, 0);
    AddArea(h, 5, kFill, whole, UserArea::kPaintsWholeFrame | 3);
    AddArea(h, 6, kFill, plain);
    Dlg().group_end(h);
  };
  auto green = [](TestArea& area) {
    Ua().set_pen_rgb(area.handle, 0, 1, 0);
    Ua().draw_rect(area.handle, 0, 0, 39, 19);
  };
  whole.draw = green;
  plain.draw = green;
  gui.Show(d);
  // The flag says nothing of size: both areas take the width of the window.
  EXPECT_EQ(gui.FrameOf(d, 5).w, 300);
  EXPECT_EQ(gui.FrameOf(d, 6).w, 300);
  EXPECT_GT(gui.FrameOf(d, 5).h, whole.minH);
  // Drawn again without painting: only the plain area is cleared by the host.
  whole.draw = nullptr;
  plain.draw = nullptr;
  Ua().redraw(whole.handle);
  Ua().redraw(plain.handle);
  gui.screen().Render();
  const Rect w = gui.FrameOf(d, 5), p = gui.FrameOf(d, 6);
  const Framebuffer& shown = gui.headless->LastFrame();
  EXPECT_EQ(shown.GetPixel(w.x + 20, w.y + 10), (Rgba{0, 255, 0, 255}));
  EXPECT_NE(shown.GetPixel(p.x + 20, p.y + 10), (Rgba{0, 255, 0, 255}));
}

TEST(Interaction, OnlyChangedGadgetsAreRedrawn) {
  GuiFixture gui({300, 60});
  TestDialog d;
  TestArea a, b;
  d.layout = [&](GxaDialog* h) {
    Dlg().group_begin(h, 0, kTopLeft, 0, 1, nullptr, 0);
    AddArea(h, 5, kTopLeft, a);
    AddArea(h, 6, kTopLeft, b);
    Dlg().group_end(h);
  };
  gui.Show(d);
  a.drawReasons.clear();
  b.drawReasons.clear();
  Ua().redraw(b.handle);
  gui.screen().Render();
  EXPECT_TRUE(a.drawReasons.empty());
  EXPECT_EQ(b.drawReasons.size(), 1u);
  gui.screen().Render();
  EXPECT_EQ(b.drawReasons.size(), 1u);
}

TEST(Interaction, GadgetsSurviveTheModuleRebuildingTheirGroupFromTheirOwnAction) {
  GuiFixture gui({300, 120});
  TestDialog d;
  auto build = [](GxaDialog* h) {
    Dlg().add_edit_text(h, 1, kTopLeft, 100, 0);
    Dlg().add_number_field(h, 2, kTopLeft, 70, 0, true);
    Dlg().add_combobox(h, 3, kTopLeft, 0, 0);
    Dlg().add_child(h, 3, 1, "one");
    Dlg().add_child(h, 3, 2, "two");
  };
  d.layout = [&](GxaDialog* h) {
    Dlg().group_begin(h, 9, kTopLeft, 1, 0, nullptr, 0);
    build(h);
    Dlg().group_end(h);
  };
  d.init = [](GxaDialog* h) { Dlg().set_int32(h, 2, 5, 0, 10, 1, 0); };
  // Every command rebuilds the group the gadget lives in, as a chooser does
  // when a mode changes.
  d.message = [&](const Container& msg, Container&) {
    if (msg.Id() != GXA_MSG_ACTION) return 0;
    Dlg().layout_flush_group(d.handle, 9);
    build(d.handle);
    Dlg().layout_changed(d.handle, 9);
    return 1;
  };
  gui.Show(d);
  std::vector<InputEvent> keys = {InputEvent::MouseDown(gui.Centre(d, 1)), InputEvent::MouseUp(gui.Centre(d, 1))};
  for (const InputEvent& e : InputEvent::Typing("x")) keys.push_back(e);
  keys.push_back(InputEvent::KeyDown(GXA_KEY_ENTER));
  gui.Run(keys);
  const Rect n = gui.FrameOf(d, 2);
  gui.Run({InputEvent::MouseDown({n.Right() - 3, n.y + 3}), InputEvent::MouseMove({n.Right() - 3, n.y - 20}),
           InputEvent::MouseUp({n.Right() - 3, n.y - 20})});
  gui.Run({InputEvent::MouseDown({n.x + 5, n.y + 5}), InputEvent::MouseUp({n.x + 5, n.y + 5}),
           InputEvent::KeyDown(GXA_KEY_UP), InputEvent::Wheel({n.x + 5, n.y + 5}, 0, 1)});
  Gui::Get().Answers().Push(Answer::MenuChoice(2));
  gui.Run({InputEvent::MouseDown(gui.Centre(d, 3)), InputEvent::MouseUp(gui.Centre(d, 3))});
  // The rebuilt gadgets are there and take input as before.
  EXPECT_EQ(Dialog::FromHandle(d.handle)->Find(9)->ChildCount(), 3u);
  EXPECT_EQ(d.messages.size() >= 4, true);
}

}  // namespace
}  // namespace host
