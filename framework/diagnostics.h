#pragma once
// Diagnostic lines through the host's diagnostics family, each with its
// source file and line. The host decides whether they are shown; writing
// one never fails and never throws.
#include <cstdint>
#include <source_location>
#include <string_view>

#include "gxa_api.h"
#include "gxaerror.h"
#include "gxastring.h"

void WriteDiagnostic(std::int32_t kind, const char* file, int line, std::string_view text) noexcept;

template <typename... Args>
void WriteDiagnosticFormatted(const char* file, int line, std::string_view format, const Args&... args) noexcept
{
  try
  {
    WriteDiagnostic(GXA_DIAG_LINE, file, line, String::Format(format, args...));
  }
  catch (...)
  {
    WriteDiagnostic(GXA_DIAG_LINE, file, line, format);
  }
}

// One formatted line: DiagnosticOutput("loaded @ swatches", count).
#define DiagnosticOutput(...) WriteDiagnosticFormatted(__FILE__, __LINE__, __VA_ARGS__)

// A debug assertion: the line "Stop" of kind GXA_DIAG_ASSERT.
void DebugStop(std::source_location where = std::source_location::current()) noexcept;

// "<operation> error: <error text>", e.g. ReportError("ColorChooserGui::Command()", err).
void ReportError(std::string_view operation, const Error& error,
                 std::source_location where = std::source_location::current()) noexcept;
// "<operation> error: <failed step>", for failures without an error object.
void ReportError(std::string_view operation, std::string_view failedStep,
                 std::source_location where = std::source_location::current()) noexcept;
