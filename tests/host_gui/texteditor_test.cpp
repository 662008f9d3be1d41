#include "gui/texteditor.h"

#include <gtest/gtest.h>

#include "gui/inputevent.h"
#include "gui/menumodel.h"
#include "gxa_api.h"

namespace host {
namespace {

TextEditor::KeyResult Press(TextEditor& ed, int32_t key, int32_t qualifiers = 0) {
  return ed.HandleKey(InputEvent::KeyDown(key, qualifiers));
}

void TypeInto(TextEditor& ed, const std::string& text) {
  for (const InputEvent& e : InputEvent::Typing(text)) ed.HandleKey(e);
}

TEST(TextEditor, CaretMovesOverWholeCharacters) {
  TextEditor ed;
  ed.SetText("a\xC3\xA9\xE2\x82\xAC");  // a, e acute, euro sign
  EXPECT_EQ(ed.Caret(), 6u);
  Press(ed, GXA_KEY_LEFT);
  EXPECT_EQ(ed.Caret(), 3u);
  Press(ed, GXA_KEY_LEFT);
  EXPECT_EQ(ed.Caret(), 1u);
  EXPECT_EQ(Press(ed, GXA_KEY_BACKSPACE), TextEditor::KeyResult::Edited);
  EXPECT_EQ(ed.Text(), "\xC3\xA9\xE2\x82\xAC");
  Press(ed, GXA_KEY_DELETE);
  EXPECT_EQ(ed.Text(), "\xE2\x82\xAC");
  // At the ends nothing is erased.
  Press(ed, GXA_KEY_HOME);
  EXPECT_EQ(Press(ed, GXA_KEY_BACKSPACE), TextEditor::KeyResult::Moved);
  Press(ed, GXA_KEY_END);
  EXPECT_EQ(Press(ed, GXA_KEY_DELETE), TextEditor::KeyResult::Moved);
  EXPECT_EQ(ed.Text(), "\xE2\x82\xAC");
}

TEST(TextEditor, ShiftSelectsAndTypingReplacesTheSelection) {
  TextEditor ed;
  ed.SetText("hello world");
  Press(ed, GXA_KEY_HOME);
  for (int i = 0; i < 5; ++i) Press(ed, GXA_KEY_RIGHT, GXA_QUALIFIER_SHIFT);
  EXPECT_EQ(ed.Selection(), (std::pair<size_t, size_t>{0, 5}));
  TypeInto(ed, "Hi");
  EXPECT_EQ(ed.Text(), "Hi world");
  EXPECT_FALSE(ed.HasSelection());
  // Left without shift collapses a selection to its start.
  Press(ed, GXA_KEY_END, GXA_QUALIFIER_SHIFT);
  Press(ed, GXA_KEY_LEFT);
  EXPECT_EQ(ed.Caret(), 2u);
  Press(ed, 'A', GXA_QUALIFIER_CTRL);
  EXPECT_EQ(ed.Selection(), (std::pair<size_t, size_t>{0, 8}));
  Press(ed, GXA_KEY_BACKSPACE);
  EXPECT_EQ(ed.Text(), "");
}

TEST(TextEditor, ControlKeysAndUnknownKeysDoNotType) {
  TextEditor ed;
  ed.SetText("x");
  EXPECT_EQ(Press(ed, 'C', GXA_QUALIFIER_CTRL), TextEditor::KeyResult::Ignored);
  EXPECT_EQ(Press(ed, GXA_KEY_UP), TextEditor::KeyResult::Ignored);
  EXPECT_EQ(ed.HandleKey(InputEvent::KeyDown(0, 0, "\t")), TextEditor::KeyResult::Ignored);
  EXPECT_EQ(ed.Text(), "x");
}

TEST(InputEvent, KeyPressesTypeTheirCharacter) {
  EXPECT_EQ(InputEvent::KeyDown('N').text, "n");
  EXPECT_EQ(InputEvent::KeyDown('N', GXA_QUALIFIER_SHIFT).text, "N");
  EXPECT_EQ(InputEvent::KeyDown('N', GXA_QUALIFIER_CTRL).text, "");
  EXPECT_EQ(InputEvent::KeyDown(GXA_KEY_LEFT).text, "");
  const std::vector<InputEvent> typed = InputEvent::Typing("b7\xC3\xA9");
  ASSERT_EQ(typed.size(), 3u);
  EXPECT_EQ(typed[0].key, 'B');
  EXPECT_EQ(typed[1].key, '7');
  EXPECT_EQ(typed[2].text, "\xC3\xA9");
  EXPECT_EQ(typed[2].Device(), GXA_DEVICE_KEYBOARD);
  EXPECT_EQ(InputEvent::Wheel({1, 2}, 0, 1).channel, GXA_CHANNEL_WHEEL);
}

TEST(MenuModel, MarksAreReadWhereverTheyStand) {
  const MenuEntry both = MenuModel::ParseEntry(5, "&i42&Paste&c&&d&");
  EXPECT_EQ(both.icon, 42);
  EXPECT_EQ(both.text, "Paste");
  EXPECT_TRUE(both.checked);
  EXPECT_TRUE(both.disabled);
  EXPECT_FALSE(both.IsSelectable());
  // An icon mark that is not a number stays part of the text.
  const MenuEntry odd = MenuModel::ParseEntry(6, "&ix&Text");
  EXPECT_EQ(odd.icon, 0);
  EXPECT_EQ(odd.text, "&ix&Text");
  EXPECT_EQ(MenuModel::ParseEntry(7, "A && B").text, "A && B");
}

TEST(MenuModel, ContainerEntriesBecomeMenuEntriesInOrder) {
  Container menu;
  menu.SetString(3, "Three");
  menu.Insert(0, Value::String(""));
  menu.SetInt32(4, 4);  // not a text: left out
  menu.SetString(1, "One&d&");
  const MenuModel m = MenuModel::FromContainer(menu);
  ASSERT_EQ(m.Entries().size(), 3u);
  EXPECT_EQ(m.Entries()[0].id, 3);
  EXPECT_TRUE(m.Entries()[1].IsSeparator());
  EXPECT_TRUE(m.Entries()[2].disabled);
  EXPECT_EQ(m.Find(1), &m.Entries()[2]);
  EXPECT_EQ(m.Find(0), nullptr);
  EXPECT_EQ(m.Find(4), nullptr);
}

}  // namespace
}  // namespace host
