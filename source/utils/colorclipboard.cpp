#include "utils/colorclipboard.h"

ColorClipboard& ColorClipboard::Get()
{
  static ColorClipboard clipboard;
  return clipboard;
}

void ColorClipboard::Copy(const Vector& color, double alpha, bool withoutAlpha)
{
  _record = Record{color, alpha, withoutAlpha};
}

Vector ColorClipboard::GetColor() const
{
  return _record ? _record->color : Vector();
}

double ColorClipboard::PasteAlpha(bool targetHasAlpha, double targetAlpha) const
{
  if (!_record)
    return targetAlpha;
  return targetHasAlpha && _record->withoutAlpha ? targetAlpha : _record->alpha;
}
