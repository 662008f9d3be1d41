#pragma once
// A host bitmap (GxaBitmap), owned: 24 or 32 bits, with an optional 8-bit
// alpha channel. Move-only; CopyTo makes copies.
#include <cstdint>
#include <string>

#include "filename.h"
#include "gxa_api.h"
#include "result.h"

class BaseBitmap
{
public:
  BaseBitmap();
  ~BaseBitmap();
  BaseBitmap(const BaseBitmap&) = delete;
  BaseBitmap& operator=(const BaseBitmap&) = delete;
  BaseBitmap(BaseBitmap&& other) noexcept;
  BaseBitmap& operator=(BaseBitmap&& other) noexcept;

  bool IsValid() const { return _bmp != nullptr; }
  GxaBitmap* Get() const { return _bmp; }

  // Sizes the bitmap; contents become black, alpha 0.
  Result<void> Init(std::int32_t w, std::int32_t h, std::int32_t depth = 24);
  std::int32_t GetWidth() const;
  std::int32_t GetHeight() const;
  std::int32_t GetDepth() const;

  Result<void> AddAlpha();
  bool HasAlpha() const;
  void SetPixel(std::int32_t x, std::int32_t y, std::int32_t r, std::int32_t g, std::int32_t b);
  void GetPixel(std::int32_t x, std::int32_t y, std::int32_t& r, std::int32_t& g, std::int32_t& b) const;
  void SetAlpha(std::int32_t x, std::int32_t y, std::int32_t a);
  std::int32_t GetAlpha(std::int32_t x, std::int32_t y) const;
  // count pixels from x = 0 in GXA_PIXEL_RGB8 or GXA_PIXEL_RGBA8.
  bool SetRow(std::int32_t y, const std::uint8_t* pixels, std::int32_t count, std::int32_t format);
  bool GetRow(std::int32_t y, std::uint8_t* pixels, std::int32_t count, std::int32_t format) const;
  // count pixels from column x; false when they do not all lie in the row.
  bool SetRowPart(std::int32_t x, std::int32_t y, const std::uint8_t* pixels, std::int32_t count, std::int32_t format);
  bool GetRowPart(std::int32_t x, std::int32_t y, std::uint8_t* pixels, std::int32_t count, std::int32_t format) const;

  bool CopyTo(BaseBitmap& dst) const;
  bool CopyPartTo(BaseBitmap& dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) const;
  // Scales into dst at dst's size.
  bool ScaleTo(BaseBitmap& dst, bool filter) const;
  // GXA_LOAD_*.
  std::int32_t Load(const Filename& file);
  bool SetColorProfile(const GxaColorProfile* profile);
  // A picture the user chose (GXA_LOAD_*); why receives the host's reason on
  // failure, naming the file.
  std::int32_t LoadPicture(const Filename& file, std::string& why);

private:
  void Release();

  GxaBitmap* _bmp = nullptr;
};
