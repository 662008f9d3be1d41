#pragma once
// Saving the document swatches as a preset and loading a preset into swatch
// data: the flows behind the swatch data library's preset entries.
#include "gxastring.h"
#include "result.h"
#include "swatches/icolorswatchdata.h"

namespace swatchpresetstore
{
// Fails without document swatches, and on an existing item unless overwrite.
Result<void> Save(iColorSwatchData& data, const String& url, const String& text, bool overwrite);
Result<void> Load(iColorSwatchData& data, const String& url, bool merge);
// A preset item of the swatch type at url.
bool IsSwatchPreset(const String& url);
}  // namespace swatchpresetstore
