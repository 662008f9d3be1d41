#pragma once
// Palettes in and out of swatch presets through the module's published
// swatch libraries (data 1036600, groups 1036601), found by the host's
// library lookup as any other module would find them: the host never reads
// the module's swatch data itself. Needs a host with the module started.
#include <string>

#include "core/outcome.h"
#include "gxa_api.h"
#include "presets/colornamescodec.h"
#include "presets/palette.h"
#include "presets/preseturl.h"

namespace host {

class Host;

class SwatchPalettes {
 public:
  // Fails when the module has not published both libraries.
  static Outcome<SwatchPalettes> Find(Host& host);

  // Stores the palette's groups as one swatch preset at url (the module
  // makes its data and thumbnail); an existing item is replaced only with
  // overwrite.
  Outcome<Done> SaveAsPreset(const Palette& palette, const std::string& url, const std::string& text,
                             bool overwrite) const;
  // The groups of the swatch preset at url, named as the module names them
  // when it loads a preset, with the colour names kept beside its data.
  Outcome<Palette> PresetPalette(const std::string& url) const;
  // The same as the module reads them, without names.
  Outcome<Palette> PresetColors(const std::string& url) const;
  // Each group takes the names stored for it, when there is one per colour.
  static void Name(Palette& palette, const ColorNames& names);
  // The module's folder for swatch presets.
  std::string DefaultFolder() const;

  struct Imported {
    std::string url;
    size_t groups = 0;
    size_t colors = 0;
  };
  // A palette file as a new swatch preset, named name or else after its one
  // group or the file, in folder or else the module's folder. A malformed
  // file fails before anything is stored.
  Outcome<Imported> ImportFile(const std::string& file, const std::string& name, const std::string& folder,
                               const std::string& text, bool overwrite) const;
  // The same for a palette made elsewhere; unnamed is the name when neither
  // name nor a single group gives one.
  Outcome<Imported> ImportPalette(const Palette& palette, const std::string& name, const std::string& unnamed,
                                  const std::string& folder, const std::string& text, bool overwrite) const;
  // The swatch preset at url, or only its first group named group, into a
  // .gpl or .ase file (written atomically); answers a note when groups had
  // to be joined. With the perceptual colour tools on, each colour without
  // a name of its own is named after the nearest CSS colour.
  Outcome<std::string> ExportFile(const std::string& url, const std::string& file, const std::string& group = "") const;

 private:
  SwatchPalettes(Host& host, const GxaSwatchDataTable& data, const GxaSwatchGroupTable& groups)
      : host_(&host), data_(&data), groups_(&groups) {}
  // The module's last diagnostic line, or what to say without one.
  std::string Why(const std::string& otherwise) const;
  PaletteGroup GroupOf(const GxaSwatchGroup* group) const;
  bool Taken(const PresetUrl& url) const;
  static std::string TakenError(const PresetUrl& url);
  // The palette's groups into the module's swatch data.
  Outcome<Done> Fill(GxaSwatchData* data, const Palette& palette) const;
  // A damaged item at url moved aside; answers what to tell the user of it.
  Outcome<std::string> SetAsideDamaged(const PresetUrl& url) const;
  // The module's store of data at url, with the reason when it refuses.
  Outcome<Done> Store(GxaSwatchData* data, const PresetUrl& url, const std::string& text, bool overwrite) const;
  // Stores the palette's colour names beside the preset just saved at url,
  // in place of any the store kept from a preset it replaced.
  Outcome<Done> KeepNames(const Palette& palette, const PresetUrl& url) const;
  static Outcome<PaletteGroup> OneGroup(const Palette& palette, const std::string& name);

  Host* host_;
  const GxaSwatchDataTable* data_;
  const GxaSwatchGroupTable* groups_;
};

}  // namespace host
