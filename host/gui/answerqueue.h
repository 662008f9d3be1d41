#pragma once
// Replies waiting for the host's synchronous questions when nobody sits at
// the screen: the next popup menu (an entry ID or none), the colour dialog
// (a colour or cancel), a yes/no question, a text prompt or a module's modal
// dialog (text and check box, or cancel). Answers are used in order; an
// answer of another kind than what is asked stays where it is.
#include <cstddef>
#include <deque>
#include <optional>

#include "gui/answer.h"

namespace host {

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
