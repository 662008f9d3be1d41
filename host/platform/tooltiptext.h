#pragma once
// A tooltip's text as the module writes it: <b> and <i> (closed by </b> and
// </i>) mark bold and italic words, <br> and a newline break the line, and
// &lt; &gt; &amp; stand for the characters. Anything else that looks like a
// tag is shown as written.
#include <string>
#include <string_view>
#include <vector>

namespace host {

class TooltipText {
 public:
  struct Span {
    std::string text;
    bool bold = false;
    bool italic = false;
  };
  using Line = std::vector<Span>;

  explicit TooltipText(std::string_view markup);

  const std::vector<Line>& Lines() const { return lines_; }

 private:
  // Reads a known tag or entity at markup[i]; false leaves it to be shown.
  bool Tag(std::string_view markup, size_t& i);
  void Append(std::string_view text);

  std::vector<Line> lines_{Line{}};
  int bold_ = 0;
  int italic_ = 0;
};

}  // namespace host
