#pragma once
// A context menu entry's text: the module string with the host's marks for
// a disabled ("&d&") and a checked ("&c&") entry.
#include <cstdint>

#include "gxastring.h"

String MenuText(std::int32_t stringId, bool disabled = false, bool checked = false);
// The same marks on a text of one's own.
String MenuMarks(String text, bool disabled, bool checked);
