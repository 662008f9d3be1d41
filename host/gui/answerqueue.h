#pragma once
// Replies waiting for the host's synchronous questions when nobody sits at
// the screen: the next popup menu (an entry ID or none), the colour dialog
// (a colour or cancel), a yes/no question, a text prompt or a module's modal
// dialog (text and check box, or cancel). Answers are used in order; an
// answer of another kind than what is asked stays where it is.
#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace host {

struct Answer {
  enum class Kind { Menu, Color, Question, Text };

  Kind kind = Kind::Menu;
  std::optional<int32_t> menuId;              // Menu: none dismisses the menu
  std::optional<std::array<double, 4>> rgba;  // Color: none cancels
  bool yes = false;                           // Question
  std::optional<std::string> text;            // Text: none cancels
  bool check = false;                         // Text: the check box

  static Answer MenuChoice(int32_t id);
  static Answer MenuDismiss();
  static Answer Color(double r, double g, double b, double a = 1.0);
  static Answer ColorCancel();
  static Answer Question(bool yes);
  static Answer Text(std::string text, bool check = false);
  static Answer TextCancel();

  static const char* KindName(Kind kind);
};

class AnswerQueue {
 public:
  void Push(Answer answer) { answers_.push_back(std::move(answer)); }
  const Answer* Front() const { return answers_.empty() ? nullptr : &answers_.front(); }
  // The front answer when it is of this kind.
  std::optional<Answer> Take(Answer::Kind kind);
  size_t Size() const { return answers_.size(); }
  bool IsEmpty() const { return answers_.empty(); }
  void Clear() { answers_.clear(); }

 private:
  std::deque<Answer> answers_;
};

}  // namespace host
