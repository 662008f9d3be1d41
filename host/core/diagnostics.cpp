#include "core/diagnostics.h"

#include <cstdio>

namespace host {

void Diagnostics::Add(DiagnosticLine line) {
  if (echo_ || line.kind == DiagnosticLine::Kind::kHostWarning) {
    std::fprintf(stderr, "%s\n", Format(line).c_str());
  }
  lines_.push_back(std::move(line));
}

std::vector<DiagnosticLine> Diagnostics::ModuleLines() const {
  std::vector<DiagnosticLine> out;
  for (const auto& l : lines_) {
    if (l.kind != DiagnosticLine::Kind::kHostWarning) out.push_back(l);
  }
  return out;
}

std::string Diagnostics::Format(const DiagnosticLine& line) {
  if (line.kind == DiagnosticLine::Kind::kHostWarning) return "gxa-host: " + line.text;
  std::string where = (line.file.empty() ? std::string("?") : line.file) + ":" + std::to_string(line.line);
  const char* tag = line.kind == DiagnosticLine::Kind::kAssert ? " assertion: " : ": ";
  return where + tag + line.text;
}

}  // namespace host
