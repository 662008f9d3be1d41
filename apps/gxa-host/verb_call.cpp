// gxa-host call: call an entry of a published library through the host's
// library lookup, as another module would.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "colortoolscall.h"
#include "core/documentstore.h"
#include "core/host.h"
#include "core/jsontext.h"
#include "gui/guifamilies.h"
#include "hostargs.h"
#include "swatchcall.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage = "call LIBRARY [ENTRY ARGS...] [--doc FILE] [--json] [host options]";

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host call: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

struct Loaded {
  std::unique_ptr<Host> host;
  int status = 0;
};

// A host with the module started; status is non-zero when that failed.
Loaded StartHost(const HostArgs& host_args) {
  auto created = Host::Create(host_args.options);
  if (!created) return {nullptr, Fail(created.Error(), 1)};
  std::unique_ptr<Host> h = std::move(created.Value());
  if (!h->Prefs().Problem().empty()) std::fprintf(stderr, "gxa-host: %s\n", h->Prefs().Problem().c_str());
  // Bitmaps for the thumbnails of swatch presets.
  GuiFamilies::Install(*h);
  auto startup = h->LoadModule(host_args.module);
  if (!startup) return {nullptr, Fail(startup.Error(), 1)};
  if (!startup->Started()) {
    h->UnloadModule();
    return {nullptr, Fail("the module did not start", 1)};
  }
  return {std::move(h), 0};
}

int Print(const Outcome<nlohmann::json>& result, bool as_json, std::string (*as_text)(const nlohmann::json&)) {
  if (!result) return Fail(result.Error(), 1);
  std::printf("%s\n", as_json ? JsonText::Dump(*result).c_str() : as_text(*result).c_str());
  return 0;
}

int RunColorTools(const HostArgs& host_args, const std::vector<std::string>& positionals, bool as_json) {
  auto call = ColorToolsCall::Parse(positionals[1], {positionals.begin() + 2, positionals.end()});
  if (!call) {
    std::fprintf(stderr, "gxa-host call: %s\n", call.Error().c_str());
    return 2;
  }
  Loaded loaded = StartHost(host_args);
  if (!loaded.host) return loaded.status;
  auto result = call->Run();
  loaded.host->UnloadModule();
  return Print(result, as_json, &ColorToolsCall::AsText);
}

// The document a swatch call works on: --doc, else the demo document of the data folder.
Outcome<std::filesystem::path> DocumentPath(Host& h, const std::optional<std::string>& doc) {
  if (doc) return std::filesystem::path(*doc);
  if (!h.Paths()) return Outcome<std::filesystem::path>::Fail("no folder for the document: give --doc or --home");
  return h.Paths()->DataDir() / "demo.gxd";
}

// Preferences and the document go back to disk only when the call changed them.
Outcome<Done> SaveChanges(Host& h, const Container& prefs_before, const std::filesystem::path& doc_path) {
  if (!(h.Prefs().Data() == prefs_before)) {
    auto saved = h.Prefs().Save();
    if (!saved) return saved;
  }
  Document* doc = h.ActiveDocument();
  if (doc && doc->Changes() > 0) {
    std::error_code ec;
    if (doc_path.has_parent_path()) std::filesystem::create_directories(doc_path.parent_path(), ec);
    return DocumentStore::Save(*doc, doc_path);
  }
  return Done{};
}

int RunSwatches(SwatchCall::Library library, const HostArgs& host_args, const std::vector<std::string>& positionals,
                const std::optional<std::string>& doc_option, bool as_json) {
  auto call = SwatchCall::Parse(library, positionals[1], {positionals.begin() + 2, positionals.end()});
  if (!call) {
    std::fprintf(stderr, "gxa-host call: %s\n", call.Error().c_str());
    return 2;
  }
  Loaded loaded = StartHost(host_args);
  if (!loaded.host) return loaded.status;
  Host& h = *loaded.host;
  auto path = DocumentPath(h, doc_option);
  if (!path) return Fail(path.Error(), 1);
  auto opened = DocumentStore::Load(*path);
  if (!opened) return Fail(opened.Error(), 1);
  if (!opened->problem.empty()) std::fprintf(stderr, "gxa-host: %s\n", opened->problem.c_str());
  h.SetActiveDocument(std::make_unique<Document>(std::move(opened->document)));
  const Container prefs_before = h.Prefs().Data();
  auto result = call->Run(*h.ActiveDocument());
  auto saved = SaveChanges(h, prefs_before, *path);
  h.UnloadModule();
  if (!saved) return Fail(saved.Error(), 1);
  return Print(result, as_json, &SwatchCall::AsText);
}

std::string EntriesHelp() {
  return ColorToolsCall::Help() + SwatchCall::Help(SwatchCall::Library::Data) +
         SwatchCall::Help(SwatchCall::Library::Group);
}

// The entries of one library, for a call that names no entry.
std::optional<std::string> LibraryHelp(const std::string& library) {
  if (library == "colortools") return ColorToolsCall::Help();
  if (library == "swatchdata") return SwatchCall::Help(SwatchCall::Library::Data);
  if (library == "swatchgroup") return SwatchCall::Help(SwatchCall::Library::Group);
  return std::nullopt;
}

int RunCall(std::span<const std::string> raw) {
  ArgParser args(raw);
  HostArgs host_args = HostArgs::Read(args);
  bool as_json = args.Flag("--json");
  const std::optional<std::string> doc = args.Option("--doc");
  std::vector<std::string> positionals = args.TakePositionals();
  if (!args.Finish()) return Fail(args.Error(), 2);
  if (positionals.empty()) return Fail("name a library: colortools, swatchdata or swatchgroup", 2);
  const std::string& library = positionals[0];
  if (positionals.size() == 1) {
    auto entries = LibraryHelp(library);
    if (!entries) return Fail("unknown library '" + library + "' (known: colortools, swatchdata, swatchgroup)", 2);
    std::fputs(entries->c_str(), stdout);
    return 0;
  }
  if (library == "colortools") {
    if (doc) return Fail("--doc is for the swatch libraries", 2);
    return RunColorTools(host_args, positionals, as_json);
  }
  if (library == "swatchdata") return RunSwatches(SwatchCall::Library::Data, host_args, positionals, doc, as_json);
  if (library == "swatchgroup") return RunSwatches(SwatchCall::Library::Group, host_args, positionals, doc, as_json);
  return Fail("unknown library '" + library + "' (known: colortools, swatchdata, swatchgroup)", 2);
}

VerbHelp Help() {
  return {
      "Calls an entry of a function table the module publishes, found through the host's library lookup as "
      "another module would find it, and prints the answer. Without an entry it lists the library's entries. "
      "A swatch call saves the preferences and the document when it changed them.",
      {{"LIBRARY", "the published library: colortools, swatchdata or swatchgroup"},
       {"ENTRY", "the entry's index or name"},
       {"ARGS...", "the entry's arguments"},
       {"--doc FILE", "the document a swatch call works on (default: demo.gxd in the data folder)"},
       {"--json", "print the answer as JSON (default: text)"}},
      true,
      false,
      EntriesHelp()};
}

const bool kRegistered = VerbRegistry::Add(
    {"call", kUsage,
     "call an entry of a published library (colortools, swatchdata, swatchgroup) through the host's lookup", &RunCall,
     &Help});

}  // namespace

}  // namespace host::cli
