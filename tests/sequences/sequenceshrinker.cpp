#include "sequenceshrinker.h"

#include <algorithm>

#include "sequencesession.h"

namespace sequences {

using host::OrderedJson;

std::optional<OrderedJson> SequenceShrinker::UpToBreak(const OrderedJson& steps) {
  ++tries_;
  const std::optional<size_t> at = breaks_(steps);
  if (!at) return std::nullopt;
  OrderedJson upTo = OrderedJson::array();
  for (size_t i = 0; i <= *at && i < steps.size(); ++i) upTo.push_back(steps[i]);
  return upTo;
}

OrderedJson SequenceShrinker::Shrink(const OrderedJson& all) {
  auto first = UpToBreak(all);
  if (!first) return all;
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
      if (auto smaller = UpToBreak(rest)) {
        steps = *smaller;
        parts = std::max<size_t>(parts - 1, 2);
        reduced = true;
      }
    }
    if (reduced) continue;
    if (parts >= steps.size()) break;
    parts = std::min(steps.size(), parts * 2);
  }
  return steps;
}

OrderedJson SequenceShrinker::Scenario(const OrderedJson& scenario, const std::string& rule,
                                       const std::set<std::string>& tolerated, size_t* tries) {
  auto play = [&](const OrderedJson& steps) {
    OrderedJson tried = scenario;
    tried["steps"] = steps;
    return SequenceSession::Play(tried, tolerated);
  };
  SequenceShrinker shrinker([&](const OrderedJson& steps) -> std::optional<size_t> {
    const Played played = play(steps);
    if (!played.broken || played.broken->rule != rule) return std::nullopt;
    return played.brokenAt;
  });
  OrderedJson kept = scenario;
  kept["steps"] = shrinker.Shrink(scenario["steps"]);
  // Steps passed over changed nothing; a scenario without them runs through `gxa-host run`.
  const Played last = play(kept["steps"]);
  OrderedJson carried = OrderedJson::array();
  for (size_t i = 0; i < kept["steps"].size(); ++i) {
    if (i < last.ran.size() && last.ran[i]) carried.push_back(kept["steps"][i]);
  }
  if (carried.size() < kept["steps"].size()) {
    const Played without = play(carried);
    if (without.broken && without.broken->rule == rule) kept["steps"] = carried;
  }
  if (tries) *tries = shrinker.Tries() + 2;
  return kept;
}

}  // namespace sequences
