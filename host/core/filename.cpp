#include "core/filename.h"

#include <filesystem>
#include <system_error>

namespace host {

namespace {

// Trailing separators carry no component; "/" itself is kept.
std::string WithoutTrailingSlash(std::string p) {
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  return p;
}

std::filesystem::path Normalised(const std::string& p) {
  std::error_code ec;
  auto abs = std::filesystem::absolute(p, ec);
  if (ec) abs = p;
  return abs.lexically_normal();
}

}  // namespace

void Filename::Append(const std::string& component) {
  if (component.empty()) return;
  if (!path_.empty() && path_.back() != '/') path_ += '/';
  path_ += component;
}

bool Filename::ToDirectory() {
  std::string p = WithoutTrailingSlash(path_);
  auto slash = p.rfind('/');
  if (p.empty() || p == "/") return false;
  if (slash == std::string::npos) {
    path_.clear();
    return true;
  }
  path_ = slash == 0 ? "/" : p.substr(0, slash);
  return true;
}

std::string Filename::LastComponent() const {
  std::string p = WithoutTrailingSlash(path_);
  if (p == "/") return {};
  auto slash = p.rfind('/');
  return slash == std::string::npos ? p : p.substr(slash + 1);
}

bool Filename::Exists() const {
  std::error_code ec;
  return !path_.empty() && std::filesystem::exists(path_, ec);
}

bool Filename::IsInside(const Filename& dir) const {
  if (path_.empty() || dir.path_.empty()) return false;
  auto self = Normalised(path_);
  auto base = Normalised(dir.path_);
  auto rel = self.lexically_relative(base);
  if (rel.empty()) return false;
  return *rel.begin() != "..";
}

}  // namespace host
