#pragma once
// Choosers on the host's attribute page that must not report an error, and
// whose values the host may set again.
#include <cstdint>
#include <string>

#include "chooserpagetest.h"

namespace choosertest
{
class ChooserTest : public ChooserPageTest
{
protected:
  void TearDown() override;

  void Set(const std::string& key, const host::ColorValue& value);
};

// Components of a vector value, for comparisons.
host::Vector3 VectorOf(const host::Value* value);
}  // namespace choosertest
