#pragma once
// Reads the whole of a file the user named, without trusting what it is: only
// a regular file is read (a directory, a FIFO or a device is refused without
// blocking), and only up to a stated size.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/outcome.h"

namespace host {

class FileBytes {
 public:
  // Preferences, documents and the preset library stay far below this.
  static constexpr uint64_t kStoredFileLimit = uint64_t{256} << 20;
  // Scenarios and other texts typed by hand.
  static constexpr uint64_t kTextLimit = uint64_t{16} << 20;

  struct Read {
    std::vector<uint8_t> bytes;
    std::string error;     // set when nothing was read
    bool missing = false;  // there is no such file (error is set too)
  };
  static Read From(const std::filesystem::path& path, uint64_t limit);
  static Outcome<std::string> Text(const std::filesystem::path& path, uint64_t limit);
};

}  // namespace host
