// SDL events in the host's terms: keys, text, buttons, wheel and drops.
#include <gtest/gtest.h>

#include "gxa_api.h"
#include "platform/sdleventtranslator.h"
#include "platform/sdlkeys.h"

namespace host {
namespace {

SDL_Event KeyEvent(uint32_t type, SDL_Keycode sym, uint16_t mod = KMOD_NONE) {
  SDL_Event e{};
  e.type = type;
  e.key.type = type;
  e.key.keysym.sym = sym;
  e.key.keysym.mod = mod;
  return e;
}

SDL_Event TextEvent(const char* text) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  std::snprintf(e.text.text, sizeof(e.text.text), "%s", text);
  return e;
}

SDL_Event ButtonEvent(uint32_t type, uint8_t button, int x, int y, uint8_t clicks = 1) {
  SDL_Event e{};
  e.type = type;
  e.button.type = type;
  e.button.button = button;
  e.button.x = x;
  e.button.y = y;
  e.button.clicks = clicks;
  return e;
}

SDL_Event MotionEvent(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = x;
  e.motion.y = y;
  return e;
}

SDL_Event DropEvent(uint32_t type, char* file = nullptr) {
  SDL_Event e{};
  e.type = type;
  e.drop.type = type;
  e.drop.file = file;
  return e;
}

std::vector<InputEvent> Translate(SdlEventTranslator& t, const SDL_Event& e) {
  std::vector<InputEvent> out;
  t.Translate(e, out);
  return out;
}

TEST(SdlKeysTest, EditingKeysLettersAndDigitsTakeTheHostCodes) {
  EXPECT_EQ(SdlKeys::KeyCode(SDLK_UP), 61824);
  EXPECT_EQ(SdlKeys::KeyCode(SDLK_END), 61831);
  EXPECT_EQ(SdlKeys::KeyCode(SDLK_BACKSPACE), 61704);
  EXPECT_EQ(SdlKeys::KeyCode(SDLK_DELETE), 61823);
  EXPECT_EQ(SdlKeys::KeyCode(SDLK_n), 'N');
  EXPECT_EQ(SdlKeys::KeyCode(SDLK_1), '1');
  EXPECT_EQ(SdlKeys::KeyCode(SDLK_KP_7), '7');
  EXPECT_EQ(SdlKeys::KeyCode(SDLK_KP_ENTER), GXA_KEY_ENTER);
  EXPECT_EQ(SdlKeys::KeyCode(SDLK_LSHIFT), 0);
  EXPECT_EQ(SdlKeys::KeyCode(SDLK_F5), 0);
  EXPECT_EQ(SdlKeys::Qualifiers(KMOD_RSHIFT | KMOD_LCTRL | KMOD_LALT), 7);
  EXPECT_EQ(SdlKeys::Channel(SDL_BUTTON_MIDDLE), 3);
  EXPECT_EQ(SdlKeys::Channel(SDL_BUTTON_X1), 0);
}

TEST(SdlEventTranslatorTest, TypedCharacterArrivesOnceWithItsText) {
  SdlEventTranslator t;
  EXPECT_TRUE(Translate(t, KeyEvent(SDL_KEYDOWN, SDLK_a)).empty());
  const auto typed = Translate(t, TextEvent("a"));
  ASSERT_EQ(typed.size(), 1u);
  EXPECT_EQ(typed[0].type, InputEvent::Type::KeyDown);
  EXPECT_EQ(typed[0].key, 'A');
  EXPECT_EQ(typed[0].text, "a");
  const auto up = Translate(t, KeyEvent(SDL_KEYUP, SDLK_a));
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(up[0].type, InputEvent::Type::KeyUp);
}

TEST(SdlEventTranslatorTest, ShiftedTextKeepsItsQualifierAndNonAsciiTypes) {
  SdlEventTranslator t;
  Translate(t, KeyEvent(SDL_KEYDOWN, SDLK_LSHIFT, KMOD_LSHIFT));
  const auto typed = Translate(t, TextEvent("#"));
  ASSERT_EQ(typed.size(), 1u);
  EXPECT_EQ(typed[0].text, "#");
  EXPECT_EQ(typed[0].qualifiers, GXA_QUALIFIER_SHIFT);
  const auto umlaut = Translate(t, TextEvent("\xC3\xA4"));
  ASSERT_EQ(umlaut.size(), 1u);
  EXPECT_EQ(umlaut[0].text, "\xC3\xA4");
}

TEST(SdlEventTranslatorTest, ShortcutsAndEditingKeysTypeNothing) {
  SdlEventTranslator t;
  const auto save = Translate(t, KeyEvent(SDL_KEYDOWN, SDLK_s, KMOD_LCTRL));
  ASSERT_EQ(save.size(), 1u);
  EXPECT_EQ(save[0].key, 'S');
  EXPECT_EQ(save[0].qualifiers, GXA_QUALIFIER_CTRL);
  EXPECT_TRUE(save[0].text.empty());
  const auto back = Translate(t, KeyEvent(SDL_KEYDOWN, SDLK_BACKSPACE));
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0].key, GXA_KEY_BACKSPACE);
  EXPECT_TRUE(back[0].text.empty());
  EXPECT_TRUE(Translate(t, KeyEvent(SDL_KEYDOWN, SDLK_F1)).empty());
}

