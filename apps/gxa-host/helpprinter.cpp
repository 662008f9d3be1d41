#include "helpprinter.h"

#include <algorithm>

#include "automationargs.h"
#include "gxa_api.h"
#include "hostargs.h"
#include "modulelocation.h"
#include "textwrap.h"

namespace host::cli {

namespace {

constexpr size_t kOptionColumn = 22;

}  // namespace

std::string HelpPrinter::Options(const char* heading, const std::vector<OptionHelp>& options) {
  if (options.empty()) return {};
  std::string out = std::string("\n") + heading + ":\n";
  for (const OptionHelp& o : options) {
    std::string line = "  " + std::string(o.option);
    if (line.size() + 2 > kOptionColumn) {
      out += line + "\n" + std::string(kOptionColumn, ' ');
    } else {
      out += line + std::string(kOptionColumn - line.size(), ' ');
    }
    out += TextWrap::Lines(o.meaning, kOptionColumn, kOptionColumn) + "\n";
  }
  return out;
}

std::string HelpPrinter::Text(const Verb& verb) {
  std::string out = TextWrap::Lines("usage: gxa-host " + std::string(verb.usage), 6, 0) + "\n";
  if (!verb.help) return out;
  const VerbHelp help = verb.help();
  out += "\n" + TextWrap::Lines(help.description, 0, 0) + "\n";
  out += Options("options", help.options);
  if (help.automationOptions) out += Options("scripted host options", AutomationArgs::Help());
  if (help.hostOptions || help.automationOptions) out += Options("host options", HostArgs::Help());
  out += "\n  -h, --help          this help\n";
  if (!help.more.empty()) out += "\n" + help.more;
  return out;
}

std::string HelpPrinter::Overview() {
  std::string out = "usage: gxa-host VERB [options]\n\nverbs:\n";
  for (const auto& v : VerbRegistry::All()) {
    std::string name = "  " + std::string(v.name);
    out += name + std::string(std::max<size_t>(11, name.size() + 1) - name.size(), ' ') + v.summary + "\n";
  }
  out += "\n'gxa-host VERB --help' (or -h) shows a verb's options; 'gxa-host --version' the version.\n";
  return out;
}

std::string HelpPrinter::Version() {
  return std::string("gxa-host ") + GXA_HOST_VERSION + ", host interface version " + std::to_string(GXA_API_VERSION) +
         "\nmodule: " + ModuleLocation::Default() + "\n";
}

}  // namespace host::cli
