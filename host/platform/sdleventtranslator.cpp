#include "platform/sdleventtranslator.h"

#include "platform/sdlkeys.h"

namespace host {

void SdlEventTranslator::Translate(const SDL_Event& e, std::vector<InputEvent>& out) {
  switch (e.type) {
    case SDL_MOUSEMOTION:
      pointer_ = scale_.ToLogical(e.motion.x, e.motion.y);
      out.push_back(InputEvent::MouseMove(pointer_, qualifiers_));
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: Button(e.button, out); break;
    case SDL_MOUSEWHEEL: Wheel(e.wheel, out); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: Key(e.key, out); break;
    case SDL_TEXTINPUT: Text(e.text.text, out); break;
    case SDL_DROPBEGIN:
    case SDL_DROPFILE:
    case SDL_DROPCOMPLETE: Drop(e.drop, out); break;
    case SDL_QUIT: out.push_back(InputEvent::Closed()); break;
    default: break;
  }
}

void SdlEventTranslator::Key(const SDL_KeyboardEvent& k, std::vector<InputEvent>& out) {
  qualifiers_ = SdlKeys::Qualifiers(k.keysym.mod);
  const int32_t code = SdlKeys::KeyCode(k.keysym.sym);
  if (code == 0) return;
  if (k.type == SDL_KEYUP) {
    out.push_back(InputEvent::KeyUp(code, qualifiers_));
    return;
  }
  if (SdlKeys::TypesText(k.keysym.sym, k.keysym.mod)) return;
  // No text: a shortcut or an editing key must not type anything.
  InputEvent down = InputEvent::KeyDown(code, qualifiers_);
  down.text.clear();
  out.push_back(std::move(down));
}

void SdlEventTranslator::Text(const char* utf8, std::vector<InputEvent>& out) {
  for (InputEvent& typed : InputEvent::Typing(utf8)) {
    typed.qualifiers = qualifiers_;
    out.push_back(std::move(typed));
  }
}

void SdlEventTranslator::Button(const SDL_MouseButtonEvent& b, std::vector<InputEvent>& out) {
  const int32_t channel = SdlKeys::Channel(b.button);
  if (channel == 0) return;
  pointer_ = scale_.ToLogical(b.x, b.y);
  const uint32_t bit = 1u << channel;
  if (b.type == SDL_MOUSEBUTTONDOWN) {
    buttons_ |= bit;
    out.push_back(InputEvent::MouseDown(pointer_, channel, qualifiers_, b.clicks >= 2));
  } else {
    buttons_ &= ~bit;
    out.push_back(InputEvent::MouseUp(pointer_, channel, qualifiers_));
  }
}

void SdlEventTranslator::Wheel(const SDL_MouseWheelEvent& w, std::vector<InputEvent>& out) {
  double dx = w.preciseX, dy = w.preciseY;
  if (w.direction == SDL_MOUSEWHEEL_FLIPPED) {
    dx = -dx;
    dy = -dy;
  }
  if (dx == 0.0 && dy == 0.0) return;
  out.push_back(InputEvent::Wheel(pointer_, dx, dy, qualifiers_));
}

void SdlEventTranslator::Drop(const SDL_DropEvent& d, std::vector<InputEvent>& out) {
  if (d.type == SDL_DROPBEGIN) {
    dropping_ = true;
    dropped_.clear();
    return;
  }
  if (d.type == SDL_DROPFILE && d.file) dropped_.emplace_back(d.file);
  // Without a begin (older SDL) each file is a drop of its own.
  if (d.type == SDL_DROPCOMPLETE || (d.type == SDL_DROPFILE && !dropping_)) {
    if (!dropped_.empty()) out.push_back(InputEvent::FileDrop(pointer_, std::move(dropped_)));
    dropped_.clear();
    dropping_ = false;
  }
}

}  // namespace host
