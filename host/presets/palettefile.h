#pragma once
// Palette files on disk: which format a file is, reading it whole (with a
// size bound, since a palette is never large), and writing one atomically.
#include <filesystem>
#include <string>

#include "core/outcome.h"
#include "presets/palette.h"

namespace host {

class PaletteFile {
 public:
  enum class Format { Gpl, Ase };
  static constexpr uintmax_t kMaxBytes = 16u << 20;

  // From the extension (.gpl, .ase, any case); fails naming both.
  static Outcome<Format> FormatOf(const std::filesystem::path& file);
  // The groups of a palette file; errors name the file. Groups without a
  // name of their own take the file's stem.
  static Outcome<Palette> Read(const std::filesystem::path& file);
  // GPL holds one palette: several groups are joined under name. Answers a
  // note for the user when groups were joined.
  static Outcome<std::string> Write(const Palette& palette, const std::string& name, const std::filesystem::path& file);
};

}  // namespace host
