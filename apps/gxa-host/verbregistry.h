#pragma once
// The command line's verbs. Each verb lives in its own verb_<name>.cpp and
// registers itself at start-up, so adding a verb touches no other file:
//
//   static const bool kRegistered = host::cli::VerbRegistry::Add(
//       {"name", "name [--opt X] ARG", "One line of help.", &RunName});
#include <span>
#include <string>
#include <vector>

namespace host::cli {

struct Verb {
  const char* name;
  const char* usage;    // the argument synopsis, verb name first
  const char* summary;  // one line for the overview
  // args excludes the program and verb names; returns the exit status.
  int (*run)(std::span<const std::string> args);
};

class VerbRegistry {
 public:
  static bool Add(const Verb& verb);
  static const Verb* Find(const std::string& name);
  // Sorted by name.
  static std::vector<Verb> All();

 private:
  static std::vector<Verb>& Storage();
};

}  // namespace host::cli
