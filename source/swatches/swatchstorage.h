#pragma once
// Where the two collections live: the document swatches in the document's
// data container, the global swatches in world preference 1127 (written
// with the default swatches the first time they are asked for).
#include <cstdint>

#include "gxa_api.h"
#include "result.h"
#include "swatches/colorswatchcollection.h"

namespace swatchstorage
{
constexpr std::int32_t kDocumentData = 1032140;
constexpr std::int32_t kDocumentCollection = 2;
constexpr std::int32_t kGlobalSwatches = 1127;

// Appends the document's groups; nothing when it holds none.
Result<void> ReadDocument(GxaDocument* doc, ColorSwatchCollection& into);
Result<void> WriteDocument(GxaDocument* doc, const ColorSwatchCollection& from);
// Appends the global groups, creating and storing the defaults when absent.
Result<void> ReadGlobal(ColorSwatchCollection& into);
Result<void> WriteGlobal(const ColorSwatchCollection& from);
// The one group of 14 swatches a new user starts with.
Result<void> AddDefaultGroup(ColorSwatchCollection& into);
}  // namespace swatchstorage
