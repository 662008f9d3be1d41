#include <gtest/gtest.h>

#include <algorithm>

#include "gui/userarea.h"
#include "guitestkit.h"
#include "raster/bitmap.h"
#include "recordingobserver.h"

namespace host {
namespace {

using namespace testkit;

// One dialog holding two user areas side by side, 100 x 60 each.
class UserAreaTest : public ::testing::Test {
 protected:
  enum : int32_t { kLeft = 10, kRight = 11 };

  explicit UserAreaTest(int scale = 1) : gui({208, 60}, scale) {}

  void SetUp() override {
    left.minW = right.minW = 100;
    left.minH = right.minH = 60;
    d.layout = [this](GxaDialog* h) {
      Dlg().group_begin(h, 0, kFill, 2, 0, nullptr, 0);
      Dlg().group_space(h, 8, 0);
      AddArea(h, kLeft, kTopLeft, left);
      AddArea(h, kRight, kTopLeft, right);
      Dlg().group_end(h);
    };
    gui.Show(d);
    Gui::Get().SetObserver(&observer);
  }
  void TearDown() override { Gui::Get().SetObserver(nullptr); }

  Point At(int32_t id, int x, int y) {
    const Rect r = gui.FrameOf(d, id);
    return {r.x + x, r.y + y};
  }

