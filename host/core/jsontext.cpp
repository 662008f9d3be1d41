#include "core/jsontext.h"

#include <algorithm>

namespace host {

int JsonText::Depth(std::string_view text) {
  int depth = 0, deepest = 0;
  bool inString = false, escaped = false;
  for (const char c : text) {
    if (inString) {
      if (escaped) escaped = false;
      else if (c == '\\') escaped = true;
      else if (c == '"') inString = false;
      continue;
    }
    switch (c) {
      case '"': inString = true; break;
      case '[':
      case '{':
        deepest = std::max(deepest, ++depth);
        if (deepest > kMaxDepth) return deepest;
        break;
      case ']':
      case '}':
        if (depth > 0) --depth;
        break;
      default: break;
    }
  }
  return deepest;
}

Outcome<nlohmann::ordered_json> JsonText::Parse(std::string_view text) {
  using R = Outcome<nlohmann::ordered_json>;
  if (Depth(text) > kMaxDepth) {
    return R::Fail("arrays and objects are nested more than " + std::to_string(kMaxDepth) + " deep");
  }
  try {
    return nlohmann::ordered_json::parse(text);
  } catch (const nlohmann::ordered_json::exception& e) {
    // parse_error for bad syntax, out_of_range for numbers such as 1e400.
    std::string what = e.what();
    if (const size_t cut = what.find("] "); what.rfind("[json.exception.", 0) == 0 && cut != std::string::npos) {
      what.erase(0, cut + 2);
    }
    return R::Fail(what);
  }
}

Outcome<nlohmann::ordered_json> JsonText::ValueOrText(std::string_view text) {
  auto parsed = Parse(text);
  if (parsed || Depth(text) > kMaxDepth) return parsed;
  return nlohmann::ordered_json(std::string(text));
}

}  // namespace host
