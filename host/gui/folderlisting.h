#pragma once
// What the file dialog shows of a folder: its folders, then its files that
// pass the filter, each ignoring case in name order. Hidden entries (a
// leading dot) are left out.
#include <filesystem>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "gui/filefilter.h"

namespace host {

struct FolderEntry {
  std::string name;
  bool folder = false;
  bool operator==(const FolderEntry&) const = default;
};

class FolderListing {
 public:
  static Outcome<std::vector<FolderEntry>> List(const std::filesystem::path& folder, const FileFilter& filter);
};

}  // namespace host
