#pragma once
// Reads the members of one JSON object and remembers which were read, so
// that a member nobody asked for can be reported as unknown. Every reader
// records the first problem and answers a fallback; Error() tells it.
#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "automation/transcriptjson.h"

namespace host {

class JsonFields {
 public:
  explicit JsonFields(const OrderedJson& object);

  bool Has(const std::string& name) const { return object_.contains(name); }
  // The member, marked as read; null when absent.
  const OrderedJson* Get(const std::string& name);
  const OrderedJson* Require(const std::string& name);

  std::optional<std::string> String(const std::string& name, bool required = false);
  std::optional<int32_t> Int(const std::string& name, bool required = false);
  std::optional<double> Number(const std::string& name, bool required = false);
  std::optional<bool> Bool(const std::string& name);

  // A whole number that fits int32, whatever its JSON form (a large unsigned
  // number must not wrap into range).
  static std::optional<int32_t> Int32Of(const OrderedJson& j);

  // Records a problem (the first one wins).
  void Fail(std::string problem);
  // After reading: fails on the first member nobody read.
  bool Finish();
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  const OrderedJson& object_;
  std::set<std::string> read_;
  std::string error_;
};

}  // namespace host
