#include "gui/hostdialogs.h"

#include <filesystem>
#include <functional>

#include "gui/checkbox.h"
#include "gui/colordialog.h"
#include "gui/dialog.h"
#include "gui/edittext.h"
#include "gui/filedialog.h"
#include "gui/fileportal.h"
#include "gui/gui.h"
#include "gui/messagedialog.h"
#include "gui/recentfolders.h"
#include "gui/textpromptdialog.h"

namespace host {

namespace {

using Outcome = UiObserver::Outcome;

constexpr Size kFileDialogMinimum{520, 420};

// Runs a host dialog on the screen; read sees its delegate before it goes.
template <typename D, typename Read>
Outcome Show(std::unique_ptr<D> delegate, const std::string& title, Read&& read) {
  D& view = *delegate;
  Dialog dialog(std::move(delegate));
  const bool answered = Gui::Get().GetScreen().RunModal(dialog, title, {});
  read(view);
  return answered ? Outcome::Interactive : Outcome::Unanswered;
}

Widget* FirstOf(Widget& root, const std::function<bool(Widget&)>& match) {
  if (match(root)) return &root;
  for (size_t i = 0; i < root.ChildCount(); ++i) {
    if (Widget* w = FirstOf(*root.ChildAt(i), match)) return w;
  }
  return nullptr;
}

}  // namespace

std::optional<Answer> HostDialogs::Take(Answer::Kind kind, const char* asked) {
  AnswerQueue& answers = Gui::Get().Answers();
  if (std::optional<Answer> a = answers.Take(kind)) return a;
  if (const Answer* next = answers.Front()) {
    Gui::Get().Observer().AnswerRejected(asked,
                                         std::string("the next answer is for a ") + Answer::KindName(next->kind));
  }
  return std::nullopt;
}

bool HostDialogs::Color(std::array<double, 4>& rgba, bool withAlpha, const std::string& title, int32_t profileMode) {
  UiObserver& observer = Gui::Get().Observer();
  if (std::optional<Answer> a = Take(Answer::Kind::Color, "color")) {
    observer.DialogShown("color", title, Outcome::Answered);
    if (!a->rgba) return false;
    const double alpha = rgba[3];
    rgba = *a->rgba;
    if (!withAlpha) rgba[3] = alpha;
    return true;
  }
  bool confirmed = false;
  std::array<double, 4> chosen = rgba;
  const Outcome outcome = Show(std::make_unique<ColorDialog>(rgba, withAlpha, profileMode), title, [&](ColorDialog& d) {
    confirmed = d.Confirmed();
    chosen = d.Rgba();
  });
  observer.DialogShown("color", title, outcome);
  if (!confirmed) return false;
  if (!withAlpha) chosen[3] = rgba[3];
  rgba = chosen;
  return true;
}

bool HostDialogs::Question(const std::string& text) {
  UiObserver& observer = Gui::Get().Observer();
  if (std::optional<Answer> a = Take(Answer::Kind::Question, "question")) {
    observer.DialogShown("question", text, Outcome::Answered);
    return a->yes;
  }
  bool yes = false;
  const Outcome outcome = Show(std::make_unique<MessageDialog>(text, MessageDialog::Buttons::YesNo), "Question",
                               [&](MessageDialog& d) { yes = d.Confirmed(); });
  observer.DialogShown("question", text, outcome);
  return yes;
}

void HostDialogs::MessageBox(const std::string& text) {
  const Outcome outcome =
      Show(std::make_unique<MessageDialog>(text, MessageDialog::Buttons::Ok), "Message", [](MessageDialog&) {});
  Gui::Get().Observer().DialogShown("message", text, outcome);
}

std::optional<TextReply> HostDialogs::TextPrompt(const std::string& title, const std::string& label,
                                                 const std::string& initial, const std::string& checkLabel,
                                                 bool check) {
  UiObserver& observer = Gui::Get().Observer();
  if (std::optional<Answer> a = Take(Answer::Kind::Text, "text")) {
    observer.DialogShown("text", title, Outcome::Answered);
    if (!a->text) return std::nullopt;
    return TextReply{*a->text, checkLabel.empty() ? check : a->check.value_or(check)};
  }
  std::optional<TextReply> reply;
  const Outcome outcome =
      Show(std::make_unique<TextPromptDialog>(label, initial, checkLabel, check), title, [&](TextPromptDialog& d) {
        if (d.Confirmed()) reply = TextReply{d.Text(), d.Check()};
      });
  observer.DialogShown("text", title, outcome);
  return reply;
}

std::optional<std::string> HostDialogs::AskFile(const std::string& title, const std::string& current) {
  return AskFile(FileRequest{title, current, FileRequest::Mode::Open, {}});
}

std::optional<std::string> HostDialogs::AskFile(const FileRequest& request) {
  UiObserver& observer = Gui::Get().Observer();
  if (std::optional<Answer> a = Take(Answer::Kind::Text, "file")) {
    observer.DialogShown("file", request.title, Outcome::Answered);
    return a->text;
  }
  if (FilePortal* portal = Gui::Get().Portal()) {
    const FilePortal::Reply reply = portal->Ask(request);
    if (reply.kind != FilePortal::Reply::Kind::Unavailable) {
      observer.DialogShown("file", request.title, Outcome::Interactive);
      if (reply.kind == FilePortal::Reply::Kind::Cancelled) return std::nullopt;
      RecentFolders::RememberInHost(std::filesystem::path(reply.path).parent_path().string());
      return reply.path;
    }
  }
  std::optional<std::string> path;
  auto delegate = std::make_unique<FileDialog>(request, RecentFolders::InHost(), *this);
  FileDialog& view = *delegate;
  Dialog dialog(std::move(delegate));
  const bool answered = Gui::Get().GetScreen().RunModal(dialog, request.title, kFileDialogMinimum);
  path = view.Chosen();
  // The chosen file's own folder: a typed path may lie outside the one shown.
  if (path) RecentFolders::RememberInHost(std::filesystem::path(*path).parent_path().string());
  observer.DialogShown("file", request.title, answered ? Outcome::Interactive : Outcome::Unanswered);
  return path;
}

bool HostDialogs::RunModal(Dialog& dialog, const std::string& title, Size minimum) {
  UiObserver& observer = Gui::Get().Observer();
  std::optional<Answer> answer = Take(Answer::Kind::Text, "modal");
  auto fill = [&](Dialog& d) {
    if (!answer) return;
    if (answer->text) {
      Widget& root = d.Root();
      if (Widget* edit = FirstOf(root, [](Widget& w) { return dynamic_cast<EditText*>(&w) != nullptr; })) {
        edit->SetText(*answer->text);
      }
      if (Widget* box = FirstOf(root, [](Widget& w) { return dynamic_cast<CheckBox*>(&w) != nullptr; })) {
        if (answer->check) box->SetChecked(*answer->check);
      }
    }
    d.Action(answer->text ? 1 : 2);
    // A dialog without those buttons closes all the same.
    d.Close();
  };
  const bool answered = Gui::Get().GetScreen().RunModal(dialog, title, minimum, fill);
  observer.DialogShown("modal", title,
                       answer     ? Outcome::Answered
                       : answered ? Outcome::Interactive
                                  : Outcome::Unanswered);
  return true;
}

}  // namespace host
