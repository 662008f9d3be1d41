#pragma once
// What a colour parameter of the attribute-editor page is made from: the
// settings its chooser gets, and the objects it edits, each with its own
// value and a linear-colour mark.
#include <string>
#include <vector>

#include "core/container.h"
#include "core/fourcc.h"
#include "page/colorvalue.h"

namespace host {

struct EditedObject {
  ColorValue value;
  bool linear = false;  // the object keeps its colours in linear space
};

struct ParameterSpec {
  std::string key;    // how callers name the parameter
  std::string label;  // shown above the chooser; the key when empty
  Container settings;
  std::vector<EditedObject> objects;  // at least one; differing values make a mixed value

  // Layout mode 2, mode buttons and panels: how a page shows a parameter
  // unfolded.
  void ShowExpanded() { settings.SetInt32(FourCC("laym"), 2); }
};

}  // namespace host
