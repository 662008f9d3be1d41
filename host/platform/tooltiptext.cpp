#include "platform/tooltiptext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace host {

namespace {

bool StartsWith(std::string_view text, size_t i, std::string_view prefix) {
  return text.size() - i >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin() + long(i),
                    [](char want, char got) { return want == std::tolower(static_cast<unsigned char>(got)); });
}

}  // namespace

TooltipText::TooltipText(std::string_view markup) {
  size_t plain = 0;
  for (size_t i = 0; i < markup.size();) {
    if (markup[i] != '<' && markup[i] != '&' && markup[i] != '\n') {
      ++i;
      continue;
    }
    Append(markup.substr(plain, i - plain));
    plain = i;
    if (Tag(markup, i)) plain = i;
    else ++i;
  }
  Append(markup.substr(plain));
}

bool TooltipText::Tag(std::string_view markup, size_t& i) {
  static constexpr std::array<std::pair<std::string_view, char>, 3> kEntities{
      {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}}};
  for (const auto& [name, ch] : kEntities) {
    if (!StartsWith(markup, i, name)) continue;
    // The character is text of the span already open.
    Append(std::string_view(&ch, 1));
    i += name.size();
    return true;
  }
  struct Mark {
    std::string_view tag;
    int* depth;
    int step;
  };
  const std::array<Mark, 4> marks{
      {{"<b>", &bold_, 1}, {"</b>", &bold_, -1}, {"<i>", &italic_, 1}, {"</i>", &italic_, -1}}};
  for (const Mark& m : marks) {
    if (!StartsWith(markup, i, m.tag)) continue;
    *m.depth = std::max(0, *m.depth + m.step);
    i += m.tag.size();
    return true;
  }
  for (std::string_view lineBreak : {"\n", "<br>", "<br/>", "<br />"}) {
    if (!StartsWith(markup, i, lineBreak)) continue;
    lines_.emplace_back();
    i += lineBreak.size();
    return true;
  }
  return false;
}

void TooltipText::Append(std::string_view text) {
  if (text.empty()) return;
  Line& line = lines_.back();
  const bool bold = bold_ > 0, italic = italic_ > 0;
  if (!line.empty() && line.back().bold == bold && line.back().italic == italic) {
    line.back().text.append(text);
    return;
  }
  line.push_back({std::string(text), bold, italic});
}

}  // namespace host
