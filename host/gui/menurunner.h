#pragma once
// Shows a popup menu and waits for the choice. A queued menu answer replies
// without showing anything; otherwise the menu opens on the screen until an
// entry is chosen, Escape or a click outside dismisses it, or input runs out
// (then it counts as dismissed). Every menu is reported to the observer. A
// submenu opens beside its entry; its entries are answered by their IDs.
#include "gui/answerqueue.h"
#include "gui/menumodel.h"
#include "gui/menuwidget.h"
#include "gui/uiobserver.h"

namespace host {

class Screen;

class MenuRunner {
 public:
  MenuRunner(Screen& screen, AnswerQueue& answers, UiObserver& observer)
      : screen_(screen), answers_(answers), observer_(observer) {}

  // The chosen entry's ID, 0 for none. global x or y of 0x7fffffff means the
  // pointer's position.
  int32_t Run(const MenuModel& menu, Point global);

 private:
  int32_t FromAnswer(const MenuModel& menu, const Answer& answer);
  // A nested menu is a submenu's, shown beside its entry.
  int32_t OnScreen(const MenuModel& menu, Point global, bool& answered, bool nested);

  Screen& screen_;
  AnswerQueue& answers_;
  UiObserver& observer_;
};

}  // namespace host
