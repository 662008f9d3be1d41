#include "core/stringresources.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace host {

namespace {

// nullopt for a backslash that starts no known escape.
std::optional<std::string> Unescape(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\') {
      out += s[i];
      continue;
    }
    if (++i == s.size()) return std::nullopt;
    switch (s[i]) {
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '\\': out += '\\'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

}  // namespace

Outcome<StringResources> StringResources::Open(const std::filesystem::path& res_folder) {
  auto file = res_folder / "strings" / (std::string(kLanguage) + ".str");
  std::ifstream in(file, std::ios::binary);
  if (!in) return Outcome<StringResources>::Fail("cannot open " + file.string());
  std::string text((std::istreambuf_iterator<char>(in)), {});
  if (in.bad()) return Outcome<StringResources>::Fail("cannot read " + file.string());
  StringResources res = Parse(text, file.string());
  res.file_ = file;
  return res;
}

StringResources StringResources::Parse(const std::string& text, const std::string& file_name) {
  StringResources res;
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    res.ParseLine(line, file_name + ":" + std::to_string(number));
  }
  return res;
}

void StringResources::ParseLine(const std::string& line, const std::string& where) {
  if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') return;
  auto tab = line.find('\t');
  if (tab == std::string::npos) {
    problems_.push_back(where + ": expected ID<TAB>text");
    return;
  }
  int32_t id = 0;
  auto [end, ec] = std::from_chars(line.data(), line.data() + tab, id);
  if (ec != std::errc() || end != line.data() + tab || tab == 0) {
    problems_.push_back(where + ": '" + line.substr(0, tab) + "' is not a string ID");
    return;
  }
  auto text = Unescape(line.substr(tab + 1));
  if (!text) {
    problems_.push_back(where + ": bad escape in the text of string " + std::to_string(id));
    return;
  }
  if (!strings_.emplace(id, *text).second) {
    problems_.push_back(where + ": string " + std::to_string(id) + " is defined twice (the first is kept)");
  }
}

std::optional<std::string> StringResources::Get(int32_t id) const {
  auto it = strings_.find(id);
  if (it == strings_.end()) return std::nullopt;
  return it->second;
}

}  // namespace host
