#pragma once
// Which files a file request shows: a label and the extensions that belong
// (lower case, without the dot); none means every file.
#include <string>
#include <vector>

namespace host {

struct FileFilter {
  std::string label;
  std::vector<std::string> extensions;

  // By the file name's extension, any case.
  bool Matches(const std::string& file) const;
  // The pattern text a desktop portal takes: "*.png" for each extension, "*" for all.
  std::vector<std::string> Patterns() const;

  static FileFilter Pictures() { return {"Pictures (PNG, JPEG)", {"png", "jpg", "jpeg"}}; }
  static FileFilter Palettes() { return {"Palettes (GIMP .gpl, Adobe .ase)", {"gpl", "ase"}}; }
  static FileFilter Documents() { return {"Documents (.gxd)", {"gxd"}}; }
  static FileFilter AllFiles() { return {"All files", {}}; }
};

}  // namespace host