  GuiFixture gui;
  TestDialog d;
  TestArea left, right;
  RecordingObserver observer;
};

// The area runs a mouse-drag loop on every press, as sliders do.
struct DragRecord {
  int loops = 0, polls = 0;
  double dx = 0, dy = 0;
  int32_t result = 0;
  int32_t lastQualifier = -1;
};

void RunDragLoop(TestArea& area, DragRecord& rec) {
  area.input = [&area, &rec](const Container& msg) {
    if (msg.GetInt32(GXA_INPUT_DEVICE) != GXA_DEVICE_MOUSE) return false;
    ++rec.loops;
    int32_t x = msg.GetInt32(GXA_INPUT_X), y = msg.GetInt32(GXA_INPUT_Y);
    Ua().global_to_local(area.handle, &x, &y);
    Ua().mouse_drag_start(area.handle, msg.GetInt32(GXA_INPUT_CHANNEL), x, y);
    Container channels;
    double dx = 0, dy = 0;
    int32_t r;
    while ((r = Ua().mouse_drag(area.handle, &dx, &dy, ToHandle(&channels))) == GXA_MOUSEDRAG_CONTINUE) {
      ++rec.polls;
      rec.dx += dx;
      rec.dy += dy;
      rec.lastQualifier = channels.GetInt32(GXA_INPUT_QUALIFIER);
    }
    rec.dx += dx;
    rec.dy += dy;
    rec.result = Ua().mouse_drag_end(area.handle);
    return true;
  };
}

TEST_F(UserAreaTest, AreasAreInitialisedSizedAndLocated) {
  EXPECT_EQ(left.log.front(), "init");
  EXPECT_NE(std::find(left.log.begin(), left.log.end(), "sized 100x60"), left.log.end());
  EXPECT_EQ(Ua().width(right.handle), 100);
  EXPECT_EQ(Ua().gadget_id(right.handle), kRight);
  EXPECT_EQ(Ua().dialog(right.handle), d.handle);
  int32_t x = 110, y = 5;
  ASSERT_TRUE(Ua().global_to_local(right.handle, &x, &y));
  EXPECT_EQ(x, 2);
  ASSERT_TRUE(Ua().local_to_global(right.handle, &x, &y));
  EXPECT_EQ(x, 110);
  EXPECT_EQ(Ua().display_scale(right.handle), 1);
}

TEST_F(UserAreaTest, AScriptedDragIsOneLoopWithDeltas) {
  DragRecord rec;
  RunDragLoop(left, rec);
  gui.Run({InputEvent::MouseDown(At(kLeft, 10, 10)), InputEvent::MouseMove(At(kLeft, 15, 12)),
           InputEvent::MouseMove(At(kLeft, 30, 9), GXA_QUALIFIER_CTRL), InputEvent::MouseUp(At(kLeft, 32, 9))});
  EXPECT_EQ(rec.loops, 1);
  EXPECT_EQ(rec.polls, 2);
  EXPECT_DOUBLE_EQ(rec.dx, 22.0);
  EXPECT_DOUBLE_EQ(rec.dy, -1.0);
  EXPECT_EQ(rec.lastQualifier, GXA_QUALIFIER_CTRL);
  EXPECT_EQ(rec.result, GXA_MOUSEDRAG_FINISHED);
}

TEST_F(UserAreaTest, EscapeOrTheRightButtonCancelsADrag) {
  DragRecord rec;
  RunDragLoop(left, rec);
  gui.Run({InputEvent::MouseDown(At(kLeft, 10, 10)), InputEvent::MouseMove(At(kLeft, 20, 10)),
           InputEvent::KeyDown(GXA_KEY_ESC), InputEvent::MouseUp(At(kLeft, 20, 10))});
  EXPECT_EQ(rec.result, GXA_MOUSEDRAG_ESCAPE);

  DragRecord second;
  RunDragLoop(left, second);
  gui.Run({InputEvent::MouseDown(At(kLeft, 10, 10)), InputEvent::MouseMove(At(kLeft, 20, 10)),
           InputEvent::MouseDown(At(kLeft, 20, 10), GXA_CHANNEL_RIGHT), InputEvent::MouseUp(At(kLeft, 20, 10))});
  EXPECT_EQ(second.loops, 1);
  EXPECT_EQ(second.result, GXA_MOUSEDRAG_ESCAPE);
}

TEST_F(UserAreaTest, InputStateAndHotkeysFollowTheEvents) {
  Container state;
  gui.Run({InputEvent::KeyDown(' '), InputEvent::MouseMove({50, 20}, GXA_QUALIFIER_SHIFT)});
  const GxaInputFns& in = *InputFamily::Table();
  EXPECT_TRUE(in.hotkey_down(GXA_HOTKEY_PAN));
  EXPECT_FALSE(in.hotkey_down(GXA_HOTKEY_ZOOM));
  ASSERT_TRUE(in.get_input_state(GXA_DEVICE_MOUSE, GXA_CHANNEL_LEFT, ToHandle(&state)));
  EXPECT_FALSE(state.GetBool(GXA_INPUT_VALUE));
  EXPECT_EQ(state.GetInt32(GXA_INPUT_QUALIFIER), GXA_QUALIFIER_SHIFT);
  EXPECT_EQ(state.GetInt32(GXA_INPUT_X), 50);
  gui.Run({InputEvent::KeyUp(' ')});
  EXPECT_FALSE(in.hotkey_down(GXA_HOTKEY_PAN));
  EXPECT_FALSE(in.get_input_state(12345, 1, ToHandle(&state)));
}

TEST_F(UserAreaTest, PopupMenuAnsweredFromTheQueueWithItsMarks) {
  Container menu;
  menu.SetString(900000, "&i1033886&Pick");
  menu.SetString(900001, "Names&c&");
  menu.Insert(0, Value::String(""));
  menu.SetString(900002, "Paste&d&");
  Gui::Get().Answers().Push(Answer::MenuChoice(900001));
  EXPECT_EQ(Ua().popup_menu(left.handle, 0x7fffffff, 0x7fffffff, ToHandle(&menu), 0), 900001);
  ASSERT_EQ(observer.menus.size(), 1u);
  const auto& e = observer.menus[0].menu.Entries();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].icon, 1033886);
  EXPECT_EQ(e[0].text, "Pick");
  EXPECT_TRUE(e[1].checked);
  EXPECT_TRUE(e[2].IsSeparator());
  EXPECT_TRUE(e[3].disabled);
  EXPECT_EQ(e[3].rawText, "Paste&d&");
  EXPECT_EQ(observer.menus[0].outcome, UiObserver::Outcome::Answered);

  // Nobody answers: the menu closes with nothing chosen, and says so.
  EXPECT_EQ(Ua().popup_menu(left.handle, 5, 5, ToHandle(&menu), 0), 0);
  EXPECT_EQ(observer.menus.back().outcome, UiObserver::Outcome::Unanswered);
}

