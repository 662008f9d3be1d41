#pragma once
// The host's own modal dialogs. Each runs synchronously and answers what
// the user chose.
#include "gxastring.h"
#include "vector.h"

// Edits rgb (and alpha when withAlpha); false when cancelled.
bool ShowColorDialog(Vector& rgb, double& alpha, bool withAlpha, const String& title);
// Yes/no question; true for yes.
bool ShowQuestion(const String& text);
void ShowMessage(const String& text);
// A text prompt; checkLabel empty hides the check box. false when cancelled.
bool ShowTextPrompt(const String& title, const String& label, String& text, const String& checkLabel, bool& check);
