#pragma once
// A scenario played on a host of its own, one step at a time through the
// scenario runner, with the rules checked after every step. A step that
// cannot be carried out on the page as it is (its gadget is gone) changes
// nothing and is passed over. Rules named as tolerated are noted and the
// play goes on; any other broken rule ends it.
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "automation/transcriptjson.h"
#include "sequencerules.h"

namespace sequences {

struct Played {
  size_t steps = 0;              // steps that were carried out
  std::vector<bool> ran;         // per step of the scenario
  std::optional<Broken> broken;  // the rule that ended the play
  size_t brokenAt = 0;           // index of the step after which it broke
  std::vector<Broken> tolerated;
};

class SequenceSession {
 public:
  // scenario: {"prefs": {...}, "steps": [...]}.
  static Played Play(const host::OrderedJson& scenario, const std::set<std::string>& tolerated = {});
  // A session from the seed with length steps after the choosers opened;
  // scenario receives what was played.
  static Played Generate(uint64_t seed, size_t length, host::OrderedJson& scenario,
                         const std::set<std::string>& tolerated = {});
};

}  // namespace sequences
