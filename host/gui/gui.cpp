#include "gui/gui.h"

#include "gui/headlessfrontend.h"

namespace host {

std::unique_ptr<Gui>& Gui::Instance() {
  static std::unique_ptr<Gui> instance;
  return instance;
}

Gui::Gui() : screen_(std::make_unique<Screen>(std::make_unique<HeadlessFrontend>())) {}

Gui& Gui::Get() {
  std::unique_ptr<Gui>& g = Instance();
  if (!g) g.reset(new Gui());
  return *g;
}

bool Gui::Exists() { return Instance() != nullptr; }

void Gui::Shutdown() {
  std::unique_ptr<Gui>& g = Instance();
  if (!g) return;
  // Layers first: closing them may still reach the toolkit.
  g->screen_.reset();
  g.reset();
}

void Gui::Notice(const std::string& text) {
  Observer().Notice(text);
  if (noticeListener_) noticeListener_(text);
}

void Gui::SetFrontend(std::unique_ptr<Frontend> frontend) {
  screen_.reset();
  screen_ = std::make_unique<Screen>(std::move(frontend));
}

}  // namespace host
