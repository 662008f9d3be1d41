#pragma once
// Colours in drag and drop. Type 203 carries one colour (a vector), 206 the
// colours of a strip (a container of vectors at entries 0..n-1) and 207
// swatches (a container of colours with alpha at entries 0..n-1).
#include <cstddef>
#include <cstdint>

#include "basearray.h"
#include "basecontainer.h"
#include "gedata.h"
#include "result.h"
#include "vector.h"

struct ColorWithAlpha
{
  Vector color;
  double alpha = 1.0;
};

class DragColors
{
public:
  // The colours that data of dragType carries; colours without an alpha of
  // their own take alphaWithout. Other drag types carry none: an empty list.
  // Data that does not hold what its type promises is an illegal argument.
  static Result<BaseArray<ColorWithAlpha>> FromDrag(std::int32_t dragType, const GeData& data,
                                                    double alphaWithout = 1.0);
  // The same for the type and object of a drag-receive message (10003).
  static Result<BaseArray<ColorWithAlpha>> FromDragMessage(const BaseContainer& msg, double alphaWithout = 1.0);

  // Data to drag: one colour as type 203, colours with alpha as type 207.
  static Result<GeData> OneColor(const Vector& color);
  static Result<GeData> Swatches(const ColorWithAlpha* colors, std::size_t count);
  // The colours of a strip, as type 206.
  static Result<GeData> StripColors(const Vector* colors, std::size_t count);

  // After StartDrag answered false: whether the press still became a drag
  // (cancelled, or dropped where nobody took it) rather than a click. The
  // press position is global, as input events give it.
  static bool PressMoved(std::int32_t pressX, std::int32_t pressY);
};
