#pragma once
// The host's diagnostic channel: the module's debug lines (with source file
// and line) and the host's own warnings. Every line is kept so a scripted run
// can report them; module lines reach stderr only with --debug, host warnings
// always.
#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct DiagnosticLine {
  enum class Kind { kLine, kAssert, kHostWarning };
  Kind kind = Kind::kLine;
  std::string file;
  int32_t line = 0;
  std::string text;
};

class Diagnostics {
 public:
  void SetEcho(bool echo) { echo_ = echo; }
  bool Echo() const { return echo_; }

  void Add(DiagnosticLine line);
  void Warn(std::string text) { Add({DiagnosticLine::Kind::kHostWarning, {}, 0, std::move(text)}); }

  const std::vector<DiagnosticLine>& Lines() const { return lines_; }
  // Module lines only (no host warnings).
  std::vector<DiagnosticLine> ModuleLines() const;
  void Clear() { lines_.clear(); }

  // "file:line: text", "file:line: assertion: text" or "gxa-host: text".
  static std::string Format(const DiagnosticLine& line);

 private:
  bool echo_ = false;
  std::vector<DiagnosticLine> lines_;
};

}  // namespace host
