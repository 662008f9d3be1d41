#pragma once
// The host's own modal dialogs. Each runs synchronously and answers what
// the user chose.
#include <cstdint>

#include "gxastring.h"
#include "vector.h"

// Edits rgb (and alpha when withAlpha); false when cancelled. The dialog
// shows the colours as a chooser of this colour-profile mode does.
bool ShowColorDialog(Vector& rgb, double& alpha, bool withAlpha, const String& title, std::int32_t profileMode);
// Yes/no question; true for yes.
bool ShowQuestion(const String& text);
void ShowMessage(const String& text);
// A text prompt; checkLabel empty hides the check box. false when cancelled.
bool ShowTextPrompt(const String& title, const String& label, String& text, const String& checkLabel, bool& check);
