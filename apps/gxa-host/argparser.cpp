#include "argparser.h"

#include <charconv>

namespace host::cli {

bool ArgParser::Flag(const std::string& name) {
  for (auto it = args_.begin(); it != args_.end(); ++it) {
    if (*it == name) {
      args_.erase(it);
      return true;
    }
  }
  return false;
}

std::optional<std::string> ArgParser::Option(const std::string& name) {
  const std::string prefix = name + "=";
  for (auto it = args_.begin(); it != args_.end(); ++it) {
    if (it->rfind(prefix, 0) == 0) {
      std::string value = it->substr(prefix.size());
      args_.erase(it);
      return value;
    }
    if (*it == name) {
      if (it + 1 == args_.end()) {
        Fail(name + " needs a value");
        args_.erase(it);
        return std::nullopt;
      }
      std::string value = *(it + 1);
      args_.erase(it, it + 2);
      return value;
    }
  }
  return std::nullopt;
}

std::optional<int32_t> ArgParser::IntOption(const std::string& name) {
  auto text = Option(name);
  if (!text) return std::nullopt;
  int32_t value = 0;
  auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (ec != std::errc() || end != text->data() + text->size() || text->empty()) {
    Fail(name + " expects a whole number, not '" + *text + "'");
    return std::nullopt;
  }
  return value;
}

std::vector<std::string> ArgParser::TakePositionals() {
  std::vector<std::string> out;
  std::vector<std::string> rest;
  for (auto& a : args_) (a.rfind("--", 0) == 0 ? rest : out).push_back(a);
  args_ = std::move(rest);
  return out;
}

bool ArgParser::Finish() {
  if (Failed()) return false;
  if (!args_.empty()) {
    Fail((args_.front().rfind("--", 0) == 0 ? "unknown option " : "unexpected argument ") + args_.front());
    return false;
  }
  return true;
}

}  // namespace host::cli