TEST_F(UserAreaTest, SubmenuEntriesAreAnsweredByTheirOwnIds) {
  Container submenu;
  submenu.SetString(MenuModel::kSubmenuText, "Vision");
  submenu.SetString(31, "Normal&c&");
  submenu.Insert(0, Value::String(""));
  submenu.SetString(32, "Severe&d&");
  Container menu;
  menu.SetString(1, "First");
  menu.SetContainer(2, submenu);
  Gui::Get().Answers().Push(Answer::MenuChoice(31));
  EXPECT_EQ(Ua().popup_menu(left.handle, 0x7fffffff, 0x7fffffff, ToHandle(&menu), 0), 31);
  const auto& e = observer.menus.back().menu.Entries();
  ASSERT_EQ(e.size(), 2u);
  EXPECT_TRUE(e[1].submenu);
  EXPECT_EQ(e[1].text, "Vision");
  ASSERT_EQ(e[1].children.size(), 3u);
  EXPECT_TRUE(e[1].children[0].checked);
  EXPECT_TRUE(e[1].children[1].IsSeparator());
  // The submenu's own entry and its disabled entries are no answer.
  for (const int32_t refused : {2, 32}) {
    Gui::Get().Answers().Push(Answer::MenuChoice(refused));
    EXPECT_EQ(Ua().popup_menu(left.handle, 0x7fffffff, 0x7fffffff, ToHandle(&menu), 0), 0) << refused;
  }
}

TEST_F(UserAreaTest, PopupMenuOnScreenChoosesWithTheMouseAndClosesOutside) {
  Container menu;
  menu.SetString(1, "First");
  menu.SetString(2, "Second");
  // The menu opens at (20, 5): its second entry lies one entry height lower.
  gui.queue().Push({InputEvent::MouseMove({40, 40}), InputEvent::MouseDown({40, 40}), InputEvent::MouseUp({40, 40})});
  EXPECT_EQ(Ua().popup_menu(left.handle, 20, 5, ToHandle(&menu), 0), 2);
  EXPECT_EQ(observer.menus.back().outcome, UiObserver::Outcome::Interactive);
  gui.queue().Push({InputEvent::MouseDown({205, 58}), InputEvent::MouseUp({205, 58})});
  EXPECT_EQ(Ua().popup_menu(left.handle, 0, 0, ToHandle(&menu), 0), 0);
}

TEST_F(UserAreaTest, CursorAndTooltipComeFromTheArea) {
  right.message = [](const Container& msg, Container& result) {
    if (msg.Id() != GXA_MSG_CURSOR_INFO) return 0;
    result.SetInt32(GXA_RESULT_CURSOR, GXA_CURSOR_EYEDROPPER);
    result.SetString(GXA_RESULT_TOOLTIP, "<b>RGB</b>");
    return 1;
  };
  gui.Run({InputEvent::MouseMove(At(kRight, 5, 5))});
  EXPECT_EQ(gui.headless->Cursor(), GXA_CURSOR_EYEDROPPER);
  EXPECT_EQ(gui.headless->Tooltip(), "<b>RGB</b>");
  gui.Run({InputEvent::MouseMove(At(kLeft, 5, 5))});
  EXPECT_EQ(gui.headless->Cursor(), GXA_CURSOR_ARROW);
  EXPECT_EQ(gui.headless->Tooltip(), "");
}

TEST_F(UserAreaTest, TheDialogMayTakePressesAndCursorRequestsBeforeItsArea) {
  int leftPresses = 0, rightPresses = 0;
  left.input = [&](const Container&) { return ++leftPresses > 0; };
  right.input = [&](const Container&) { return ++rightPresses > 0; };
  right.message = [](const Container& msg, Container& result) {
    if (msg.Id() != GXA_MSG_CURSOR_INFO) return 0;
    result.SetString(GXA_RESULT_TOOLTIP, "area");
    return 1;
  };
  const Rect leftFrame = gui.FrameOf(d, kLeft);
  const auto onLeft = [&](const Container& msg) {
    return leftFrame.Contains(msg.GetInt32(GXA_INPUT_X), msg.GetInt32(GXA_INPUT_Y));
  };
  // The dialog keeps what lies on the left area and leaves the rest.
  d.message = [&](const Container& msg, Container& result) {
    if (!onLeft(msg)) return 0;
    if (msg.Id() == GXA_MSG_CURSOR_INFO) {
      result.SetInt32(GXA_RESULT_CURSOR, GXA_CURSOR_MOVE);
      result.SetString(GXA_RESULT_TOOLTIP, "dialog");
      return 1;
    }
    return msg.Id() == GXA_MSG_INPUT ? 1 : 0;
  };
  gui.Run({InputEvent::MouseDown(At(kLeft, 5, 5)), InputEvent::MouseUp(At(kLeft, 5, 5))});
  gui.Run({InputEvent::MouseDown(At(kRight, 5, 5)), InputEvent::MouseUp(At(kRight, 5, 5))});
  EXPECT_EQ(leftPresses, 0);
  EXPECT_EQ(rightPresses, 1);
  const auto pressed = std::count_if(d.messages.begin(), d.messages.end(), [](const Container& msg) {
    return msg.Id() == GXA_MSG_INPUT && msg.GetInt32(GXA_INPUT_CHANNEL) == GXA_CHANNEL_LEFT;
  });
  EXPECT_EQ(pressed, 2);
  gui.Run({InputEvent::MouseMove(At(kLeft, 5, 5))});
  EXPECT_EQ(gui.headless->Cursor(), GXA_CURSOR_MOVE);
  EXPECT_EQ(gui.headless->Tooltip(), "dialog");
  gui.Run({InputEvent::MouseMove(At(kRight, 5, 5))});
  EXPECT_EQ(gui.headless->Tooltip(), "area");
}

