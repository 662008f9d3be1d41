#pragma once
// JSON text in and out for text that comes from outside: reading bounds the
// nesting before anything recursive sees it and turns every parser exception
// into an error; writing never throws on bytes that are not UTF-8 (they are
// replaced by U+FFFD).
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "core/outcome.h"

namespace host {

class JsonText {
 public:
  // Deeper than any scenario or setting needs, shallow enough for recursion.
  static constexpr int kMaxDepth = 64;

  static Outcome<nlohmann::ordered_json> Parse(std::string_view text);
  // A command-line value: JSON when it reads as JSON, else the text itself
  // as a string; fails only when nested too deeply.
  static Outcome<nlohmann::ordered_json> ValueOrText(std::string_view text);
  // The nesting of arrays and objects, counted without parsing; stops
  // counting past kMaxDepth.
  static int Depth(std::string_view text);

  template <class Json>
  static std::string Dump(const Json& j, int indent = -1) {
    return j.dump(indent, ' ', false, Json::error_handler_t::replace);
  }
};

}  // namespace host
