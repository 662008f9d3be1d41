#pragma once
// A file path as the host's file-name service sees it: '/'-separated UTF-8.
#include <string>

namespace host {

class Filename {
 public:
  Filename() = default;
  explicit Filename(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  void Set(std::string path) { path_ = std::move(path); }
  bool IsEmpty() const { return path_.empty(); }

  // Appends one component, adding a separator only where one is missing.
  void Append(const std::string& component);
  // Drops the last component; false when there is none to drop.
  bool ToDirectory();
  std::string LastComponent() const;
  bool Exists() const;
  // True when this path equals dir or lies below it (both made absolute).
  bool IsInside(const Filename& dir) const;

  bool operator==(const Filename&) const = default;

 private:
  std::string path_;
};

}  // namespace host
