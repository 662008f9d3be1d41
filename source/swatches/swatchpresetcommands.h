#pragma once
// The swatch panel's preset commands: saving groups as a preset under a
// name the user gives, loading a chosen preset into the document swatches,
// and the folder where both happen.
#include "gxastring.h"
#include "result.h"
#include "swatches/colorswatchcollection.h"

namespace swatchpresetcommands
{
// Asks for a name and stores groups as a swatch preset in the user's
// folder. False when the user cancelled.
Result<bool> SaveAsPreset(const ColorSwatchCollection& groups);
// Lets the user pick one of the swatch presets of the preset folder in the
// thumbnail popup; empty when none was picked.
Result<String> ChoosePreset();
// Shows folder in the host's preset browser.
void OpenFolder(const String& folder);
// The user's swatch preset folder, or the shipped one when the user has none.
String PresetFolder();
}  // namespace swatchpresetcommands
