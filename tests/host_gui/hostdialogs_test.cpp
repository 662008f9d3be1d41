#include <gtest/gtest.h>

#include "guitestkit.h"
#include "recordingobserver.h"

namespace host {
namespace {

using namespace testkit;

class HostDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { Gui::Get().SetObserver(&observer); }
  void TearDown() override { Gui::Get().SetObserver(nullptr); }

  GuiFixture gui{{400, 300}};
  RecordingObserver observer;
};

TEST_F(HostDialogsTest, ColourDialogTakesItsAnswerFromTheQueue) {
  double rgba[4] = {0.1, 0.2, 0.3, 0.4};
  Gui::Get().Answers().Push(Answer::Color(1.0, 0.5, 0.25, 0.75));
  EXPECT_TRUE(Dlg().color_dialog(rgba, false, "Pick", 0));
  EXPECT_DOUBLE_EQ(rgba[1], 0.5);
  EXPECT_DOUBLE_EQ(rgba[3], 0.4);  // without alpha the alpha stays
  Gui::Get().Answers().Push(Answer::Color(0.0, 0.0, 0.0, 0.75));
  EXPECT_TRUE(Dlg().color_dialog(rgba, true, "Pick", 0));
  EXPECT_DOUBLE_EQ(rgba[3], 0.75);

  Gui::Get().Answers().Push(Answer::ColorCancel());
  EXPECT_FALSE(Dlg().color_dialog(rgba, true, "Pick", 0));
  EXPECT_DOUBLE_EQ(rgba[3], 0.75);
  ASSERT_EQ(observer.dialogs.size(), 3u);
  EXPECT_EQ(observer.dialogs[0].kind, "color");
  EXPECT_EQ(observer.dialogs[0].title, "Pick");
}

TEST_F(HostDialogsTest, UnansweredDialogsCancelAndAreRecorded) {
  double rgba[4] = {0.1, 0.2, 0.3, 1.0};
  // The queued answer is for a question: the colour dialog leaves it there.
  Gui::Get().Answers().Push(Answer::Question(true));
  EXPECT_FALSE(Dlg().color_dialog(rgba, false, "Pick", 0));
  EXPECT_DOUBLE_EQ(rgba[0], 0.1);
  ASSERT_EQ(observer.dialogs.size(), 1u);
  EXPECT_EQ(observer.dialogs[0].outcome, UiObserver::Outcome::Unanswered);
  EXPECT_EQ(observer.rejected.size(), 1u);
  EXPECT_TRUE(Dlg().question("Delete?"));
  EXPECT_FALSE(Dlg().question("Delete again?"));
  EXPECT_EQ(observer.dialogs.back().outcome, UiObserver::Outcome::Unanswered);
}

TEST_F(HostDialogsTest, ColourDialogOnScreenConfirmsWithEnter) {
  double rgba[4] = {0.2, 0.4, 0.6, 1.0};
  // The hex field has the focus: Return commits the typed value and presses OK.
  std::vector<InputEvent> typing = InputEvent::Typing("ff8000");
  gui.queue().Push(typing);
  gui.queue().Push({InputEvent::KeyDown(GXA_KEY_ENTER)});
  EXPECT_TRUE(Dlg().color_dialog(rgba, false, "Colour", 0));
  EXPECT_DOUBLE_EQ(rgba[0], 1.0);
  EXPECT_NEAR(rgba[1], 128.0 / 255.0, 1e-12);
  EXPECT_DOUBLE_EQ(rgba[2], 0.0);
  EXPECT_EQ(observer.dialogs.back().outcome, UiObserver::Outcome::Interactive);
}

TEST_F(HostDialogsTest, TextPromptReturnsTextAndCheck) {
  char buf[16] = "initial";
  bool check = false;
  Gui::Get().Answers().Push(Answer::Text("a much longer name", true));
  EXPECT_TRUE(Dlg().text_prompt("Name", "Group", buf, sizeof buf, "Global", &check));
  EXPECT_STREQ(buf, "a much longer n");
  EXPECT_TRUE(check);
  Gui::Get().Answers().Push(Answer::TextCancel());
  EXPECT_FALSE(Dlg().text_prompt("Name", "Group", buf, sizeof buf, nullptr, &check));
}

// A module dialog like the group dialog: a check box, a name, OK and Cancel.
class NameDialog : public TestDialog {
 public:
  NameDialog() {
    layout = [](GxaDialog* h) {
      Dlg().group_begin(h, 0, GXA_ALIGN_H_SCALEFIT, 1, 0, nullptr, 0);
      Dlg().add_checkbox(h, 1001, GXA_ALIGN_LEFT, 0, 0, "Global");
      Dlg().add_edit_text(h, 1000, GXA_ALIGN_H_SCALEFIT, 80, 0);
      Dlg().add_button(h, 1, GXA_ALIGN_RIGHT, 0, 0, "OK");
      Dlg().add_button(h, 2, GXA_ALIGN_RIGHT, 0, 0, "Cancel");
      Dlg().group_end(h);
    };
    init = [](GxaDialog* h) { Dlg().set_string(h, 1000, "Group"); };
  }
  // What OK saw, as the module's Command would read it.
  std::string name;
  bool global = false;
  bool ok = false;

