#pragma once
// One call of the swatch data library (1036600) or the swatch group library
// (1036601), named by entry index or name, with its arguments read from the
// command line. It runs on the world preferences and one document, as
// another module would: through the host's library lookup only.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/outcome.h"
#include "gxa_api.h"

namespace host::cli {

class SwatchCall {
 public:
  enum class Library { Data, Group };

  // Fails with a usage line naming the entry's arguments.
  static Outcome<SwatchCall> Parse(Library library, const std::string& entry, const std::vector<std::string>& args);
  // Calls the entry with doc as the document; entries that change swatches
  // save them back through the data library's save entry.
  Outcome<nlohmann::json> Run(Document& doc) const;

  static std::string Help(Library library);
  static std::string AsText(const nlohmann::json& result);

  struct Entry {
    const char* name;
    const char* usage;      // "INDEX COLLECTION NAME SELECTED [R G B A]..."
    const char* signature;  // one letter an argument: i int, b bool, s text, p path, r colour, c colours...
    bool changes;           // save the swatches after a successful call
  };

 private:
  static const std::vector<Entry>& Entries(Library library);
  nlohmann::json CallData(const GxaSwatchDataTable& data, const GxaSwatchGroupTable& groups, Document& doc) const;
  nlohmann::json CallGroup(const GxaSwatchDataTable& data, const GxaSwatchGroupTable& groups, Document& doc) const;

  Library library_ = Library::Data;
  int index_ = 0;
  std::vector<std::string> args_;
};

}  // namespace host::cli
