#include "automation/jsonfields.h"

#include <limits>

namespace host {

JsonFields::JsonFields(const OrderedJson& object) : object_(object) {}

const OrderedJson* JsonFields::Get(const std::string& name) {
  read_.insert(name);
  auto it = object_.find(name);
  return it == object_.end() ? nullptr : &*it;
}

const OrderedJson* JsonFields::Require(const std::string& name) {
  const OrderedJson* j = Get(name);
  if (!j) Fail("'" + name + "' is missing");
  return j;
}

std::optional<std::string> JsonFields::String(const std::string& name, bool required) {
  const OrderedJson* j = required ? Require(name) : Get(name);
  if (!j) return std::nullopt;
  if (!j->is_string()) {
    Fail("'" + name + "' must be a string");
    return std::nullopt;
  }
  return j->get<std::string>();
}

std::optional<int32_t> JsonFields::Int(const std::string& name, bool required) {
  const OrderedJson* j = required ? Require(name) : Get(name);
  if (!j) return std::nullopt;
  auto n = Int32Of(*j);
  if (!n)
    Fail("'" + name + "' must be a whole number from " + std::to_string(std::numeric_limits<int32_t>::min()) + " to " +
         std::to_string(std::numeric_limits<int32_t>::max()));
  return n;
}

std::optional<int32_t> JsonFields::Int32Of(const OrderedJson& j) {
  if (j.is_number_unsigned()) {
    const auto n = j.get<uint64_t>();
    if (n > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return std::nullopt;
    return static_cast<int32_t>(n);
  }
  if (!j.is_number_integer()) return std::nullopt;
  const auto n = j.get<int64_t>();
  if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(n);
}

std::optional<double> JsonFields::Number(const std::string& name, bool required) {
  const OrderedJson* j = required ? Require(name) : Get(name);
  if (!j) return std::nullopt;
  if (!j->is_number()) {
    Fail("'" + name + "' must be a number");
    return std::nullopt;
  }
  return j->get<double>();
}

std::optional<bool> JsonFields::Bool(const std::string& name) {
  const OrderedJson* j = Get(name);
  if (!j) return std::nullopt;
  if (!j->is_boolean()) {
    Fail("'" + name + "' must be true or false");
    return std::nullopt;
  }
  return j->get<bool>();
}

void JsonFields::Fail(std::string problem) {
  if (error_.empty()) error_ = std::move(problem);
}

bool JsonFields::Finish() {
  if (Failed()) return false;
  for (auto it = object_.begin(); it != object_.end(); ++it) {
    if (!read_.count(it.key())) {
      Fail("unknown key '" + it.key() + "'");
      return false;
    }
  }
  return true;
}

}  // namespace host