  void Watch() {
    message = [this](const Container& msg, Container&) {
      if (msg.Id() != GXA_MSG_ACTION) return 0;
      const int32_t id = msg.GetInt32(GXA_MSG_ID);
      if (id == 1 || id == 2) {
        ok = id == 1;
        char buf[64];
        Dlg().get_string(handle, 1000, buf, sizeof buf);
        name = buf;
        Dlg().get_bool(handle, 1001, &global);
        Dlg().close(handle);
      }
      return 0;
    };
  }
};

TEST_F(HostDialogsTest, ModuleModalDialogAnsweredWithTextAndCheck) {
  NameDialog d;
  d.Watch();
  Gui::Get().Answers().Push(Answer::Text("Warm colours", true));
  EXPECT_TRUE(Dlg().open_modal(d.handle, "New Group", 0, 0));
  EXPECT_TRUE(d.ok);
  EXPECT_EQ(d.name, "Warm colours");
  EXPECT_TRUE(d.global);
  ASSERT_FALSE(observer.dialogs.empty());
  EXPECT_EQ(observer.dialogs.back().kind, "modal");
  EXPECT_EQ(observer.dialogs.back().title, "New Group");
  EXPECT_EQ(observer.dialogs.back().outcome, UiObserver::Outcome::Answered);
}

TEST_F(HostDialogsTest, ModuleModalDialogCancelledByEscapeOrByRunningOut) {
  NameDialog d;
  d.Watch();
  gui.queue().Push(InputEvent::KeyDown(GXA_KEY_ESC));
  EXPECT_TRUE(Dlg().open_modal(d.handle, "Rename", 0, 0));
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.name, "Group");
  EXPECT_EQ(observer.dialogs.back().outcome, UiObserver::Outcome::Interactive);

  d.ok = true;
  EXPECT_TRUE(Dlg().open_modal(d.handle, "Rename", 0, 0));
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(observer.dialogs.back().outcome, UiObserver::Outcome::Unanswered);
  // The screen is back to no layers.
  EXPECT_EQ(gui.screen().TopLayer(), nullptr);
}

std::vector<InputEvent> Press(int32_t key, int32_t qualifiers = 0) {
  return {InputEvent::KeyDown(key, qualifiers), InputEvent::KeyUp(key, qualifiers)};
}

TEST_F(HostDialogsTest, ModalDialogOpensInItsTextFieldAndReturnConfirmsTheTypedName) {
  NameDialog d;
  d.Watch();
  // A typed space belongs to the name; it must not tick the check box.
  gui.queue().Push(InputEvent::Typing("Warm tones"));
  gui.queue().Push(Press(GXA_KEY_ENTER));
  EXPECT_TRUE(Dlg().open_modal(d.handle, "New Group", 0, 0));
  EXPECT_TRUE(d.ok);
  EXPECT_EQ(d.name, "Warm tones");
  EXPECT_FALSE(d.global);

  // Escape cancels even with an edit under way.
  gui.queue().Push(InputEvent::Typing("Cold"));
  gui.queue().Push(Press(GXA_KEY_ESC));
  EXPECT_TRUE(Dlg().open_modal(d.handle, "New Group", 0, 0));
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.name, "Group");
  EXPECT_EQ(observer.dialogs.back().outcome, UiObserver::Outcome::Interactive);
}

TEST_F(HostDialogsTest, TabAndShiftTabVisitEveryControlOfAModalDialogWithARing) {
  NameDialog d;
  d.Watch();
  std::vector<int32_t> visited;
  bool ringDrawn = true;
  gui.screen().SetNestedFilter([&](const InputEvent& e) {
    Widget* focus = gui.screen().Router().Focus();
    if (e.type != InputEvent::Type::KeyUp || !focus) return false;
    visited.push_back(focus->Id());
    ringDrawn = ringDrawn && gui.screen().Router().FocusFromKeyboard();
    return false;
  });
  for (int i = 0; i < 4; ++i) gui.queue().Push(Press(GXA_KEY_TAB));
  gui.queue().Push(Press(GXA_KEY_TAB, GXA_QUALIFIER_SHIFT));
  // On the check box Return still answers the dialog and leaves the box alone.
  gui.queue().Push(Press(' '));
  gui.queue().Push(Press(GXA_KEY_ENTER));
  EXPECT_TRUE(Dlg().open_modal(d.handle, "New Group", 0, 0));
  gui.screen().SetNestedFilter(nullptr);
  EXPECT_EQ(visited, (std::vector<int32_t>{1, 2, 1001, 1000, 1001, 1001}));
  EXPECT_TRUE(ringDrawn);
  EXPECT_TRUE(d.ok);
  EXPECT_TRUE(d.global);
}

}  // namespace
}  // namespace host
