#pragma once
// A module's string resources: <res folder>/strings/en-US.str, UTF-8 lines
// "ID<TAB>text". Lines starting with '#' and blank lines are skipped; in the
// text, \n, \t and \\ stand for a line break, a tab and a backslash.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/outcome.h"

namespace host {

class StringResources {
 public:
  static constexpr const char* kLanguage = "en-US";

  // Fails when the file is missing or unreadable. Malformed lines are
  // skipped and described in Problems() ("file:line: what").
  static Outcome<StringResources> Open(const std::filesystem::path& res_folder);
  static StringResources Parse(const std::string& text, const std::string& file_name);

  std::optional<std::string> Get(int32_t id) const;
  size_t Count() const { return strings_.size(); }
  const std::vector<std::string>& Problems() const { return problems_; }
  const std::filesystem::path& File() const { return file_; }

 private:
  void ParseLine(const std::string& line, const std::string& where);

  std::filesystem::path file_;
  std::map<int32_t, std::string> strings_;
  std::vector<std::string> problems_;
};

}  // namespace host
