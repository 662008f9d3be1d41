#pragma once
// Told about the host UI the module brings up, for transcripts: every popup
// menu (its entries with marks and IDs, and what was chosen) and every host
// or modal dialog (its kind and title), and work the host did inside a
// module call with the progress it went through, and the host's notices.
#include <cstdint>
#include <string>
#include <vector>

#include "gui/menumodel.h"

namespace host {

class UiObserver {
 public:
  enum class Outcome {
    Answered,     // a queued answer replied
    Interactive,  // the user replied on the screen
    Unanswered,   // nothing replied: the host cancelled it
  };

  virtual ~UiObserver() = default;

  // chosen is the entry ID, 0 for none.
  virtual void MenuShown(const MenuModel& /*menu*/, int32_t /*chosen*/, Outcome) {}
  // kind: "color", "question", "message", "text", "modal" or "file".
  virtual void DialogShown(const std::string& /*kind*/, const std::string& /*title*/, Outcome) {}
  // The next queued answer was of another kind than what was asked, or named
  // a menu entry that cannot be chosen; it was not used.
  virtual void AnswerRejected(const std::string& /*asked*/, const std::string& /*why*/) {}
  // Work on a worker thread ended ("done", "failed" or "cancelled"), having
  // reached these whole percents in turn.
  virtual void TaskEnded(const std::string& /*label*/, const std::vector<int>& /*percents*/,
                         const std::string& /*outcome*/) {}
  // The host told the user why it did not do what was asked (a paste of a
  // text that is no colour); the window shows it in its status line.
  virtual void Notice(const std::string& /*text*/) {}
};

}  // namespace host
