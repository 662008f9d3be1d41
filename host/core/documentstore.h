#pragma once
// Documents on disk, in the host's stream format, with the same atomic save
// and damaged-file rules as the preferences.
#include <filesystem>
#include <string>

#include "core/document.h"
#include "core/outcome.h"

namespace host {

class DocumentStore {
 public:
  struct Opened {
    Document document;
    std::string problem;  // a damaged file: what happened to it (a new document was made)
  };

  // A missing file gives a new, empty document; a damaged one is moved aside,
  // reported in Opened::problem, and also gives a new document. Fails when
  // the file cannot be read at all or holds something other than a document;
  // the file is then left as it is.
  static Outcome<Opened> Load(const std::filesystem::path& path);
  static Outcome<Done> Save(const Document& doc, const std::filesystem::path& path);
};

}  // namespace host