TEST_F(UserAreaTest, FocusChangesRedrawWithTheirOwnReasons) {
  gui.Run({InputEvent::MouseDown(At(kLeft, 5, 5)), InputEvent::MouseUp(At(kLeft, 5, 5))});
  left.drawReasons.clear();
  gui.Run({InputEvent::MouseDown(At(kRight, 5, 5)), InputEvent::MouseUp(At(kRight, 5, 5))});
  EXPECT_EQ(left.drawReasons, std::vector<int32_t>{UserArea::kReasonFocusLost});
  EXPECT_EQ(right.drawReasons.back(), UserArea::kReasonFocusGained);
  Ua().redraw(right.handle);
  gui.screen().Render();
  EXPECT_EQ(right.drawReasons.back(), 0);
}

TEST_F(UserAreaTest, DragAndDropReachesTheAreaUnderThePointer) {
  bool dropped = false;
  std::vector<Container> received;
  Container payload;
  payload.SetFloat(1, 0.25);
  left.input = [&](const Container&) {
    Value data = Value::Of(payload);
    dropped = Ua().start_drag(left.handle, GXA_DRAGTYPE_COLOR, ToHandle(&data));
    return true;
  };
  right.message = [&](const Container& msg, Container&) {
    if (msg.Id() != GXA_MSG_DRAG_RECEIVE) return 0;
    received.push_back(msg);
    return 1;
  };
  gui.Run({InputEvent::MouseDown(At(kLeft, 50, 30)), InputEvent::MouseMove(At(kLeft, 52, 30)),
           InputEvent::MouseMove(At(kRight, 10, 20)), InputEvent::MouseMove(At(kRight, 12, 21)),
           InputEvent::MouseUp(At(kRight, 12, 21))});
  EXPECT_TRUE(dropped);
  ASSERT_GE(received.size(), 2u);
  EXPECT_EQ(received.front().GetInt32(GXA_DRAG_ENTRY_FINISHED), 0);
  const Container& drop = received.back();
  EXPECT_EQ(drop.GetInt32(GXA_DRAG_ENTRY_FINISHED), 1);
  EXPECT_EQ(drop.GetInt32(GXA_DRAG_ENTRY_TYPE), GXA_DRAGTYPE_COLOR);
  EXPECT_EQ(drop.GetInt32(GXA_DRAG_ENTRY_GADGET), kRight);
  EXPECT_EQ(drop.GetInt32(GXA_DRAG_ENTRY_X), 12);
  ASSERT_NE(drop.GetContainer(GXA_DRAG_ENTRY_OBJECT), nullptr);
  EXPECT_EQ(drop.GetContainer(GXA_DRAG_ENTRY_OBJECT)->GetFloat(1), 0.25);

  // A press without movement is a click: nothing is dragged.
  received.clear();
  gui.Run({InputEvent::MouseDown(At(kLeft, 50, 30)), InputEvent::MouseUp(At(kLeft, 50, 30))});
  EXPECT_FALSE(dropped);
  EXPECT_TRUE(received.empty());

  // Escape cancels, and the target hears of it.
  gui.Run({InputEvent::MouseDown(At(kLeft, 50, 30)), InputEvent::MouseMove(At(kRight, 10, 20)),
           InputEvent::KeyDown(GXA_KEY_ESC), InputEvent::MouseUp(At(kRight, 10, 20))});
  EXPECT_FALSE(dropped);
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(received.back().GetInt32(GXA_DRAG_ENTRY_ESCAPED), 1);
}

TEST_F(UserAreaTest, FilesDroppedFromOutsideArriveAsType202) {
  std::string path;
  right.message = [&](const Container& msg, Container&) {
    if (msg.Id() != GXA_MSG_DRAG_RECEIVE || msg.GetInt32(GXA_DRAG_ENTRY_TYPE) != GXA_DRAGTYPE_FILES) return 0;
    path = msg.GetString(GXA_DRAG_ENTRY_OBJECT).value_or("");
    return 1;
  };
  gui.Run({InputEvent::FileDrop(At(kRight, 4, 4), {"/tmp/picture.png"})});
  EXPECT_EQ(path, "/tmp/picture.png");
}

