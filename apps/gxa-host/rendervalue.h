#pragma once
// The value options of `gxa-host render`: --value r,g,b[,a] and
// --brightness B[,MAX], read into the form the chooser's settings call for.
#include <optional>
#include <string>

#include "core/outcome.h"
#include "page/colorvalue.h"

namespace host::cli {

class RenderValue {
 public:
  static Outcome<ColorValue> Read(ColorForm form, const std::optional<std::string>& value,
                                  const std::optional<std::string>& brightness);

 private:
  static Outcome<std::vector<double>> Numbers(const std::string& text, const char* option);
};

}  // namespace host::cli
