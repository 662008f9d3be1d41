#pragma once
// An off-screen host canvas, used to measure text before any dialog exists.
#include <cstdint>

#include "gxa_api.h"
#include "gxastring.h"
#include "result.h"

class GeClipMap
{
public:
  GeClipMap() = default;
  ~GeClipMap();
  GeClipMap(const GeClipMap&) = delete;
  GeClipMap& operator=(const GeClipMap&) = delete;

  Result<void> Init(std::int32_t w, std::int32_t h, std::int32_t depth = 32);
  bool IsValid() const { return _canvas != nullptr; }
  // Pixel width of text in the interface font; 0 without a canvas.
  std::int32_t TextWidth(const String& text) const;
  std::int32_t TextHeight() const;

private:
  void Release();

  GxaCanvas* _canvas = nullptr;
};
