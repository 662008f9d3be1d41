#pragma once
// Takes a verb's arguments apart. Options are "--name VALUE" or
// "--name=VALUE"; each read consumes what it found, so Finish() can tell
// what nobody asked for.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace host::cli {

class ArgParser {
 public:
  explicit ArgParser(std::span<const std::string> args) : args_(args.begin(), args.end()) {}

  bool Flag(const std::string& name);
  std::optional<std::string> Option(const std::string& name);
  std::optional<int32_t> IntOption(const std::string& name);
  // Arguments that do not start with "--", in order.
  std::vector<std::string> TakePositionals();

  // Fails (with Error()) when an earlier read failed or anything is left.
  bool Finish();
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  void Fail(std::string error) {
    if (error_.empty()) error_ = std::move(error);
  }

  std::vector<std::string> args_;
  std::string error_;
};

}  // namespace host::cli
