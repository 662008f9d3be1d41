#pragma once
// The command line's verbs. Each verb lives in its own verb_<name>.cpp and
// registers itself at start-up, so adding a verb touches no other file:
//
//   static const bool kRegistered = host::cli::VerbRegistry::Add(
//       {"name", "name [--opt X] ARG", "One line of help.", &RunName, &HelpName});
//
// `gxa-host VERB --help` (or -h) prints the verb's help without running it.
#include <span>
#include <string>
#include <vector>

namespace host::cli {

struct OptionHelp {
  const char* option;   // "--width W"
  std::string meaning;  // what it does, and its default
};

struct VerbHelp {
  std::string description;  // what the verb does, a paragraph
  std::vector<OptionHelp> options;
  // Which shared option groups the verb also takes.
  bool hostOptions = false;
  bool automationOptions = false;
  std::string more;  // printed last, as it is
};

struct Verb {
  const char* name;
  const char* usage;    // the argument synopsis, verb name first
  const char* summary;  // one line for the overview
  // args excludes the program and verb names; returns the exit status.
  int (*run)(std::span<const std::string> args);
  VerbHelp (*help)() = nullptr;  // null: the usage line is all there is
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
