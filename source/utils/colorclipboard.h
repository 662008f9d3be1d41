#pragma once
// The colour that the colour fields of this module copy and paste. One
// record for the whole module, made by the first copy and kept until the
// module is unloaded.
#include <optional>

#include "vector.h"

class ColorClipboard
{
public:
  static ColorClipboard& Get();

  bool IsEmpty() const { return !_record.has_value(); }
  // withoutAlpha: the source had no alpha of its own.
  void Copy(const Vector& color, double alpha, bool withoutAlpha);
  // Black before the first copy.
  Vector GetColor() const;
  // The alpha a paste gives a target: the copied one, except that a target
  // with alpha keeps its own when the source had none.
  double PasteAlpha(bool targetHasAlpha, double targetAlpha) const;
  void Clear() { _record.reset(); }

private:
  struct Record
  {
    Vector color;
    double alpha = 1.0;
    bool withoutAlpha = false;
  };

  std::optional<Record> _record;
};
