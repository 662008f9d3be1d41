#pragma once
// What a file request asks of whoever answers it: the desktop portal or the
// host's own file dialog.
#include <string>
#include <vector>

#include "gui/filefilter.h"

namespace host {

// What a file request asks: to open an existing file or to name one to save.
struct FileRequest {
  enum class Mode { Open, Save };

  std::string title;
  // A path or a name to start from: its folder is shown and its name typed in.
  std::string current;
  Mode mode = Mode::Open;
  // The first is chosen at first; every request can also show all files.
  std::vector<FileFilter> filters;
};

}  // namespace host
