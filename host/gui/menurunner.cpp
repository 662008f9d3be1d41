#include "gui/menurunner.h"

#include <algorithm>
#include <string>

#include "gui/screen.h"
#include "gui/widgetstyle.h"

namespace host {

int32_t MenuRunner::Run(const MenuModel& menu, Point global) {
  if (std::optional<Answer> answer = answers_.Take(Answer::Kind::Menu)) {
    const int32_t chosen = FromAnswer(menu, *answer);
    observer_.MenuShown(menu, chosen, UiObserver::Outcome::Answered);
    return chosen;
  }
  if (const Answer* next = answers_.Front()) {
    observer_.AnswerRejected("menu", std::string("the next answer is for a ") + Answer::KindName(next->kind));
  }
  bool answered = false;
  const int32_t chosen = menu.IsEmpty() ? 0 : OnScreen(menu, global, answered, false);
  observer_.MenuShown(menu, chosen, answered ? UiObserver::Outcome::Interactive : UiObserver::Outcome::Unanswered);
  return chosen;
}

int32_t MenuRunner::FromAnswer(const MenuModel& menu, const Answer& answer) {
  if (!answer.menuId || *answer.menuId == 0) return 0;
  const MenuEntry* entry = menu.Find(*answer.menuId);
  if (!entry) {
    observer_.AnswerRejected("menu", "the menu has no entry " + std::to_string(*answer.menuId));
    return 0;
  }
  if (entry->disabled) {
    observer_.AnswerRejected("menu", "entry " + std::to_string(*answer.menuId) + " is disabled");
    return 0;
  }
  if (entry->submenu) {
    observer_.AnswerRejected("menu", "entry " + std::to_string(*answer.menuId) + " opens a submenu");
    return 0;
  }
  return entry->id;
}

int32_t MenuRunner::OnScreen(const MenuModel& menu, Point global, bool& answered, bool nested) {
  if (global.x == 0x7fffffff || global.y == 0x7fffffff) global = screen_.Input().Position();
  auto widget = std::make_unique<MenuWidget>(menu);
  MenuWidget& shown = *widget;
  shown.SetNested(nested);
  Layer& layer = screen_.PushLayer(std::make_unique<Layer>(Layer::Kind::Popup, std::move(widget)));
  layer.Relayout();
  const Size window = screen_.WindowSize(), size = layer.GetSize();
  // Keep the menu inside the window where it fits.
  global.x = std::max(0, std::min(global.x, window.w - size.w));
  global.y = std::max(0, std::min(global.y, window.h - size.h));
  layer.SetOrigin(global);
  int32_t chosen = 0;
  for (;;) {
    screen_.Router().SetFocus(&shown);
    answered = screen_.RunUntil([&] { return shown.IsDone(); });
    const int opened = shown.OpenedSubmenu();
    if (!answered || opened < 0) {
      chosen = shown.IsDone() ? shown.Chosen() : 0;
      break;
    }
    // A submenu opens beside its entry over the menu; leaving it without a
    // choice returns to the menu.
    const Rect entry = shown.EntryRect(size_t(opened));
    const MenuModel submenu(menu.Entries()[size_t(opened)].children);
    chosen = OnScreen(submenu, {global.x + entry.x + entry.w, global.y + entry.y}, answered, true);
    if (chosen != 0 || !answered) break;
    shown.Reopen();
  }
  screen_.PopLayer(layer);
  return chosen;
}

}  // namespace host
