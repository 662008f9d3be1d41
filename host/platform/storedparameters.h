#pragma once
// Brings a saved document's colours back into the page. The page makes new
// document objects for its parameters (named "<key>.<n>"); a document saved
// before holds the objects of the last session under those names. Their
// values and linear marks go into the parameters' specs, and the old
// objects leave the document so the page's new ones replace them.
#include <vector>

#include "core/document.h"
#include "page/parameterspec.h"

namespace host {

class StoredParameters {
 public:
  // Objects of the document that no parameter claims stay as they are.
  static void Restore(Document& document, std::vector<ParameterSpec>& specs);
  // The value an object keeps for a parameter of this form, if any.
  static std::optional<ColorValue> ValueOf(const DocumentObject& object, ColorForm form);
};

}  // namespace host
