#include "gui/folderlisting.h"

#include <algorithm>
#include <cctype>

namespace host {

namespace fs = std::filesystem;

namespace {

std::string Folded(const std::string& s) {
  std::string f = s;
  std::transform(f.begin(), f.end(), f.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return f;
}

}  // namespace

Outcome<std::vector<FolderEntry>> FolderListing::List(const fs::path& folder, const FileFilter& filter) {
  using R = Outcome<std::vector<FolderEntry>>;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return R::Fail(folder.string() + ": " + ec.message());
  std::vector<FolderEntry> entries;
  for (fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) return R::Fail(folder.string() + ": " + ec.message());
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code type_ec;
    // A link to a folder opens as one.
    const bool is_folder = it->is_directory(type_ec);
    if (is_folder || filter.Matches(name)) entries.push_back({name, is_folder});
  }
  std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    if (a.folder != b.folder) return a.folder;
    const std::string fa = Folded(a.name), fb = Folded(b.name);
    return fa != fb ? fa < fb : a.name < b.name;
  });
  return entries;
}

}  // namespace host
