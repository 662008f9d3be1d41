#pragma once
// A home folder for one scripted session: a fresh folder under the system's
// temporary folder, removed with everything in it when the session ends, so
// a run never reads or writes the user's own preferences.
#include <filesystem>

#include "core/outcome.h"

namespace host {

class TempHome {
 public:
  static Outcome<TempHome> Create();
  ~TempHome();
  TempHome(TempHome&& other) noexcept;
  TempHome& operator=(TempHome&&) = delete;
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  explicit TempHome(std::filesystem::path path) : path_(std::move(path)) {}

  std::filesystem::path path_;
};

}  // namespace host
