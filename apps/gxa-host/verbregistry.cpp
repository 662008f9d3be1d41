#include "verbregistry.h"

#include <algorithm>
#include <string_view>

namespace host::cli {

std::vector<Verb>& VerbRegistry::Storage() {
  // Function-local so that registration from other files' static
  // initialisers never sees an unconstructed list.
  static std::vector<Verb> verbs;
  return verbs;
}

bool VerbRegistry::Add(const Verb& verb) {
  if (Find(verb.name)) return false;
  Storage().push_back(verb);
  return true;
}

const Verb* VerbRegistry::Find(const std::string& name) {
  for (const auto& v : Storage()) {
    if (name == v.name) return &v;
  }
  return nullptr;
}

std::vector<Verb> VerbRegistry::All() {
  auto verbs = Storage();
  std::sort(verbs.begin(), verbs.end(), [](const Verb& a, const Verb& b) { return std::string_view(a.name) < b.name; });
  return verbs;
}

}  // namespace host::cli
