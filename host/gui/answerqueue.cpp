#include "gui/answerqueue.h"

namespace host {

std::optional<Answer> AnswerQueue::Take(Answer::Kind kind) {
  if (answers_.empty() || answers_.front().kind != kind) return std::nullopt;
  Answer a = std::move(answers_.front());
  answers_.pop_front();
  return a;
}

}  // namespace host
