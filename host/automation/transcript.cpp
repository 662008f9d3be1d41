#include "automation/transcript.h"

#include "core/jsontext.h"

namespace host {

void Transcript::Add(const std::string& kind, const OrderedJson& fields) {
  OrderedJson e = {{"step", step_}, {"kind", kind}};
  for (auto it = fields.begin(); it != fields.end(); ++it) {
    // An entry that happens to be named like a field of the event keeps its value apart.
    std::string key = it.key();
    while (e.contains(key)) key += "#entry";
    e[key] = it.value();
  }
  events_.push_back(std::move(e));
}

OrderedJson Transcript::Document() const {
  OrderedJson doc = {{"events", events_}};
  if (!error_.empty()) doc["error"] = error_;
  return doc;
}

std::string Transcript::Text() const {
  std::string out = "{\"events\": [";
  for (size_t i = 0; i < events_.size(); ++i) out += (i ? ",\n  " : "\n  ") + JsonText::Dump(events_[i]);
  out += events_.empty() ? "]" : "\n]";
  if (!error_.empty()) out += ",\n\"error\": " + JsonText::Dump(OrderedJson(error_));
  return out + "}\n";
}

}  // namespace host
