#include "presets/palettefile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/replacedfile.h"
#include "presets/asepalette.h"
#include "presets/gplpalette.h"

namespace host {

namespace fs = std::filesystem;

Outcome<PaletteFile::Format> PaletteFile::FormatOf(const fs::path& file) {
  std::string ext = file.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  if (ext == ".gpl") return Format::Gpl;
  if (ext == ".ase") return Format::Ase;
  return Outcome<Format>::Fail(file.string() + ": palette files end in .gpl (GIMP) or .ase (Adobe swatch exchange)");
}

Outcome<Palette> PaletteFile::Read(const fs::path& file) {
  using R = Outcome<Palette>;
  auto format = FormatOf(file);
  if (!format) return R::Fail(format.Error());
  std::error_code ec;
  const uintmax_t size = fs::file_size(file, ec);
  if (ec) return R::Fail(file.string() + ": " + ec.message());
  if (size > kMaxBytes)
    return R::Fail(file.string() + ": " + std::to_string(size) + " bytes is too large for a palette");
  std::ifstream in(file, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) return R::Fail(file.string() + ": cannot be read");
  const std::string stem = file.stem().string();
  auto read = *format == Format::Gpl
                  ? GplPalette::Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), stem)
                  : AsePalette::Parse(bytes, stem);
  if (!read) return R::Fail(file.string() + ": " + read.Error());
  for (auto& g : read->groups) {
    if (g.name.empty()) g.name = stem;
  }
  return read;
}

Outcome<std::string> PaletteFile::Write(const Palette& palette, const std::string& name, const fs::path& file) {
  using R = Outcome<std::string>;
  auto format = FormatOf(file);
  if (!format) return R::Fail(format.Error());
  std::string note;
  std::vector<uint8_t> bytes;
  if (*format == Format::Ase) {
    bytes = AsePalette::Write(palette);
  } else {
    PaletteGroup joined{palette.groups.size() == 1 ? palette.groups[0].name : name, {}};
    for (const auto& g : palette.groups) joined.colors.insert(joined.colors.end(), g.colors.begin(), g.colors.end());
    if (palette.groups.size() > 1) {
      note = std::to_string(palette.groups.size()) + " groups joined into one palette (a GIMP palette holds one)";
    }
    const std::string text = GplPalette::Write(joined);
    bytes.assign(text.begin(), text.end());
  }
  auto saved = ReplacedFile::Write(file, bytes);
  if (!saved) return R::Fail(saved.Error());
  return note;
}

}  // namespace host
