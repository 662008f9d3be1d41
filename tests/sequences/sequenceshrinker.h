#pragma once
// Cuts a list of steps that breaks a rule down to the fewest that still
// break it (delta debugging: drop ever smaller parts while the break stays).
// For a scenario the choosers' opening steps count as steps too, and the
// steps that were passed over at the end are left out.
#include <cstddef>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "automation/transcriptjson.h"

namespace sequences {

class SequenceShrinker {
 public:
  // The index of the step after which the rule broke, or nothing.
  using Breaks = std::function<std::optional<size_t>(const host::OrderedJson& steps)>;

  explicit SequenceShrinker(Breaks breaks) : breaks_(std::move(breaks)) {}

  // The fewest of the steps that still break the rule; all of them when they do not.
  host::OrderedJson Shrink(const host::OrderedJson& steps);
  size_t Tries() const { return tries_; }

  // The scenario cut down for rule, played with the tolerated rules as
  // SequenceSession plays them; tries, when given, counts the plays.
  static host::OrderedJson Scenario(const host::OrderedJson& scenario, const std::string& rule,
                                    const std::set<std::string>& tolerated, size_t* tries = nullptr);

 private:
  // The steps up to the one after which the rule broke, when it did.
  std::optional<host::OrderedJson> UpToBreak(const host::OrderedJson& steps);

  Breaks breaks_;
  size_t tries_ = 0;
};

}  // namespace sequences
