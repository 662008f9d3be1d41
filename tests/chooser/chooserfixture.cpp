#include "chooserfixture.h"

#include <string>

namespace choosertest
{
void ChooserTest::TearDown()
{
  // No test expects the chooser to report an error.
  if (Started())
    for (const host::DiagnosticLine& line : Host().GetHost().Diag().ModuleLines())
      if (host::Diagnostics::Format(line).find("ColorChooserGui::") != std::string::npos)
        ADD_FAILURE() << host::Diagnostics::Format(line);
  ChooserPageTest::TearDown();
}

void ChooserTest::Set(const std::string& key, const host::ColorValue& value)
{
  auto set = Host().SetValues(key, {value});
  ASSERT_TRUE(set.Ok()) << set.Error();
}

host::Vector3 VectorOf(const host::Value* value)
{
  return value ? value->AsVector().value_or(host::Vector3{-1, -1, -1}) : host::Vector3{-1, -1, -1};
}
}  // namespace choosertest
