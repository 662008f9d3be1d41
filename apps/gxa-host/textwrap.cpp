#include "textwrap.h"

#include <algorithm>

namespace host::cli {

std::string TextWrap::Lines(const std::string& text, size_t indent, size_t firstIndent) {
  // firstIndent: where the caller has left the first line.
  std::string out;
  size_t column = firstIndent;
  bool lineEmpty = true;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find_first_of(" \n", start), text.size());
    const std::string word = text.substr(start, end - start);
    if (!word.empty()) {
      if (!lineEmpty && column + 1 + word.size() > kWidth) {
        out += "\n" + std::string(indent, ' ');
        column = indent;
        lineEmpty = true;
      }
      if (!lineEmpty) {
        out += ' ';
        ++column;
      }
      out += word;
      column += word.size();
      lineEmpty = false;
    }
    if (end < text.size() && text[end] == '\n') {
      out += "\n" + std::string(indent, ' ');
      column = indent;
      lineEmpty = true;
    }
    start = end + 1;
  }
  return out;
}

}  // namespace host::cli
