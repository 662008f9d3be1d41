#include <gtest/gtest.h>

#include <cmath>

#include "gui/numberfield.h"
#include "guitestkit.h"
#include "recordingobserver.h"

namespace host {
namespace {

using namespace testkit;

// A dialog with one gadget of each kind under test, laid out in a column.
class GadgetTest : public ::testing::Test {
 protected:
  enum : int32_t { kNumber = 100, kInt = 101, kEdit = 102, kCheck = 103, kCombo = 104, kButton = 105 };

  void SetUp() override {
    d.layout = [](GxaDialog* h) {
      Dlg().group_begin(h, 0, kTopLeft, 1, 0, nullptr, 0);
      Dlg().add_number_field(h, kNumber, kTopLeft, 100, 0, true);
      Dlg().add_number_field(h, kInt, kTopLeft, 100, 0, true);
      Dlg().add_edit_text(h, kEdit, kTopLeft, 100, 0);
      Dlg().add_checkbox(h, kCheck, kTopLeft, 0, 0, "Check");
      Dlg().add_combobox(h, kCombo, kTopLeft, 0, 0);
      Dlg().add_child(h, kCombo, 1, "One");
      Dlg().add_child(h, kCombo, 2, "Two&d&");
      Dlg().add_child(h, kCombo, 3, "Three");
      Dlg().add_button(h, kButton, kTopLeft, 0, 0, "Press");
      Dlg().group_end(h);
    };
    gui.Show(d);
    Gui::Get().SetObserver(&observer);
  }
  void TearDown() override { Gui::Get().SetObserver(nullptr); }

  void Click(int32_t id, int32_t qualifiers = 0) {
    const Point p = gui.Centre(d, id);
    gui.Run({InputEvent::MouseDown(p, 1, qualifiers), InputEvent::MouseUp(p, 1, qualifiers)});
  }
  // Clicks the up or down arrow of a number field.
  void Arrow(int32_t id, bool up, int32_t qualifiers = 0) {
    const Rect r = gui.FrameOf(d, id);
    const Point p{r.Right() - 4, up ? r.y + 4 : r.Bottom() - 4};
    gui.Run({InputEvent::MouseDown(p, 1, qualifiers), InputEvent::MouseUp(p, 1, qualifiers)});
  }
  void Type(int32_t id, const std::string& text, int32_t endKey = GXA_KEY_ENTER) {
    Click(id);
    std::vector<InputEvent> keys = {InputEvent::KeyDown('A', GXA_QUALIFIER_CTRL)};
    for (const InputEvent& e : InputEvent::Typing(text)) keys.push_back(e);
    keys.push_back(InputEvent::KeyDown(endKey));
    gui.Run(keys);
  }
  double Float(int32_t id) {
    double v = -1;
    EXPECT_TRUE(Dlg().get_float(d.handle, id, &v));
    return v;
  }
  std::string String(int32_t id) {
    char buf[64];
    Dlg().get_string(d.handle, id, buf, sizeof buf);
    return buf;
  }

