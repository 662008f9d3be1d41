#pragma once
// The contrast between two colours in words: the WCAG 2.2 ratio with its
// pass marks for normal and large text, and the APCA lightness contrast of
// the first colour as text on the second.
#include "colorscience/wcagcontrast.h"
#include "gxastring.h"
#include "vector.h"

class ContrastReadout
{
public:
  ContrastReadout(const Vector& text, const Vector& background);

  double GetRatio() const { return _ratio; }
  double GetLc() const { return _lc; }
  // "4.52:1 · AA ✓ AAA ✗"
  String NormalText() const;
  // "AA ✓ AAA ✓", the marks for large text
  String LargeText() const;
  // "Lc 62.3"
  String Lightness() const;

  // Tooltip lines, each "<b>" label "</b>: " value, joined by line breaks.
  String TooltipLines() const;
  // Two plain lines for a text gadget.
  String FirstLine() const;
  String SecondLine() const;

  // "<b>Name</b>: steelblue", the CSS colour name nearest in look.
  static String NameLine(const Vector& rgb);

private:
  double _ratio = 1.0;
  double _lc = 0.0;
  colorscience::WcagVerdict _verdict;
};
