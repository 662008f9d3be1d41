#pragma once
// Cuts a scenario that breaks a rule down to the fewest steps that still
// break it (delta debugging over the steps, the choosers' opening steps
// included), then drops the steps that were passed over.
#include <cstddef>
#include <set>
#include <string>

#include "automation/transcriptjson.h"
#include "sequencesession.h"

namespace sequences {

class SequenceShrinker {
 public:
  // rule: the rule the scenario breaks; tolerated as for SequenceSession.
  SequenceShrinker(std::string rule, std::set<std::string> tolerated)
      : rule_(std::move(rule)), tolerated_(std::move(tolerated)) {}

  host::OrderedJson Shrink(const host::OrderedJson& scenario);
  // Plays tried while shrinking.
  size_t Plays() const { return plays_; }

 private:
  // The steps up to the one that breaks the rule, when they do.
  std::optional<host::OrderedJson> Breaks(const host::OrderedJson& scenario, const host::OrderedJson& steps);

  std::string rule_;
  std::set<std::string> tolerated_;
  size_t plays_ = 0;
};

}  // namespace sequences
