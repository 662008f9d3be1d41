// gxa-host: the stand-in host. The first argument names a verb; the verbs
// register themselves (see verbregistry.h).
#include <algorithm>
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "helpprinter.h"
#include "verbregistry.h"

namespace {

// Beside 1 (the verb failed) and 2 (wrong arguments): a fault of the host itself.
constexpr int kUnexpectedFailure = 3;

bool AsksForHelp(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

int RunVerb(const host::cli::Verb& verb, const std::vector<std::string>& args) {
  if (AsksForHelp(args)) {
    // A verb without a help of its own prints its usage on --help itself.
    if (!verb.help) return verb.run(std::vector<std::string>{"--help"});
    std::fputs(host::cli::HelpPrinter::Text(verb).c_str(), stdout);
    return 0;
  }
  return verb.run(args);
}

}  // namespace

int main(int argc, char** argv) {
  using host::cli::HelpPrinter;
  if (argc < 2) {
    std::fputs(HelpPrinter::Overview().c_str(), stderr);
    return 2;
  }
  std::string name = argv[1];
  std::vector<std::string> args(argv + 2, argv + argc);
  if (name == "--version") {
    std::fputs(HelpPrinter::Version().c_str(), stdout);
    return 0;
  }
  // "help VERB" as well as "VERB --help".
  if (name == "help" && !args.empty()) {
    name = args.front();
    args = {"--help"};
  }
  if (name == "--help" || name == "-h" || name == "help") {
    std::fputs(HelpPrinter::Overview().c_str(), stdout);
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
    return RunVerb(*verb, args);
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "gxa-host %s: out of memory\n", name.c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gxa-host %s: unexpected failure: %s\n", name.c_str(), e.what());
  } catch (...) {
    std::fprintf(stderr, "gxa-host %s: unexpected failure\n", name.c_str());
  }
  return kUnexpectedFailure;
}
