#pragma once
// The host's toolkit as the interface families reach it: the screen, the
// queue of scripted answers, the transcript observer and the host dialogs.
// One exists per process (the families have no context pointer); it starts
// with a headless front end of fitting size until a real one is set.
#include <functional>
#include <memory>
#include <string>

#include "gui/answerqueue.h"
#include "gui/fileportal.h"
#include "gui/frontend.h"
#include "gui/hostdialogs.h"
#include "gui/screen.h"
#include "gui/uiobserver.h"

namespace host {

class Gui {
 public:
  static Gui& Get();
  static bool Exists();
  // Drops the toolkit: every layer closes (module dialogs stay theirs).
  static void Shutdown();

  // Starts over on a new front end; answers and the observer stay.
  void SetFrontend(std::unique_ptr<Frontend> frontend);

  Screen& GetScreen() { return *screen_; }
  bool HasScreen() const { return screen_ != nullptr; }
  AnswerQueue& Answers() { return answers_; }
  UiObserver& Observer() { return observer_ ? *observer_ : silent_; }
  // Null stops reporting; the observer must outlive its use here.
  void SetObserver(UiObserver* observer) { observer_ = observer; }
  HostDialogs& Dialogs() { return dialogs_; }
  // The desktop's file chooser, null where the host shows its own (headless
  // and scripted runs, tests).
  FilePortal* Portal() { return portal_.get(); }
  void SetPortal(std::unique_ptr<FilePortal> portal) { portal_ = std::move(portal); }
  // A line for the user about something the host refused: the observer
  // hears it, and the window's status line shows it through the listener.
  void Notice(const std::string& text);
  void SetNoticeListener(std::function<void(const std::string&)> listener) { noticeListener_ = std::move(listener); }

 private:
  Gui();

  static std::unique_ptr<Gui>& Instance();

  std::unique_ptr<Screen> screen_;
  AnswerQueue answers_;
  UiObserver silent_;
  UiObserver* observer_ = nullptr;
  HostDialogs dialogs_;
  std::unique_ptr<FilePortal> portal_;
  std::function<void(const std::string&)> noticeListener_;
};

}  // namespace host