TEST_F(UserAreaTest, TimersSendTimerMessages) {
  int ticks = 0;
  left.message = [&](const Container& msg, Container&) {
    if (msg.Id() != GXA_MSG_TIMER) return 0;
    ++ticks;
    return 1;
  };
  Ua().set_timer(left.handle, 100);
  gui.headless->AdvanceClock(250);
  gui.screen().FireTimers();
  EXPECT_EQ(ticks, 1);
  gui.headless->AdvanceClock(100);
  gui.screen().FireTimers();
  EXPECT_EQ(ticks, 2);
  Ua().set_timer(left.handle, 0);
  gui.headless->AdvanceClock(1000);
  gui.screen().FireTimers();
  EXPECT_EQ(ticks, 2);
}

// Drawing lands at physical resolution: scale 2 doubles every pixel.
class UserAreaDrawingTest : public UserAreaTest, public ::testing::WithParamInterface<int> {
 protected:
  UserAreaDrawingTest() : UserAreaTest(GetParam()) {}
};

TEST_P(UserAreaDrawingTest, DrawingLandsInTheFramebuffer) {
  const int s = GetParam();
  // A 2 x 2 logical bitmap at full resolution, with a transparent pixel.
  Bitmap bitmap(2 * s, 2 * s, 32);
  bitmap.Clear({0, 0, 255, 255});
  bitmap.SetPixel(0, 0, {0, 0, 0, 0});
  right.draw = [&](TestArea& a) {
    Ua().set_pen_rgb(a.handle, 1.0, 0.0, 0.0);
    Ua().draw_rect(a.handle, 0, 0, 9, 9);
    Ua().set_pen_color_id(a.handle, 1003);
    Ua().draw_line(a.handle, 0, 20, 99, 20);
    Ua().draw_bitmap(a.handle, reinterpret_cast<GxaBitmap*>(&bitmap), 30, 30, 2, 2, 0, 0, 2 * s, 2 * s,
                     GXA_BMP_ALLOWALPHA);
    Ua().set_clip(a.handle, 50, 0, 59, 9);
    Ua().set_pen_rgb(a.handle, 0.0, 1.0, 0.0);
    Ua().draw_rect(a.handle, 40, 0, 69, 9);
  };
  Ua().redraw(right.handle);
  gui.screen().Render();
  const Framebuffer& fb = gui.headless->LastFrame();
  ASSERT_EQ(fb.Scale(), s);
  const Rect r = gui.FrameOf(d, kRight);
  auto px = [&](int x, int y) { return fb.GetPixel((r.x + x) * s, (r.y + y) * s); };
  auto phys = [&](int x, int y) { return fb.GetPixel(r.x * s + x, r.y * s + y); };
  EXPECT_EQ(px(0, 0), (Rgba{255, 0, 0, 255}));
  EXPECT_EQ(phys(10 * s - 1, 10 * s - 1), (Rgba{255, 0, 0, 255}));
  EXPECT_NE(phys(10 * s, 10 * s), (Rgba{255, 0, 0, 255}));
  const Rgba background = gui.screen().Colors().GetOr(1000, {});
  const Rgba text = gui.screen().Colors().GetOr(1003, {});
  EXPECT_EQ(phys(50 * s, 20 * s), text);
  EXPECT_EQ(phys(50 * s, 20 * s + s - 1), text);
  EXPECT_EQ(phys(50 * s, 20 * s + s), background);
  // The transparent bitmap pixel shows what is below; the others are blue.
  EXPECT_EQ(phys(30 * s, 30 * s), background);
  EXPECT_EQ(phys(30 * s + s, 30 * s), (Rgba{0, 0, 255, 255}));
  // The clip keeps the green rectangle inside 50..59.
  EXPECT_EQ(px(45, 5), background);
  EXPECT_EQ(px(55, 5), (Rgba{0, 255, 0, 255}));
  EXPECT_EQ(px(65, 5), background);
  // Outside a draw nothing is drawn.
  Ua().draw_rect(right.handle, 0, 0, 99, 59);
}

INSTANTIATE_TEST_SUITE_P(Scales, UserAreaDrawingTest, ::testing::Values(1, 2));

}  // namespace
}  // namespace host
