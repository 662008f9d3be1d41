#pragma once
// A file the user named, replaced as a whole: the bytes go to a temporary
// file beside it that is renamed over it, so a reader never sees half a
// file. Only a regular file (or nothing) is replaced: a directory, a device,
// a pipe or a symbolic link under that name is refused and left as it is,
// and no temporary is left behind on any failure.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/outcome.h"

namespace host {

class ReplacedFile {
 public:
  static Outcome<Done> Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
};

}  // namespace host
