#pragma once
// "preset:/LIBRARY/FOLDER/.../NAME": a library (a folder named *.libvx under
// the data folder), folders inside it and an item's name. The same text
// names a folder when it is used as one. Components are taken as they are,
// with any characters but '/', and mapped to file names that every file
// system accepts (see FileName).
#include <filesystem>
#include <string>
#include <vector>

#include "core/outcome.h"

namespace host {

class PresetUrl {
 public:
  static constexpr const char* kScheme = "preset:/";
  static constexpr const char* kItemExtension = ".gxp";

  // Fails on a missing scheme, an empty component or a library name that
  // does not end in ".libvx".
  static Outcome<PresetUrl> Parse(const std::string& text);
  static PresetUrl Of(std::string library, std::vector<std::string> path);

  const std::string& Library() const { return library_; }
  // Folders, then the item's name; empty for the library itself.
  const std::vector<std::string>& Path() const { return path_; }
  std::string Name() const { return path_.empty() ? library_ : path_.back(); }
  std::string Text() const;

  PresetUrl Child(const std::string& name) const;
  PresetUrl Parent() const;
  PresetUrl WithName(const std::string& name) const;
  bool IsLibrary() const { return path_.empty(); }
  // Whether other lies below this (or is this).
  bool Contains(const PresetUrl& other) const;

  // Below a data folder: the folder of a folder URL, the file of an item URL.
  std::filesystem::path FolderPath(const std::filesystem::path& root) const;
  std::filesystem::path ItemPath(const std::filesystem::path& root) const;

  // A component as a file name: '%', '/', '\\', control characters, a
  // leading '.' and a trailing ' ' or '.' become %XX, so that no name can
  // reach outside its folder or clash with the host's own files.
  static std::string FileName(const std::string& component);
  // The inverse; fails on a name that FileName would not produce.
  static Outcome<std::string> ComponentOf(const std::string& file_name);

  bool operator==(const PresetUrl&) const = default;

 private:
  PresetUrl(std::string library, std::vector<std::string> path)
      : library_(std::move(library)), path_(std::move(path)) {}
  std::string library_;
  std::vector<std::string> path_;
};

}  // namespace host
