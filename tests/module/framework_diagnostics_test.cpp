#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "entryguard.h"
#include "framework_fakehost.h"

namespace
{
struct Line
{
  int kind;
  std::string file;
  int line;
  std::string text;
};
std::vector<Line> g_lines;

void Record(std::int32_t kind, const char* file, std::int32_t line, const char* text)
{
  g_lines.push_back({kind, file, line, text});
}

class DiagnosticsTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    g_lines.clear();
    fns.size = sizeof fns;
    fns.line = &Record;
    host.table.diagnostics = &fns;
  }

  FakeHost host;
  GxaDiagnosticFns fns{};
};
}  // namespace

TEST_F(DiagnosticsTest, ErrorLinesNameTheOperationAndCarryTheirSource)
{
  ReportError("ColorChooserGui::Command()", OutOfMemoryError());
  const int line = __LINE__ - 1;
  ReportError("ColorWheelArea::MouseDown()", "Global2Local() failed.");
  ASSERT_EQ(g_lines.size(), 2u);
  EXPECT_EQ(g_lines[0].text, "ColorChooserGui::Command() error: Out of memory");
  EXPECT_EQ(g_lines[0].kind, GXA_DIAG_LINE);
  EXPECT_EQ(g_lines[0].line, line);
  EXPECT_NE(g_lines[0].file.find("framework_diagnostics_test.cpp"), std::string::npos);
  EXPECT_EQ(g_lines[1].text, "ColorWheelArea::MouseDown() error: Global2Local() failed.");
}

TEST_F(DiagnosticsTest, StopIsAnAssertionAndOutputIsFormatted)
{
  DebugStop();
  DiagnosticOutput("Error: Color Swatch Presets not registered!");
  DiagnosticOutput("@ of @", 2, "3");
  ASSERT_EQ(g_lines.size(), 3u);
  EXPECT_EQ(g_lines[0].kind, GXA_DIAG_ASSERT);
  EXPECT_EQ(g_lines[0].text, "Stop");
  EXPECT_EQ(g_lines[1].text, "Error: Color Swatch Presets not registered!");
  EXPECT_EQ(g_lines[2].text, "2 of 3");
}

TEST_F(DiagnosticsTest, EscapingExceptionsBecomeErrorLinesAndTheFailureAnswer)
{
  const int answer = GuardEntry("GeDialog::Command()", -1, []() -> int { throw std::bad_alloc(); });
  EXPECT_EQ(answer, -1);
  GuardEntry("GeUserArea::Sized()", [] { throw std::runtime_error("no layout"); });
  EXPECT_EQ(GuardEntry("GeDialog::InitValues()", false, [] { return true; }), true);
  ASSERT_EQ(g_lines.size(), 2u);
  EXPECT_EQ(g_lines[0].text, "GeDialog::Command() error: Out of memory");
  EXPECT_EQ(g_lines[1].text, "GeUserArea::Sized() error: no layout");
}

TEST_F(DiagnosticsTest, ShortOrMissingFamiliesAreNeverCalled)
{
  // A family too short to hold the entry counts as missing.
  fns.size = offsetof(GxaDiagnosticFns, line);
  ReportError("X()", "lost");
  host.table.diagnostics = nullptr;
  DebugStop();
  // A top table too short to hold the family pointer.
  host.table.diagnostics = &fns;
  fns.size = sizeof fns;
  host.table.size = offsetof(GxaHostTable, diagnostics);
  DiagnosticOutput("lost too");
  EXPECT_TRUE(g_lines.empty());
}
