#pragma once
// A file request answered outside the host: the desktop's own file chooser.
// Where none answers, the host shows its own file dialog.
#include <string>

#include "gui/filerequest.h"

namespace host {

class FilePortal {
 public:
  struct Reply {
    enum class Kind { Unavailable, Cancelled, Chosen };
    Kind kind = Kind::Unavailable;
    std::string path;  // Chosen
  };

  virtual ~FilePortal() = default;
  virtual Reply Ask(const FileRequest& request) = 0;
};

}  // namespace host
