#include "gui/filefilter.h"

#include <algorithm>
#include <cctype>

namespace host {

bool FileFilter::Matches(const std::string& file) const {
  if (extensions.empty()) return true;
  const size_t dot = file.rfind('.');
  if (dot == std::string::npos || dot == 0) return false;
  std::string ext = file.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return std::find(extensions.begin(), extensions.end(), ext) != extensions.end();
}

std::vector<std::string> FileFilter::Patterns() const {
  if (extensions.empty()) return {"*"};
  std::vector<std::string> patterns;
  for (const auto& e : extensions) patterns.push_back("*." + e);
  return patterns;
}

}  // namespace host