TEST(SdlEventTranslatorTest, ButtonsAndMotionAtDisplayScaleTwo) {
  SdlEventTranslator t(ViewScale(2, 1));
  const auto down = Translate(t, ButtonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 201, 99, 2));
  ASSERT_EQ(down.size(), 1u);
  EXPECT_EQ(down[0].channel, GXA_CHANNEL_RIGHT);
  EXPECT_TRUE(down[0].doubleClick);
  EXPECT_EQ(down[0].position.x, 100);
  EXPECT_EQ(down[0].position.y, 49);
  EXPECT_TRUE(t.AnyButtonDown());
  // A captured drag reports positions left of the window.
  const auto moved = Translate(t, MotionEvent(-9, 40));
  ASSERT_EQ(moved.size(), 1u);
  EXPECT_EQ(moved[0].position.x, -5);
  Translate(t, ButtonEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 0, 0));
  EXPECT_FALSE(t.AnyButtonDown());
}

TEST(SdlEventTranslatorTest, WheelHappensAtThePointerAndFollowsFlippedDevices) {
  SdlEventTranslator t;
  Translate(t, MotionEvent(30, 40));
  SDL_Event w{};
  w.type = SDL_MOUSEWHEEL;
  w.wheel.preciseY = 1.0f;
  w.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
  const auto wheel = Translate(t, w);
  ASSERT_EQ(wheel.size(), 1u);
  EXPECT_EQ(wheel[0].channel, GXA_CHANNEL_WHEEL);
  EXPECT_EQ(wheel[0].position.x, 30);
  EXPECT_DOUBLE_EQ(wheel[0].wheelY, -1.0);
}

TEST(SdlEventTranslatorTest, FilesDroppedTogetherAreOneDrop) {
  SdlEventTranslator t;
  t.SetPointer({12, 34});
  char a[] = "/tmp/a.png", b[] = "/tmp/b.png";
  EXPECT_TRUE(Translate(t, DropEvent(SDL_DROPBEGIN)).empty());
  EXPECT_TRUE(Translate(t, DropEvent(SDL_DROPFILE, a)).empty());
  EXPECT_TRUE(Translate(t, DropEvent(SDL_DROPFILE, b)).empty());
  const auto drop = Translate(t, DropEvent(SDL_DROPCOMPLETE));
  ASSERT_EQ(drop.size(), 1u);
  EXPECT_EQ(drop[0].type, InputEvent::Type::FileDrop);
  EXPECT_EQ(drop[0].files, (std::vector<std::string>{"/tmp/a.png", "/tmp/b.png"}));
  EXPECT_EQ(drop[0].position.y, 34);
  // Without a begin a file is dropped at once.
  EXPECT_EQ(Translate(t, DropEvent(SDL_DROPFILE, a)).size(), 1u);
  EXPECT_TRUE(Translate(t, DropEvent(SDL_DROPCOMPLETE)).empty());
}

}  // namespace
}  // namespace host
