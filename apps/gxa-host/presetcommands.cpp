#include "presetcommands.h"

#include <cstdio>

#include "core/hostpaths.h"
#include "core/jsontext.h"
#include "presetreport.h"
#include "raster/bitmap.h"
#include "raster/imagecodec.h"

namespace host::cli {

namespace {

void Warn(const std::vector<std::string>& problems) {
  for (const auto& p : problems) std::fprintf(stderr, "gxa-host presets: warning: %s\n", p.c_str());
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
         "\n"
         "URLs look like preset:/user.libvx/Color Swatches/NAME. The library lives in\n"
         "DIR/data/gxa-host with --home DIR, else in $XDG_DATA_HOME/gxa-host.\n"
         "Damaged items are reported on stderr, skipped and left as they are.\n";
}

int PresetCommands::Fail(const std::string& message, int status) const {
  std::fprintf(stderr, "gxa-host presets%s: %s\n", verb_.empty() ? "" : (" " + verb_).c_str(), message.c_str());
  if (status == 2) std::fprintf(stderr, "see 'gxa-host presets --help'\n");
  return status;
}

int PresetCommands::Run(ArgParser& args) {
  if (verb_ == "list") return List(args);
  if (verb_ == "show") return Show(args);
  if (verb_ == "delete") return Delete(args);
  if (verb_ == "rename") return Rename(args);
  const std::string verb = verb_;
  verb_.clear();
  return Fail("unknown sub-verb '" + verb + "' (list, show, delete, rename)", 2);
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
    std::printf("%s\n", PresetReport::Json(listing).dump(1).c_str());
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
  if (thumbnail) {
    auto item = library_->Read(*url);
    if (!item) return Fail(item.Error(), 1);
    if (item->thumbnail.IsEmpty()) return Fail(url->Text() + " has no thumbnail", 1);
    std::string error;
    if (!SaveThumbnail(item->thumbnail, *thumbnail, error)) return Fail(error, 1);
  }
  if (json_) {
    std::printf("%s\n", PresetReport::Json(entry.Value()).dump(1).c_str());
  } else {
    std::fputs(PresetReport::Details(entry.Value()).c_str(), stdout);
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
  if (json_) std::printf("%s\n", JsonText::Dump(nlohmann::json{{"renamed", url->Text()}, {"to", url->WithName((*rest)[1]).Text()}}).c_str());
  return 0;
}

}  // namespace host::cli
