#include "presets/swatchpalettes.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "colorscience/cssnames.h"
#include "core/host.h"
#include "core/worldpreferences.h"
#include "presets/colornamescodec.h"
#include "presets/palettefile.h"
#include "presets/presetfamily.h"
#include "presets/presetlibrary.h"

namespace host {

namespace {

constexpr int32_t kDocumentCollection = 1;

// A swatch data object of the module, freed through its own entry.
class SwatchData {
 public:
  explicit SwatchData(const GxaSwatchDataTable& d) : d_(d), data_(d.load(nullptr, false)) {}
  ~SwatchData() {
    if (data_) d_.free(&data_);
  }
  SwatchData(const SwatchData&) = delete;
  SwatchData& operator=(const SwatchData&) = delete;
  GxaSwatchData* Get() const { return data_; }

 private:
  const GxaSwatchDataTable& d_;
  GxaSwatchData* data_;
};

std::string Text(int64_t (*get)(char*, size_t)) {
  std::vector<char> buf(1024);
  int64_t n = get(buf.data(), buf.size());
  if (n >= int64_t(buf.size())) {
    buf.resize(size_t(n) + 1);
    n = get(buf.data(), buf.size());
  }
  return n > 0 ? std::string(buf.data(), size_t(std::min<int64_t>(n, int64_t(buf.size()) - 1))) : "";
}

}  // namespace

Outcome<SwatchPalettes> SwatchPalettes::Find(Host& host) {
  const void* d = host.Registrations().FindLibrary(GXA_LIB_SWATCHDATA, 1000, sizeof(GxaSwatchDataTable));
  const void* g = host.Registrations().FindLibrary(GXA_LIB_SWATCHGROUP, 1000, sizeof(GxaSwatchGroupTable));
  if (!d || !g) return Outcome<SwatchPalettes>::Fail("the module has not published its swatch libraries");
  return SwatchPalettes(host, *static_cast<const GxaSwatchDataTable*>(d), *static_cast<const GxaSwatchGroupTable*>(g));
}

std::string SwatchPalettes::Why(const std::string& otherwise) const {
  const auto lines = host_->Diag().ModuleLines();
  return lines.empty() ? otherwise : otherwise + " (" + lines.back().text + ")";
}

std::string SwatchPalettes::DefaultFolder() const { return Text(data_->default_folder); }

Outcome<Done> SwatchPalettes::SaveAsPreset(const Palette& palette, const std::string& url, const std::string& text,
                                           bool overwrite) const {
  using R = Outcome<Done>;
  auto parsed = PresetUrl::Parse(url);
  if (!parsed) return R::Fail(parsed.Error());
  if (!overwrite && Taken(parsed.Value())) return R::Fail(TakenError(parsed.Value()));
  SwatchData data(*data_);
  if (!data.Get()) return R::Fail("the module could not make swatch data");
  if (auto filled = Fill(data.Get(), palette); !filled) return filled;
  auto outgoing = overwrite ? SetAsideDamaged(parsed.Value()) : Outcome<std::string>(std::string());
  if (!outgoing) return R::Fail(outgoing.Error());
  auto stored = Store(data.Get(), parsed.Value(), text, overwrite);
  if (!outgoing->empty()) PresetFamily::Tell(*outgoing + (stored ? ", and the new preset is saved in its place" : ""));
  if (!stored) return stored;
  return KeepNames(palette, parsed.Value());
}

bool SwatchPalettes::Taken(const PresetUrl& url) const {
  return host_->Paths() && PresetLibrary(host_->Paths()->DataDir()).Exists(url);
}

std::string SwatchPalettes::TakenError(const PresetUrl& url) {
  return "a preset named '" + url.Name() + "' already exists at " + url.Text();
}

Outcome<Done> SwatchPalettes::Fill(GxaSwatchData* data, const Palette& palette) const {
  for (const PaletteGroup& g : palette.groups) {
    std::vector<double> rgba;
    for (const PaletteColor& c : g.colors) rgba.insert(rgba.end(), {c.red, c.green, c.blue, 1.0});
    // The group library makes the group; the data takes a copy of it.
    GxaSwatchGroup* group =
        groups_->alloc(g.name.c_str(), false, rgba.empty() ? nullptr : rgba.data(), int32_t(g.colors.size()));
    const bool inserted =
        group && data_->insert_group(data, group, data_->group_count(data, kDocumentCollection), kDocumentCollection);
    if (group) groups_->free(&group);
    if (!inserted) return Outcome<Done>::Fail(Why("the module did not take the group '" + g.name + "'"));
  }
  return Done{};
}

Outcome<std::string> SwatchPalettes::SetAsideDamaged(const PresetUrl& url) const {
  // The module takes a damaged item for none, or replaces it without a look: set aside before it stores.
  if (!host_->Paths()) return std::string();
  auto outgoing = PresetLibrary(host_->Paths()->DataDir()).ReadOrSetAside(url);
  if (!outgoing) return Outcome<std::string>::Fail(outgoing.Error());
  return outgoing->notice;
}

Outcome<Done> SwatchPalettes::Store(GxaSwatchData* data, const PresetUrl& url, const std::string& text,
                                    bool overwrite) const {
  using R = Outcome<Done>;
  PresetFamily::TakeRefusal();
  if (data_->save_preset_by_url(data, url.Text().c_str(), text.empty() ? nullptr : text.c_str(), overwrite)) {
    return Done{};
  }
  const std::string refusal = PresetFamily::TakeRefusal();
  // Another import of the same name got there first.
  if (!overwrite && Taken(url)) return R::Fail(TakenError(url));
  if (!refusal.empty()) return R::Fail(refusal);
  return R::Fail(Why("the module did not store the preset at " + url.Text()));
}

Outcome<Done> SwatchPalettes::KeepNames(const Palette& palette, const PresetUrl& url) const {
  ColorNames names;
  for (const PaletteGroup& g : palette.groups) {
    names.emplace_back();
    for (const PaletteColor& c : g.colors) names.back().push_back(c.name);
  }
  if (!host_->Paths()) return Outcome<Done>::Fail("the host has no data folder for the colour names");
  PresetLibrary library(host_->Paths()->DataDir());
  // A store over a named preset keeps the names of the colours it still
  // holds; a file's own names (or none) replace them.
  if (ColorNamesCodec::IsBlank(names)) {
    auto stored = library.Read(url, false);
    if (!stored || ColorNamesCodec::IsBlank(stored->color_names)) return Done{};
  }
  auto kept = library.SetColorNames(url, names);
  if (!kept) return Outcome<Done>::Fail("stored " + url.Text() + " without its colour names: " + kept.Error());
  return Done{};
}

PaletteGroup SwatchPalettes::GroupOf(const GxaSwatchGroup* group) const {
  PaletteGroup out;
  std::vector<char> name(groups_->get_name(group, nullptr, 0) + 1);
  groups_->get_name(group, name.data(), name.size());
  out.name = name.data();
  const int32_t count = groups_->color_count(group);
  std::vector<double> rgba(size_t(std::max(count, 0)) * 4);
  groups_->get_colors(group, rgba.data(), count, false);
  for (int32_t i = 0; i < count; ++i) {
    out.colors.push_back({rgba[size_t(i) * 4], rgba[size_t(i) * 4 + 1], rgba[size_t(i) * 4 + 2], ""});
  }
  return out;
}

Outcome<Palette> SwatchPalettes::PresetPalette(const std::string& url) const {
  using R = Outcome<Palette>;
  auto parsed = PresetUrl::Parse(url);
  if (!parsed) return R::Fail(parsed.Error());
  if (!host_->Paths()) return R::Fail("the host has no data folder");
  // Read whole first, so that damage is named as such rather than as a module refusal.
  auto item = PresetLibrary(host_->Paths()->DataDir()).Read(parsed.Value(), false);
  if (!item) return R::Fail(item.Error());
  auto p = PresetColors(url);
  if (p) Name(p.Value(), item->color_names);
  return p;
}

Outcome<Palette> SwatchPalettes::PresetColors(const std::string& url) const {
  using R = Outcome<Palette>;
  if (!data_->is_swatch_preset(url.c_str())) return R::Fail(url + " is not a swatch preset");
  SwatchData data(*data_);
  if (!data.Get()) return R::Fail("the module could not make swatch data");
  if (!data_->load_preset_by_url(data.Get(), url.c_str(), false))
    return R::Fail(Why("the module could not read " + url));
  Palette p;
  const int32_t count = data_->group_count(data.Get(), kDocumentCollection);
  for (int32_t i = 0; i < count; ++i) p.groups.push_back(GroupOf(data_->group_at(data.Get(), i, kDocumentCollection)));
  return p;
}

void SwatchPalettes::Name(Palette& palette, const ColorNames& names) {
  for (size_t g = 0; g < std::min(palette.groups.size(), names.size()); ++g) {
    auto& colors = palette.groups[g].colors;
    // Names of another group's colours would mislabel them.
    if (names[g].size() != colors.size()) continue;
    for (size_t i = 0; i < colors.size(); ++i) colors[i].name = names[g][i];
  }
}

Outcome<SwatchPalettes::Imported> SwatchPalettes::ImportFile(const std::string& file, const std::string& name,
                                                             const std::string& folder, const std::string& text,
                                                             bool overwrite) const {
  auto palette = PaletteFile::Read(file);
  if (!palette) return Outcome<Imported>::Fail(palette.Error());
  return ImportPalette(palette.Value(), name, std::filesystem::path(file).stem().string(), folder, text, overwrite);
}

Outcome<SwatchPalettes::Imported> SwatchPalettes::ImportPalette(const Palette& palette, const std::string& name,
                                                                const std::string& unnamed, const std::string& folder,
                                                                const std::string& text, bool overwrite) const {
  std::string preset = !name.empty() ? name : palette.groups.size() == 1 ? palette.groups[0].name : unnamed;
  std::replace(preset.begin(), preset.end(), '/', '_');
  Imported done{(folder.empty() ? DefaultFolder() : folder) + "/" + preset, palette.groups.size(),
                palette.ColorCount()};
  auto saved = SaveAsPreset(palette, done.url, text, overwrite);
  if (!saved) return Outcome<Imported>::Fail(saved.Error());
  return done;
}

Outcome<std::string> SwatchPalettes::ExportFile(const std::string& url, const std::string& file,
                                                const std::string& group) const {
  using R = Outcome<std::string>;
  if (auto format = PaletteFile::FormatOf(file); !format) return R::Fail(format.Error());
  auto parsed = PresetUrl::Parse(url);
  if (!parsed) return R::Fail(parsed.Error());
  auto palette = PresetPalette(url);
  if (!palette) return R::Fail(palette.Error());
  if (!group.empty()) {
    auto one = OneGroup(palette.Value(), group);
    if (!one) return R::Fail(url + " " + one.Error());
    palette->groups = {one.Value()};
  }
  if (host_->Prefs().Data().GetBool(WorldPreferences::kPerceptualTools, false)) {
    for (PaletteGroup& g : palette->groups) {
      for (PaletteColor& c : g.colors) {
        if (c.name.empty()) c.name = colorscience::CssNames::Nearest({c.red, c.green, c.blue});
      }
    }
  }
  return PaletteFile::Write(palette.Value(), parsed->Name(), file);
}

Outcome<PaletteGroup> SwatchPalettes::OneGroup(const Palette& palette, const std::string& name) {
  std::string names;
  for (const PaletteGroup& g : palette.groups) {
    if (g.name == name) return g;
    names += (names.empty() ? "'" : ", '") + g.name + "'";
  }
  return Outcome<PaletteGroup>::Fail("has no group named '" + name + "' (its groups: " + names + ")");
}

}  // namespace host
