#pragma once
// Keeps what the UI reported, for assertions.
#include <string>
#include <vector>

#include "gui/uiobserver.h"

namespace host::testkit
{

class RecordingObserver : public UiObserver
{
public:
  struct Menu
  {
    MenuModel menu;
    int32_t chosen;
    Outcome outcome;
  };
  struct Shown
  {
    std::string kind, title;
    Outcome outcome;
  };

  void MenuShown(const MenuModel& menu, int32_t chosen, Outcome outcome) override
  {
    menus.push_back({menu, chosen, outcome});
  }
  void DialogShown(const std::string& kind, const std::string& title, Outcome outcome) override
  {
    dialogs.push_back({kind, title, outcome});
  }
  void AnswerRejected(const std::string& asked, const std::string& why) override
  {
    rejected.push_back(asked + ": " + why);
  }
  struct Task
  {
    std::string label;
    std::vector<int> percents;
    std::string outcome;
  };
  void TaskEnded(const std::string& label, const std::vector<int>& percents, const std::string& outcome) override
  {
    tasks.push_back({label, percents, outcome});
  }

  void Notice(const std::string& text) override { notices.push_back(text); }

  std::vector<Menu> menus;
  std::vector<Shown> dialogs;
  std::vector<std::string> rejected;
  std::vector<Task> tasks;
  std::vector<std::string> notices;
};

}  // namespace host::testkit
