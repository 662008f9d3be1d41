#pragma once
// Where swatch presets live in the preset library, and how a user's name
// becomes an item's URL.
#include "gxastring.h"

namespace swatchpreseturl
{
constexpr const char* kScheme = "preset:/";
constexpr const char* kUserLibrary = "user.libvx";
constexpr const char* kShippedLibrary = "source.libvx";

// "preset:/user.libvx/" + the type's folder (module string 20088).
String DefaultFolder();
// Path characters that no item name may hold become "_".
String SafeName(const String& name);
// The default folder joined with the safe name.
String ForName(const String& name);
// Joins a component to a URL with exactly one "/".
String Join(const String& url, const String& component);
}  // namespace swatchpreseturl
