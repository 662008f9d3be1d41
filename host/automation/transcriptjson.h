#pragma once
// Host values as scripts write them and transcripts show them: numbers and
// booleans as such, a vector as [x, y, z], a colour with alpha as
// [r, g, b, a], a container as an object keyed by entry (see EntryKey), a
// link as {"link": object}. Reading goes the other way for what a script
// may give: booleans, whole numbers (int32), reals, 3 or 4 numbers, strings
// and objects (containers).
#include <nlohmann/json.hpp>
#include <string>

#include "core/container.h"
#include "core/outcome.h"
#include "core/value.h"

namespace host {

using OrderedJson = nlohmann::ordered_json;

class TranscriptJson {
 public:
  static OrderedJson FromValue(const Value& v);
  static OrderedJson FromContainer(const Container& c);

  static Outcome<Value> ToValue(const OrderedJson& j);
  static Outcome<Container> ToContainer(const OrderedJson& j);

 private:
  static Outcome<Value> NumbersToValue(const OrderedJson& j);
};

}  // namespace host
