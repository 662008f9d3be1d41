#pragma once
// The host's own synchronous dialogs that the module opens: the colour
// dialog, yes/no questions, message boxes, text prompts, the file request of
// the file name gadget, and the module's own modal dialogs. Each first looks
// for a queued answer of its kind (applied without showing anything), and
// otherwise shows the dialog and waits; when input runs out before anyone
// answers, it is cancelled. Every one is reported to the observer.
#include <array>
#include <optional>
#include <string>

#include "gui/answerqueue.h"
#include "gui/filerequest.h"
#include "gui/guitypes.h"

namespace host {

class Dialog;

struct TextReply {
  std::string text;
  bool check = false;
};

class HostDialogs {
 public:
  // rgba is changed only when the user confirms. profileMode is the
  // chooser's: the dialog shows the colours as that chooser does.
  bool Color(std::array<double, 4>& rgba, bool withAlpha, const std::string& title, int32_t profileMode);
  bool Question(const std::string& text);
  void MessageBox(const std::string& text);
  // checkLabel empty: no check box.
  std::optional<TextReply> TextPrompt(const std::string& title, const std::string& label, const std::string& initial,
                                      const std::string& checkLabel, bool check);
  // A file to open (title, starting from current, every file shown).
  std::optional<std::string> AskFile(const std::string& title, const std::string& current);
  // Through the desktop's file chooser when a portal is set and answers,
  // else through the host's own file dialog.
  std::optional<std::string> AskFile(const FileRequest& request);
  // A module's dialog run modally. A queued text answer types into its first
  // edit field, sets its first check box and presses OK (button 1); a
  // cancelling one presses Cancel (button 2). True when it was shown.
  bool RunModal(Dialog& dialog, const std::string& title, Size minimum);

 private:
  std::optional<Answer> Take(Answer::Kind kind, const char* asked);
};

}  // namespace host