  GuiFixture gui{{320, 300}};
  TestDialog d;
  RecordingObserver observer;
};

TEST_F(GadgetTest, NumberFieldKeepsTypedValuesInsideTheInputLimits) {
  // Arrows stay within 0..1; typed values may go up to 2.
  Dlg().set_float(d.handle, kNumber, 0.5, 0.0, 1.0, 0.1, GXA_UNIT_PERCENT, 0.0, 2.0, 0);
  EXPECT_EQ(String(kNumber), "50%");
  Type(kNumber, "150");
  EXPECT_DOUBLE_EQ(Float(kNumber), 1.5);
  ASSERT_NE(d.LastCommand(), nullptr);
  EXPECT_EQ(d.LastCommand()->id, kNumber);
  EXPECT_EQ(d.LastCommand()->msg.Id(), GXA_MSG_ACTION);
  EXPECT_EQ(d.LastCommand()->msg.GetInt32(GXA_MSG_ID), kNumber);
  EXPECT_DOUBLE_EQ(d.LastCommand()->msg.GetFloat(GXA_MSG_VALUE), 1.5);

  Type(kNumber, "500%");
  EXPECT_DOUBLE_EQ(Float(kNumber), 2.0);
  const size_t before = d.commands.size();
  Type(kNumber, "not a number");
  EXPECT_DOUBLE_EQ(Float(kNumber), 2.0);
  EXPECT_EQ(d.commands.size(), before);
}

TEST_F(GadgetTest, NumberFieldArrowsStepWithinTheValueLimits) {
  Dlg().set_float(d.handle, kNumber, 0.95, 0.0, 1.0, 0.1, GXA_UNIT_REAL, 0.0, 0.0, 0);
  Arrow(kNumber, true);
  EXPECT_DOUBLE_EQ(Float(kNumber), 1.0);
  Arrow(kNumber, false);
  EXPECT_NEAR(Float(kNumber), 0.9, 1e-12);
  Arrow(kNumber, false, GXA_QUALIFIER_SHIFT);
  EXPECT_DOUBLE_EQ(Float(kNumber), 0.0);

  Dlg().set_int32(d.handle, kInt, 5, 0, 10, 2, 0);
  Arrow(kInt, true);
  int32_t v = 0;
  Dlg().get_int32(d.handle, kInt, &v);
  EXPECT_EQ(v, 7);
  EXPECT_EQ(d.LastCommand()->msg.GetInt32(GXA_MSG_VALUE), 7);
}

TEST_F(GadgetTest, DraggingOnTheArrowsScrubsAsADrag) {
  Dlg().set_int32(d.handle, kInt, 10, 0, 100, 1, 0);
  const Rect r = gui.FrameOf(d, kInt);
  const Point start{r.Right() - 4, r.y + 4};
  gui.Run({InputEvent::MouseDown(start), InputEvent::MouseMove({start.x, start.y - 10}),
           InputEvent::MouseMove({start.x, start.y - 20}), InputEvent::MouseUp({start.x, start.y - 20})});
  int32_t v = 0;
  Dlg().get_int32(d.handle, kInt, &v);
  // One step for the click, then one per two pixels upwards.
  EXPECT_EQ(v, 21);
  ASSERT_GE(d.commands.size(), 3u);
  EXPECT_EQ(d.commands[d.commands.size() - 2].msg.GetInt32(GXA_MSG_DRAG, -1), 1);
  EXPECT_EQ(d.LastCommand()->msg.GetInt32(GXA_MSG_DRAG, -1), 0);
  EXPECT_EQ(d.LastCommand()->msg.GetInt32(GXA_MSG_VALUE), 21);
}

TEST_F(GadgetTest, MixedValueShowsUntilTheUserGivesOne) {
  Dlg().set_int32(d.handle, kInt, 3, 0, 10, 1, 1);
  const std::string shown = String(kInt);
  EXPECT_TRUE(shown == NumberField::kMixedText || shown == NumberField::kMixedShortText) << shown;
  int32_t v = 0;
  Dlg().get_int32(d.handle, kInt, &v);
  EXPECT_EQ(v, 3);
  Type(kInt, "7");
  EXPECT_EQ(String(kInt), "7");
  // A wide field has room for the whole word.
  Dlg().set_size_hints(d.handle, kInt, 300, 0);
  Dlg().set_int32(d.handle, kInt, 3, 0, 10, 1, 1);
  gui.screen().Render();
  EXPECT_EQ(String(kInt), NumberField::kMixedText);
  EXPECT_EQ(d.LastCommand()->msg.GetInt32(GXA_MSG_VALUE), 7);
}

TEST_F(GadgetTest, EscapeRevertsAndTabCommits) {
  Dlg().set_string(d.handle, kEdit, "old");
  Type(kEdit, "new", GXA_KEY_ESC);
  EXPECT_EQ(String(kEdit), "old");
  EXPECT_TRUE(d.commands.empty());

  Click(kEdit);
  std::vector<InputEvent> keys = {InputEvent::KeyDown(GXA_KEY_END), InputEvent::KeyDown(GXA_KEY_BACKSPACE)};
  for (const InputEvent& e : InputEvent::Typing("n!")) keys.push_back(e);
  keys.push_back(InputEvent::KeyDown(GXA_KEY_TAB));
  gui.Run(keys);
  EXPECT_EQ(String(kEdit), "oln!");
  ASSERT_NE(d.LastCommand(), nullptr);
  EXPECT_EQ(d.LastCommand()->msg.GetString(GXA_MSG_VALUE), "oln!");
  // Tab went on to the check box.
  EXPECT_EQ(gui.screen().Router().Focus(), Dialog::FromHandle(d.handle)->Find(kCheck));
}

TEST_F(GadgetTest, CheckBoxAndButtonReportClicks) {
  Click(kCheck);
  bool on = false;
  EXPECT_TRUE(Dlg().get_bool(d.handle, kCheck, &on));
  EXPECT_TRUE(on);
  EXPECT_TRUE(d.LastCommand()->msg.GetBool(GXA_MSG_VALUE));
  Dlg().set_bool(d.handle, kCheck, false);
  Dlg().get_bool(d.handle, kCheck, &on);
  EXPECT_FALSE(on);

  Click(kButton);
  EXPECT_EQ(d.LastCommand()->id, kButton);
  // A press that leaves the button before the release does nothing.
  const size_t before = d.commands.size();
  const Point p = gui.Centre(d, kButton);
  gui.Run({InputEvent::MouseDown(p), InputEvent::MouseMove({p.x + 300, p.y}), InputEvent::MouseUp({p.x + 300, p.y})});
  EXPECT_EQ(d.commands.size(), before);
}

TEST_F(GadgetTest, DisabledGadgetsIgnoreTheUser) {
  Dlg().enable(d.handle, kCheck, false);
  EXPECT_FALSE(Dlg().is_enabled(d.handle, kCheck));
  Click(kCheck);
  bool on = true;
  Dlg().get_bool(d.handle, kCheck, &on);
  EXPECT_FALSE(on);
  EXPECT_TRUE(d.commands.empty());
}

TEST_F(GadgetTest, ComboBoxChoosesThroughItsMenu) {
  int32_t v = 0;
  Dlg().get_int32(d.handle, kCombo, &v);
  EXPECT_EQ(v, 1);
  Gui::Get().Answers().Push(Answer::MenuChoice(3));
  Click(kCombo);
  Dlg().get_int32(d.handle, kCombo, &v);
  EXPECT_EQ(v, 3);
  EXPECT_EQ(d.LastCommand()->msg.GetInt32(GXA_MSG_VALUE), 3);
  EXPECT_EQ(String(kCombo), "Three");
  ASSERT_EQ(observer.menus.size(), 1u);
  const auto& entries = observer.menus[0].menu.Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_TRUE(entries[0].checked);
  EXPECT_TRUE(entries[1].disabled);
  EXPECT_EQ(entries[1].text, "Two");

  // The disabled entry cannot be chosen: the answer is refused.
  Gui::Get().Answers().Push(Answer::MenuChoice(2));
  Click(kCombo);
  Dlg().get_int32(d.handle, kCombo, &v);
  EXPECT_EQ(v, 3);
  EXPECT_EQ(observer.rejected.size(), 1u);
}

TEST_F(GadgetTest, ValuesOfTheWrongKindAreRefused) {
  EXPECT_FALSE(Dlg().set_bool(d.handle, kEdit, true));
  EXPECT_FALSE(Dlg().set_string(d.handle, 9999, "x"));
  char buf[8] = "keep";
  EXPECT_EQ(Dlg().get_string(d.handle, 9999, buf, sizeof buf), -1);
  double v = 42.0;
  EXPECT_FALSE(Dlg().get_float(d.handle, kEdit, &v));
  EXPECT_EQ(v, 42.0);
}

}  // namespace
}  // namespace host
