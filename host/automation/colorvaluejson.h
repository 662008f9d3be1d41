#pragma once
// A parameter's value as scripts write it: [r, g, b] for a plain colour,
// [r, g, b, a] for a colour with alpha (alpha 1 when left out), and
// {"color": [r, g, b], "brightness": b, "max": m} for a colour with
// brightness (a bare [r, g, b] there means brightness 1 of maximum 1).
#include "automation/transcriptjson.h"
#include "page/colorvalue.h"

namespace host {

class ColorValueJson {
 public:
  static Outcome<ColorValue> Parse(const OrderedJson& j, ColorForm form);
  static OrderedJson Write(const ColorValue& v);

 private:
  static Outcome<Vector3> Rgb(const OrderedJson& j);
};

}  // namespace host
