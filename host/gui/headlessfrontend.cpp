#include "gui/headlessfrontend.h"

namespace host {

void HeadlessFrontend::Present(const Framebuffer& frame) {
  frame_ = frame;
  ++frames_;
}

Frontend::Poll HeadlessFrontend::NextEvent(InputEvent& out, int) {
  return queue_.Pop(out) ? Poll::Event : Poll::Exhausted;
}

}  // namespace host
