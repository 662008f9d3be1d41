#include "presetcommands.h"

#include <cstdio>

#include "color/picturefile.h"
#include "color/picturepalette.h"
#include "core/documentstore.h"
#include "core/hostpaths.h"
#include "core/jsontext.h"
#include "gui/guifamilies.h"
#include "presetreport.h"
#include "presets/palettefile.h"
#include "presets/presetbrowserwindow.h"
#include "presets/presetfamily.h"
#include "presets/swatchpalettes.h"
#include "presets/unicodetext.h"
#include "raster/bitmap.h"
#include "raster/imagecodec.h"

namespace host::cli {

namespace {

void Warn(const std::vector<std::string>& problems) {
  for (const auto& p : problems) {
    std::fprintf(stderr, "gxa-host presets: warning: %s\n", UnicodeText::Printable(p).c_str());
  }
}

bool SaveThumbnail(const PresetThumbnail& t, const std::string& file, std::string& error) {
  Bitmap bitmap(t.width, t.height, 24);
  for (int y = 0; y < t.height; ++y) {
    std::copy_n(t.rgb.data() + static_cast<size_t>(y) * t.width * 3, static_cast<size_t>(t.width) * 3, bitmap.Row(y));
  }
  return ImageCodec::SavePngFile(bitmap, file, error);
}

}  // namespace

std::string PresetCommands::Help() {
  return "\n"
         "  list [FOLDER_URL]      every item (or those below the folder), without reading their data\n"
         "  show URL               one item's details; --thumbnail PNG writes its picture\n"
         "  delete URL             removes an item from the user's library\n"
         "  rename URL NAME        renames an item within its folder\n"
         "  apply URL [DOCUMENT]   adds a swatch preset's groups to the document's swatches (default:\n"
         "                         demo.gxd in the data folder, the document `view` opens) and saves it\n"
         "  import FILE            stores a GIMP (.gpl) or Adobe (.ase) palette as a swatch preset;\n"
         "                         --name NAME, --to FOLDER_URL, --text TEXT, --overwrite\n"
         "  extract PICTURE        stores the picture's representative colours (a PNG or JPEG) as a swatch\n"
         "                         preset of one group, most common first: --count N (1 to 32, default 8),\n"
         "                         and the options of import; the same picture always gives the same colours\n"
         "  export URL FILE        writes a swatch preset as a .gpl or .ase palette (GIMP palettes hold\n"
         "                         one group: several are joined); --group NAME writes that group alone.\n"
         "                         Colour names that came in with a palette go out with it\n"
         "\n"
         "URLs look like preset:/user.libvx/Color Swatches/NAME. The library lives in\n"
         "DIR/data/gxa-host with --home DIR, else in $XDG_DATA_HOME/gxa-host.\n"
         "Damaged items are reported on stderr, skipped and left as they are.\n";
}

int PresetCommands::Fail(const std::string& message, int status) const {
  std::fprintf(stderr, "gxa-host presets%s: %s\n", verb_.empty() ? "" : (" " + verb_).c_str(),
               UnicodeText::Printable(message).c_str());
  if (status == 2) std::fprintf(stderr, "see 'gxa-host presets --help'\n");
  return status;
}

int PresetCommands::Run(ArgParser& args) {
  if (verb_ == "list") return List(args);
  if (verb_ == "show") return Show(args);
  if (verb_ == "delete") return Delete(args);
  if (verb_ == "rename") return Rename(args);
  if (verb_ == "apply") return Apply(args);
  if (verb_ == "import") return Import(args);
  if (verb_ == "extract") return Extract(args);
  if (verb_ == "export") return Export(args);
  const std::string verb = verb_;
  verb_.clear();
  return Fail("unknown sub-verb '" + verb + "' (list, show, apply, delete, rename, import, extract, export)", 2);
}

std::optional<std::vector<std::string>> PresetCommands::Finish(ArgParser& args, size_t min, size_t max) {
  auto positionals = args.TakePositionals();
  if (!args.Finish()) {
    Fail(args.Error(), 2);
    return std::nullopt;
  }
  if (positionals.size() < min || positionals.size() > max) {
    Fail(positionals.size() < min ? "missing arguments" : "unexpected argument " + positionals[max], 2);
    return std::nullopt;
  }
  return positionals;
}

std::optional<PresetUrl> PresetCommands::Url(const std::string& text) {
  auto url = PresetUrl::Parse(text);
  if (!url) {
    Fail(url.Error(), 2);
    return std::nullopt;
  }
  return url.Value();
}

bool PresetCommands::OpenLibrary() {
  auto paths = HostPaths::Resolve(host_.options.home);
  if (!paths) {
    Fail(paths.Error(), 1);
    return false;
  }
  library_.emplace(paths->DataDir());
  return true;
}

int PresetCommands::List(ArgParser& args) {
  auto rest = Finish(args, 0, 1);
  if (!rest) return 2;
  std::optional<PresetUrl> folder;
  if (!rest->empty() && !(folder = Url(rest->front()))) return 2;
  if (!OpenLibrary()) return 1;
  const PresetListing listing = folder ? library_->List(*folder) : library_->ListAll();
  Warn(listing.problems);
  if (json_) {
    std::printf("%s\n", JsonText::Dump(PresetReport::Json(listing), 1).c_str());
    return 0;
  }
  std::string out;
  for (const auto& e : listing.items) out += PresetReport::Line(e) + "\n";
  std::fputs(out.c_str(), stdout);
  return 0;
}

int PresetCommands::Show(ArgParser& args) {
  auto thumbnail = args.Option("--thumbnail");
  auto rest = Finish(args, 1, 1);
  if (!rest) return 2;
  auto url = Url(rest->front());
  if (!url) return 2;
  if (!OpenLibrary()) return 1;
  auto entry = library_->Find(*url);
  if (!entry) return Fail(entry.Error(), 1);
  // The data and the thumbnail are checked as well: a damaged item is not shown as an empty one.
  auto item = library_->Read(*url, thumbnail.has_value());
  if (!item) return Fail(item.Error(), 1);
  if (thumbnail) {
    if (item->thumbnail.IsEmpty()) return Fail(url->Text() + " has no thumbnail", 1);
    std::string error;
    if (!SaveThumbnail(item->thumbnail, *thumbnail, error)) return Fail(error, 1);
  }
  nlohmann::json groups;
  if (entry->header.type == PresetBrowserWindow::kSwatchPresetType) groups = SwatchGroups(*url);
  if (json_) {
    nlohmann::json j = PresetReport::Json(entry.Value());
    if (!groups.is_null()) j["groups"] = groups;
    std::printf("%s\n", JsonText::Dump(j, 1).c_str());
    return 0;
  }
  std::fputs(PresetReport::Details(entry.Value()).c_str(), stdout);
  for (const auto& g : groups) {
    std::string colors;
    for (const auto& c : g["colors"]) colors += " " + c.get<std::string>();
    std::printf("group:      %s (%zu):%s\n", UnicodeText::Printable(g["name"].get<std::string>()).c_str(),
                g["colors"].size(), colors.c_str());
  }
  return 0;
}

int PresetCommands::Delete(ArgParser& args) {
  auto rest = Finish(args, 1, 1);
  if (!rest) return 2;
  auto url = Url(rest->front());
  if (!url) return 2;
  if (!OpenLibrary()) return 1;
  auto removed = library_->Remove(*url);
  if (!removed) return Fail(removed.Error(), 1);
  if (json_) std::printf("%s\n", JsonText::Dump(nlohmann::json{{"deleted", url->Text()}}).c_str());
  return 0;
}

int PresetCommands::Rename(ArgParser& args) {
  auto rest = Finish(args, 2, 2);
  if (!rest) return 2;
  auto url = Url(rest->front());
  if (!url) return 2;
  if (!OpenLibrary()) return 1;
  auto renamed = library_->Rename(*url, (*rest)[1]);
  if (!renamed) return Fail(renamed.Error(), 1);
  if (json_)
    std::printf(
        "%s\n",
        JsonText::Dump(nlohmann::json{{"renamed", url->Text()}, {"to", url->WithName((*rest)[1]).Text()}}).c_str());
  return 0;
}

std::unique_ptr<Host> PresetCommands::StartHost() {
  auto created = Host::Create(host_.options);
  if (!created) {
    Fail(created.Error(), 1);
    return nullptr;
  }
  std::unique_ptr<Host> h = std::move(created.Value());
  // The module draws thumbnails with the host's bitmaps.
  GuiFamilies::Install(*h);
  auto startup = h->LoadModule(host_.module);
  if (!startup || !startup->Started()) {
    if (startup) h->UnloadModule();
    Fail(startup ? "the module did not start" : startup.Error(), 1);
    return nullptr;
  }
  return h;
}

nlohmann::json PresetCommands::SwatchGroups(const PresetUrl& url) {
  auto h = StartHost();
  if (!h) return nullptr;
  nlohmann::json groups = nlohmann::json::array();
  auto palettes = SwatchPalettes::Find(*h);
  auto palette = palettes ? palettes->PresetPalette(url.Text()) : Outcome<Palette>::Fail(palettes.Error());
  h->UnloadModule();
  if (!palette) {
    std::fprintf(stderr, "gxa-host presets show: warning: %s\n", UnicodeText::Printable(palette.Error()).c_str());
    return nullptr;
  }
  for (const auto& g : palette->groups) {
    nlohmann::json colors = nlohmann::json::array(), names = nlohmann::json::array();
    bool named = false;
    for (const auto& c : g.colors) {
      colors.push_back(PresetReport::Hex(c));
      names.push_back(c.name);
      named = named || !c.name.empty();
    }
    groups.push_back({{"name", g.name}, {"colors", colors}});
    if (named) groups.back()["color_names"] = names;
  }
  return groups;
}

int PresetCommands::Apply(ArgParser& args) {
  auto rest = Finish(args, 1, 2);
  if (!rest) return 2;
  auto url = Url(rest->front());
  if (!url) return 2;
  auto h = StartHost();
  if (!h) return 1;
  const std::filesystem::path document =
      rest->size() == 2 ? std::filesystem::path((*rest)[1]) : h->Paths()->DataDir() / "demo.gxd";
  auto loaded = DocumentStore::Load(document);
  if (!loaded) {
    h->UnloadModule();
    return Fail(loaded.Error(), 1);
  }
  if (!loaded->problem.empty()) std::fprintf(stderr, "gxa-host presets apply: warning: %s\n", loaded->problem.c_str());
  h->SetActiveDocument(std::make_unique<Document>(std::move(loaded->document)));
  auto applied = PresetFamily::Apply(*h, url->Text());
  Outcome<Done> saved =
      applied ? DocumentStore::Save(*h->ActiveDocument(), document) : Outcome<Done>::Fail(applied.Error());
  if (saved) saved = h->Prefs().Save();
  h->UnloadModule();
  if (!saved) return Fail(saved.Error(), 1);
  if (json_)
    std::printf("%s\n",
                JsonText::Dump(nlohmann::json{{"applied", url->Text()}, {"document", document.string()}}).c_str());
  return 0;
}

int PresetCommands::Import(ArgParser& args) {
  const std::string name = args.Option("--name").value_or("");
  const std::string folder = args.Option("--to").value_or("");
  const std::string text = args.Option("--text").value_or("");
  const bool overwrite = args.Flag("--overwrite");
  auto rest = Finish(args, 1, 1);
  if (!rest) return 2;
  if (!folder.empty() && !Url(folder)) return 2;
  // A bad file is found before the module is even loaded.
  auto palette = PaletteFile::Read(rest->front());
  if (!palette) return Fail(palette.Error(), 1);
  return Store(palette.Value(), rest->front(), name, folder, text, overwrite);
}

int PresetCommands::Extract(ArgParser& args) {
  const std::string name = args.Option("--name").value_or("");
  const std::string folder = args.Option("--to").value_or("");
  const std::string text = args.Option("--text").value_or("");
  const bool overwrite = args.Flag("--overwrite");
  const int32_t count = args.IntOption("--count").value_or(8);
  auto rest = Finish(args, 1, 1);
  if (!rest) return 2;
  if (count < 1 || count > colorscience::PaletteExtractor::kMaxCount) {
    return Fail("--count is how many colours to find, from 1 to " +
                    std::to_string(colorscience::PaletteExtractor::kMaxCount) + ", not " + std::to_string(count),
                2);
  }
  if (!folder.empty() && !Url(folder)) return 2;
  Bitmap picture;
  std::string error;
  if (!PictureFile::Load(rest->front(), picture, error)) return Fail(error, 1);
  const auto swatches = PicturePalette::Extract(picture, count);
  if (swatches.size() < size_t(count)) {
    std::fprintf(stderr, "gxa-host presets extract: note: the picture has only %zu distinct colours\n",
                 swatches.size());
  }
  PaletteGroup group{name.empty() ? std::filesystem::path(rest->front()).stem().string() : name, {}};
  for (const auto& s : swatches) group.colors.push_back({s.color.r, s.color.g, s.color.b, ""});
  return Store(Palette{{group}}, rest->front(), name, folder, text, overwrite);
}

int PresetCommands::Store(const Palette& palette, const std::string& source, const std::string& name,
                          const std::string& folder, const std::string& text, bool overwrite) {
  auto h = StartHost();
  if (!h) return 1;
  auto palettes = SwatchPalettes::Find(*h);
  const std::string unnamed = std::filesystem::path(source).stem().string();
  auto imported = palettes ? palettes->ImportPalette(palette, name, unnamed, folder, text, overwrite)
                           : Outcome<SwatchPalettes::Imported>::Fail(palettes.Error());
  h->UnloadModule();
  if (!imported) return Fail(imported.Error(), 1);
  if (json_) {
    std::printf("%s\n", JsonText::Dump(nlohmann::json{{verb_ == "extract" ? "extracted" : "imported", source},
                                                      {"url", imported->url},
                                                      {"groups", imported->groups},
                                                      {"colors", imported->colors}})
                            .c_str());
  } else {
    std::printf("%s\n", imported->url.c_str());
  }
  return 0;
}

int PresetCommands::Export(ArgParser& args) {
  const std::optional<std::string> group = args.Option("--group");
  auto rest = Finish(args, 2, 2);
  if (!rest) return 2;
  auto url = Url(rest->front());
  if (!url) return 2;
  const std::string file = (*rest)[1];
  if (auto format = PaletteFile::FormatOf(file); !format) return Fail(format.Error(), 2);
  if (group && group->empty()) return Fail("--group needs the name of one of the preset's groups", 2);
  auto h = StartHost();
  if (!h) return 1;
  auto palettes = SwatchPalettes::Find(*h);
  auto written = palettes ? palettes->ExportFile(url->Text(), file, group.value_or(""))
                          : Outcome<std::string>::Fail(palettes.Error());
  h->UnloadModule();
  if (!written) return Fail(written.Error(), 1);
  if (!written->empty()) std::fprintf(stderr, "gxa-host presets export: note: %s\n", written->c_str());
  if (json_) std::printf("%s\n", JsonText::Dump(nlohmann::json{{"exported", url->Text()}, {"file", file}}).c_str());
  return 0;
}

}  // namespace host::cli
