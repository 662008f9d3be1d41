#include "geclipmap.h"

#include "hostaccess.h"

GeClipMap::~GeClipMap()
{
  Release();
}

void GeClipMap::Release()
{
  const GxaBitmapFns* fns = HostBitmaps();
  if (_canvas && GXA_HAS(fns, canvas_destroy))
    fns->canvas_destroy(_canvas);
  _canvas = nullptr;
}

Result<void> GeClipMap::Init(std::int32_t w, std::int32_t h, std::int32_t depth)
{
  Release();
  const GxaBitmapFns* fns = HostBitmaps();
  if (w <= 0 || h <= 0)
    return IllegalArgumentError("canvas size must be positive");
  if (!GXA_HAS(fns, canvas_create) || !(_canvas = fns->canvas_create(w, h, depth)))
    return OutOfMemoryError();
  return Ok();
}

std::int32_t GeClipMap::TextWidth(const String& text) const
{
  const GxaBitmapFns* fns = HostBitmaps();
  return _canvas && GXA_HAS(fns, canvas_text_width) ? fns->canvas_text_width(_canvas, text.GetCString()) : 0;
}

std::int32_t GeClipMap::TextHeight() const
{
  const GxaBitmapFns* fns = HostBitmaps();
  return _canvas && GXA_HAS(fns, canvas_text_height) ? fns->canvas_text_height(_canvas) : 0;
}
