#include "gui/mousedragloop.h"

#include "gui/screen.h"
#include "gxa_api.h"

namespace host {

MouseDragLoop::MouseDragLoop(Screen& screen, int32_t channel, Point startGlobal)
    : screen_(screen), channel_(channel), last_(startGlobal) {}

int32_t MouseDragLoop::Answer() const {
  switch (state_) {
    case State::Running: return GXA_MOUSEDRAG_CONTINUE;
    case State::Finished: return GXA_MOUSEDRAG_FINISHED;
    case State::Cancelled: break;
  }
  return GXA_MOUSEDRAG_ESCAPE;
}

void MouseDragLoop::Describe(Container& channels) const {
  const InputState& input = screen_.Input();
  channels.SetInt32(GXA_INPUT_DEVICE, GXA_DEVICE_MOUSE);
  channels.SetInt32(GXA_INPUT_CHANNEL, channel_);
  channels.SetInt32(GXA_INPUT_QUALIFIER, input.Qualifiers());
  channels.SetBool(GXA_INPUT_VALUE, state_ == State::Running);
  channels.SetInt32(GXA_INPUT_X, last_.x);
  channels.SetInt32(GXA_INPUT_Y, last_.y);
}

int32_t MouseDragLoop::Poll(double& dx, double& dy, Container& channels) {
  dx = dy = 0.0;
  if (state_ == State::Running) {
    InputEvent e;
    switch (screen_.PollNested(e)) {
      case Frontend::Poll::Exhausted: state_ = State::Finished; break;
      case Frontend::Poll::Idle: break;
      case Frontend::Poll::Event:
        if (e.IsMouse() && e.type != InputEvent::Type::Wheel) {
          dx = e.position.x - last_.x;
          dy = e.position.y - last_.y;
          last_ = e.position;
        }
        if (e.type == InputEvent::Type::MouseUp && e.channel == channel_) state_ = State::Finished;
        if (e.type == InputEvent::Type::KeyDown && e.key == GXA_KEY_ESC) state_ = State::Cancelled;
        if (e.type == InputEvent::Type::MouseDown && e.channel == GXA_CHANNEL_RIGHT && channel_ != GXA_CHANNEL_RIGHT) {
          state_ = State::Cancelled;
        }
        if (e.type == InputEvent::Type::Close) state_ = State::Cancelled;
        break;
    }
  }
  Describe(channels);
  return Answer();
}

int32_t MouseDragLoop::End() {
  if (state_ == State::Running && screen_.Input().ButtonDown(channel_)) screen_.SwallowRelease(channel_);
  if (state_ == State::Running) state_ = State::Finished;
  return Answer();
}

}  // namespace host
