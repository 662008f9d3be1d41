#include "automation/temphome.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace host {

Outcome<TempHome> TempHome::Create() {
  std::error_code ec;
  const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) return Outcome<TempHome>::Fail("no temporary folder: " + ec.message());
  const std::string pattern = (base / "gxa-home-XXXXXX").string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  if (!::mkdtemp(buf.data())) {
    return Outcome<TempHome>::Fail("cannot make a temporary home in " + base.string() + ": " + std::strerror(errno));
  }
  return TempHome(buf.data());
}

TempHome::TempHome(TempHome&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }

TempHome::~TempHome() {
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace host
