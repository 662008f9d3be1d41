#include "sequenceshrinker.h"

#include <algorithm>

namespace sequences {

using host::OrderedJson;

std::optional<OrderedJson> SequenceShrinker::Breaks(const OrderedJson& scenario, const OrderedJson& steps) {
  OrderedJson tried = scenario;
  tried["steps"] = steps;
  ++plays_;
  const Played played = SequenceSession::Play(tried, tolerated_);
  if (!played.broken || played.broken->rule != rule_) return std::nullopt;
  OrderedJson upTo = OrderedJson::array();
  for (size_t i = 0; i <= played.brokenAt; ++i) upTo.push_back(steps[i]);
  return upTo;
}

OrderedJson SequenceShrinker::Shrink(const OrderedJson& scenario) {
  auto first = Breaks(scenario, scenario["steps"]);
  if (!first) return scenario;
  OrderedJson steps = *first;
  size_t parts = 2;
  while (steps.size() >= 2) {
    const size_t chunk = (steps.size() + parts - 1) / parts;
    bool reduced = false;
    for (size_t start = 0; start < steps.size() && !reduced; start += chunk) {
      OrderedJson rest = OrderedJson::array();
      for (size_t i = 0; i < steps.size(); ++i) {
        if (i < start || i >= start + chunk) rest.push_back(steps[i]);
      }
      if (auto smaller = Breaks(scenario, rest)) {
        steps = *smaller;
        parts = std::max<size_t>(parts - 1, 2);
        reduced = true;
      }
    }
    if (reduced) continue;
    if (parts >= steps.size()) break;
    parts = std::min(steps.size(), parts * 2);
  }
  // Steps passed over changed nothing; a scenario without them runs through `gxa-host run`.
  OrderedJson kept = scenario;
  kept["steps"] = steps;
  const Played last = SequenceSession::Play(kept, tolerated_);
  OrderedJson carried = OrderedJson::array();
  for (size_t i = 0; i < steps.size(); ++i) {
    if (i < last.ran.size() && last.ran[i]) carried.push_back(steps[i]);
  }
  if (carried.size() < steps.size() && Breaks(scenario, carried)) kept["steps"] = carried;
  return kept;
}

}  // namespace sequences
