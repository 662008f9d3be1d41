// gxa-host: the stand-in host. The first argument names a verb; the verbs
// register themselves (see verbregistry.h).
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "verbregistry.h"

namespace {

// Beside 1 (the verb failed) and 2 (wrong arguments): a fault of the host itself.
constexpr int kUnexpectedFailure = 3;

void PrintOverview(std::FILE* out) {
  std::fprintf(out, "usage: gxa-host VERB [options]\n\nverbs:\n");
  for (const auto& v : host::cli::VerbRegistry::All()) {
    std::fprintf(out, "  %-8s %s\n", v.name, v.summary);
  }
  std::fprintf(out, "\n'gxa-host VERB --help' shows a verb's options.\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintOverview(stderr);
    return 2;
  }
  std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintOverview(stdout);
    return 0;
  }
  const host::cli::Verb* verb = host::cli::VerbRegistry::Find(name);
  if (!verb) {
    std::fprintf(stderr, "gxa-host: unknown verb '%s' (try 'gxa-host --help')\n", name.c_str());
    return 2;
  }
  // The last line of defence: whatever escapes a verb ends it with one line,
  // never an abort. Files are written atomically, so nothing half-written stays.
  try {
    std::vector<std::string> args(argv + 2, argv + argc);
    return verb->run(args);
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "gxa-host %s: out of memory\n", name.c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gxa-host %s: unexpected failure: %s\n", name.c_str(), e.what());
  } catch (...) {
    std::fprintf(stderr, "gxa-host %s: unexpected failure\n", name.c_str());
  }
  return kUnexpectedFailure;
}
