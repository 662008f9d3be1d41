#include "presets/preseturl.h"

#include <algorithm>
#include <cstdio>

namespace host {

namespace {

constexpr const char* kLibraryExtension = ".libvx";

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool NeedsEscape(unsigned char c, size_t at, size_t size) {
  if (c < 32 || c == 127 || c == '%' || c == '/' || c == '\\') return true;
  if (at == 0 && c == '.') return true;
  return at + 1 == size && (c == ' ' || c == '.');
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Outcome<PresetUrl> PresetUrl::Parse(const std::string& text) {
  using R = Outcome<PresetUrl>;
  const std::string scheme = kScheme;
  if (text.compare(0, scheme.size(), scheme) != 0)
    return R::Fail("'" + text + "' is not a preset URL (preset:/LIBRARY/...)");
  std::vector<std::string> parts;
  size_t at = scheme.size();
  while (at <= text.size()) {
    size_t slash = text.find('/', at);
    if (slash == std::string::npos) slash = text.size();
    parts.push_back(text.substr(at, slash - at));
    at = slash + 1;
  }
  // One trailing slash is allowed on a folder.
  if (parts.size() > 1 && parts.back().empty()) parts.pop_back();
  for (const auto& p : parts) {
    if (p.empty()) return R::Fail("'" + text + "' has an empty name in it");
  }
  if (!EndsWith(parts.front(), kLibraryExtension) || parts.front() == kLibraryExtension) {
    return R::Fail("'" + text + "' does not name a library (NAME.libvx) after preset:/");
  }
  std::string library = parts.front();
  parts.erase(parts.begin());
  return PresetUrl(std::move(library), std::move(parts));
}

PresetUrl PresetUrl::Of(std::string library, std::vector<std::string> path) {
  return PresetUrl(std::move(library), std::move(path));
}

std::string PresetUrl::Text() const {
  std::string s = kScheme + library_;
  for (const auto& p : path_) s += "/" + p;
  return s;
}

PresetUrl PresetUrl::Child(const std::string& name) const {
  PresetUrl c = *this;
  c.path_.push_back(name);
  return c;
}

PresetUrl PresetUrl::Parent() const {
  PresetUrl p = *this;
  if (!p.path_.empty()) p.path_.pop_back();
  return p;
}

PresetUrl PresetUrl::WithName(const std::string& name) const { return Parent().Child(name); }

bool PresetUrl::Contains(const PresetUrl& other) const {
  if (library_ != other.library_ || path_.size() > other.path_.size()) return false;
  return std::equal(path_.begin(), path_.end(), other.path_.begin());
}

std::filesystem::path PresetUrl::FolderPath(const std::filesystem::path& root) const {
  std::filesystem::path p = root / FileName(library_);
  for (const auto& c : path_) p /= FileName(c);
  return p;
}

std::filesystem::path PresetUrl::ItemPath(const std::filesystem::path& root) const {
  std::filesystem::path p = Parent().FolderPath(root);
  return p / (FileName(Name()) + kItemExtension);
}

std::string PresetUrl::FileName(const std::string& component) {
  std::string out;
  out.reserve(component.size());
  for (size_t i = 0; i < component.size(); ++i) {
    const auto c = static_cast<unsigned char>(component[i]);
    if (!NeedsEscape(c, i, component.size())) {
      out += static_cast<char>(c);
      continue;
    }
    char buf[4];
    std::snprintf(buf, sizeof buf, "%%%02X", c);
    out += buf;
  }
  return out;
}

Outcome<std::string> PresetUrl::ComponentOf(const std::string& file_name) {
  std::string out;
  for (size_t i = 0; i < file_name.size(); ++i) {
    if (file_name[i] != '%') {
      out += file_name[i];
      continue;
    }
    int hi = i + 2 < file_name.size() ? HexValue(file_name[i + 1]) : -1;
    int lo = hi >= 0 ? HexValue(file_name[i + 2]) : -1;
    if (lo < 0) return Outcome<std::string>::Fail("'" + file_name + "' is not an item's file name");
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  if (out.empty() || FileName(out) != file_name)
    return Outcome<std::string>::Fail("'" + file_name + "' is not an item's file name");
  return out;
}

}  // namespace host
