#pragma once
// Writes the host UI the module brought up into a transcript: the popup
// menus with their entries (texts with their "&c&"/"&d&" marks) and the
// choice, the dialogs with their kind and title, answers that did not fit
// what was asked, the progress of work such as a picture loading, and the
// host's notices to the user.
#include "automation/transcript.h"
#include "gui/uiobserver.h"

namespace host {

class TranscriptObserver : public UiObserver {
 public:
  explicit TranscriptObserver(Transcript& transcript) : transcript_(transcript) {}

  void MenuShown(const MenuModel& menu, int32_t chosen, Outcome outcome) override;
  void DialogShown(const std::string& kind, const std::string& title, Outcome outcome) override;
  void AnswerRejected(const std::string& asked, const std::string& why) override;
  void TaskEnded(const std::string& label, const std::vector<int>& percents, const std::string& outcome) override;
  void Notice(const std::string& text) override;

 private:
  static const char* OutcomeName(Outcome outcome);

  Transcript& transcript_;
};

}  // namespace host
