#pragma once
// What a scripted run reports, in the order it happened: each event carries
// the index of the step it happened in and its kind (parent, menu, dialog,
// diag, value, gadget, state, prefs, file, broadcast, progress).
#include <string>

#include "automation/transcriptjson.h"

namespace host {

class Transcript {
 public:
  void SetStep(size_t index) { step_ = index; }
  size_t Step() const { return step_; }
  // fields follow "step" and "kind" in the event.
  void Add(const std::string& kind, const OrderedJson& fields = OrderedJson::object());
  void SetError(std::string error) { error_ = std::move(error); }

  const OrderedJson& Events() const { return events_; }
  // {"events": [...]}, with "error" when the run stopped on one.
  OrderedJson Document() const;
  // The document as text, one event a line.
  std::string Text() const;

 private:
  size_t step_ = 0;
  OrderedJson events_ = OrderedJson::array();
  std::string error_;
};

}  // namespace host
