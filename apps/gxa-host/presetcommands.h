#pragma once
// The sub-verbs of `gxa-host presets`. Exit status 0 when done, 1 when the
// library or a file refused (the message says why; nothing was changed), 2
// for arguments that make no sense.
#include <string>

#include <memory>
#include <nlohmann/json.hpp>

#include "argparser.h"
#include "core/host.h"
#include "hostargs.h"
#include "presets/palette.h"
#include "presets/presetlibrary.h"

namespace host::cli {

class PresetCommands {
 public:
  PresetCommands(std::string verb, HostArgs host, bool json)
      : host_(std::move(host)), json_(json), verb_(std::move(verb)) {}

  // args holds what follows the sub-verb.
  int Run(ArgParser& args);
  static std::string Help();

 private:
  int List(ArgParser& args);
  int Show(ArgParser& args);
  int Delete(ArgParser& args);
  int Rename(ArgParser& args);
  int Apply(ArgParser& args);
  int Import(ArgParser& args);
  int Extract(ArgParser& args);
  int Export(ArgParser& args);

  // Stores a palette read or made from source as import and extract do, and
  // prints where it went.
  int Store(const Palette& palette, const std::string& source, const std::string& name, const std::string& folder,
            const std::string& text, bool overwrite);

  // A host with the module started (null after the message when it fails).
  std::unique_ptr<Host> StartHost();
  // The swatch groups of a swatch preset, through the module, as JSON; null
  // (with a warning) when the module cannot tell.
  nlohmann::json SwatchGroups(const PresetUrl& url);

  // The library of --home; false (after the message) when there is none.
  bool OpenLibrary();
  // The rest of the arguments: between min and max positionals, the first a
  // preset URL when url_first. Fails (after the message) otherwise.
  std::optional<std::vector<std::string>> Finish(ArgParser& args, size_t min, size_t max);
  std::optional<PresetUrl> Url(const std::string& text);
  int Fail(const std::string& message, int status) const;

  HostArgs host_;
  bool json_;
  std::string verb_;
  std::optional<PresetLibrary> library_;
};

}  // namespace host::cli
