#include "gui/headlessfrontend.h"

#include <algorithm>

namespace host {

void HeadlessFrontend::Present(const Framebuffer& frame, const std::vector<Rect>& damage) {
  if (frame_.Width() != frame.Width() || frame_.Height() != frame.Height() || frame_.Scale() != frame.Scale()) {
    frame_ = frame;
  } else {
    for (const Rect& r : damage) CopyPart(frame, r.Intersect({0, 0, frame.Width(), frame.Height()}));
  }
  ++frames_;
}

void HeadlessFrontend::CopyPart(const Framebuffer& frame, const Rect& r) {
  for (int y = r.y; y < r.Bottom(); ++y) std::copy_n(frame.Row(y) + r.x, r.w, frame_.Row(y) + r.x);
}

Frontend::Poll HeadlessFrontend::NextEvent(InputEvent& out, int) {
  return queue_.Pop(out) ? Poll::Event : Poll::Exhausted;
}

bool HeadlessFrontend::KeepAlive() {
  for (size_t i = 0; i < queue_.Size(); ++i) {
    if (queue_.At(i).type == InputEvent::Type::Close) return false;
  }
  return true;
}

}  // namespace host
