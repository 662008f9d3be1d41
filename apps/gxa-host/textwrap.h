#pragma once
// Words of a text laid into lines of at most 80 columns, for help and
// reports read in a terminal.
#include <string>

namespace host::cli {

class TextWrap {
 public:
  static constexpr size_t kWidth = 80;

  // The caller has already written firstIndent columns of the first line;
  // every further line starts with indent spaces. '\n' starts a new line.
  static std::string Lines(const std::string& text, size_t indent, size_t firstIndent);
};

}  // namespace host::cli
