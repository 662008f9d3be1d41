#include "diagnostics.h"

#include <string>

#include "hostaccess.h"

void WriteDiagnostic(std::int32_t kind, const char* file, int line, std::string_view text) noexcept
{
  const GxaDiagnosticFns* diag = HostDiagnostics();
  if (!GXA_HAS(diag, line))
    return;
  try
  {
    const std::string terminated(text);
    diag->line(kind, file, line, terminated.c_str());
  }
  catch (...)
  {
    diag->line(kind, file, line, "(diagnostic text lost: out of memory)");
  }
}

void DebugStop(std::source_location where) noexcept
{
  WriteDiagnostic(GXA_DIAG_ASSERT, where.file_name(), static_cast<int>(where.line()), "Stop");
}

void ReportError(std::string_view operation, const Error& error, std::source_location where) noexcept
{
  ReportError(operation, error.GetMessage(), where);
}

void ReportError(std::string_view operation, std::string_view failedStep, std::source_location where) noexcept
{
  const char* file = where.file_name();
  const int line = static_cast<int>(where.line());
  try
  {
    std::string text;
    text.reserve(operation.size() + failedStep.size() + 8);
    text.append(operation).append(" error: ").append(failedStep);
    WriteDiagnostic(GXA_DIAG_LINE, file, line, text);
  }
  catch (...)
  {
    WriteDiagnostic(GXA_DIAG_LINE, file, line, failedStep);
  }
}
