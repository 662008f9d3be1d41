#pragma once
// A value or the text of what went wrong. The host's fallible operations
// answer this instead of throwing, so callers must look at the error.
#include <optional>
#include <string>
#include <utility>

namespace host {

template <class T>
class Outcome {
 public:
  Outcome(T value) : value_(std::move(value)) {}  // NOLINT: implicit on purpose
  // The failure path is rare: a copy of the text costs nothing that matters.
  static Outcome Fail(const std::string& error) {
    Outcome o;
    o.error_ = error;
    return o;
  }

  bool Ok() const { return value_.has_value(); }
  explicit operator bool() const { return Ok(); }
  const std::string& Error() const { return error_; }

  T& Value() { return *value_; }
  const T& Value() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }

 private:
  Outcome() = default;
  std::optional<T> value_;
  std::string error_;
};

// For operations without a result value.
struct Done {};

}  // namespace host
