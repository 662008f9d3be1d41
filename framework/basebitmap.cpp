#include "basebitmap.h"

#include "hostaccess.h"

namespace
{
const GxaBitmapFns* Fns()
{
  return HostBitmaps();
}
}  // namespace

BaseBitmap::BaseBitmap()
{
  const GxaBitmapFns* fns = Fns();
  _bmp = GXA_HAS(fns, create) ? fns->create() : nullptr;
}

BaseBitmap::~BaseBitmap()
{
  Release();
}

void BaseBitmap::Release()
{
  const GxaBitmapFns* fns = Fns();
  if (_bmp && GXA_HAS(fns, destroy))
    fns->destroy(_bmp);
  _bmp = nullptr;
}

BaseBitmap::BaseBitmap(BaseBitmap&& other) noexcept : _bmp(other._bmp)
{
  other._bmp = nullptr;
}

BaseBitmap& BaseBitmap::operator=(BaseBitmap&& other) noexcept
{
  if (&other != this)
  {
    Release();
    _bmp = other._bmp;
    other._bmp = nullptr;
  }
  return *this;
}

Result<void> BaseBitmap::Init(std::int32_t w, std::int32_t h, std::int32_t depth)
{
  if (w <= 0 || h <= 0 || (depth != 24 && depth != 32))
    return IllegalArgumentError("bitmap size or depth not allowed");
  const GxaBitmapFns* fns = Fns();
  if (!_bmp || !GXA_HAS(fns, init) || !fns->init(_bmp, w, h, depth))
    return OutOfMemoryError();
  return Ok();
}

#define GXA_BMP_CALL(fallback, entry, ...) \
  const GxaBitmapFns* fns = Fns();         \
  if (!_bmp || !GXA_HAS(fns, entry))       \
    return fallback;                       \
  return fns->entry(_bmp __VA_OPT__(, ) __VA_ARGS__)

std::int32_t BaseBitmap::GetWidth() const
{
  GXA_BMP_CALL(0, width);
}

std::int32_t BaseBitmap::GetHeight() const
{
  GXA_BMP_CALL(0, height);
}

std::int32_t BaseBitmap::GetDepth() const
{
  GXA_BMP_CALL(0, depth);
}

Result<void> BaseBitmap::AddAlpha()
{
  const GxaBitmapFns* fns = Fns();
  if (!_bmp || !GXA_HAS(fns, add_alpha) || !fns->add_alpha(_bmp))
    return OutOfMemoryError();
  return Ok();
}

bool BaseBitmap::HasAlpha() const
{
  GXA_BMP_CALL(false, has_alpha);
}

void BaseBitmap::SetPixel(std::int32_t x, std::int32_t y, std::int32_t r, std::int32_t g, std::int32_t b)
{
  GXA_BMP_CALL(, set_pixel, x, y, r, g, b);
}

void BaseBitmap::GetPixel(std::int32_t x, std::int32_t y, std::int32_t& r, std::int32_t& g, std::int32_t& b) const
{
  std::int32_t rgb[3] = {0, 0, 0};
  const GxaBitmapFns* fns = Fns();
  if (_bmp && GXA_HAS(fns, get_pixel))
    fns->get_pixel(_bmp, x, y, rgb);
  r = rgb[0];
  g = rgb[1];
  b = rgb[2];
}

void BaseBitmap::SetAlpha(std::int32_t x, std::int32_t y, std::int32_t a)
{
  GXA_BMP_CALL(, set_alpha, x, y, a);
}

std::int32_t BaseBitmap::GetAlpha(std::int32_t x, std::int32_t y) const
{
  GXA_BMP_CALL(0, get_alpha, x, y);
}

bool BaseBitmap::SetRow(std::int32_t y, const std::uint8_t* pixels, std::int32_t count, std::int32_t format)
{
  GXA_BMP_CALL(false, set_row, y, pixels, count, format);
}

bool BaseBitmap::GetRow(std::int32_t y, std::uint8_t* pixels, std::int32_t count, std::int32_t format) const
{
  GXA_BMP_CALL(false, get_row, y, pixels, count, format);
}

bool BaseBitmap::SetRowPart(std::int32_t x, std::int32_t y, const std::uint8_t* pixels, std::int32_t count,
                            std::int32_t format)
{
  GXA_BMP_CALL(false, set_row_part, x, y, pixels, count, format);
}

bool BaseBitmap::GetRowPart(std::int32_t x, std::int32_t y, std::uint8_t* pixels, std::int32_t count,
                            std::int32_t format) const
{
  GXA_BMP_CALL(false, get_row_part, x, y, pixels, count, format);
}

bool BaseBitmap::CopyTo(BaseBitmap& dst) const
{
  if (!dst._bmp)
    return false;
  GXA_BMP_CALL(false, copy_to, dst._bmp);
}

bool BaseBitmap::CopyPartTo(BaseBitmap& dst, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) const
{
  if (!dst._bmp)
    return false;
  GXA_BMP_CALL(false, copy_part_to, dst._bmp, x, y, w, h);
}

bool BaseBitmap::ScaleTo(BaseBitmap& dst, bool filter) const
{
  if (!dst._bmp)
    return false;
  GXA_BMP_CALL(false, scale_to, dst._bmp, filter);
}

std::int32_t BaseBitmap::Load(const Filename& file)
{
  if (!file.IsValid())
    return GXA_LOAD_NOTFOUND;
  GXA_BMP_CALL(GXA_LOAD_NOMEMORY, load_file, file.Get());
}

std::int32_t BaseBitmap::LoadPicture(const Filename& file, std::string& why)
{
  why.clear();
  if (!file.IsValid())
    return GXA_LOAD_NOTFOUND;
  const GxaBitmapFns* fns = Fns();
  if (!_bmp || !GXA_HAS(fns, load_picture))
    return GXA_LOAD_NOMEMORY;
  char message[1024] = {};
  const std::int32_t loaded = fns->load_picture(_bmp, file.Get(), message, sizeof message);
  why = message;
  return loaded;
}

bool BaseBitmap::SetColorProfile(const GxaColorProfile* profile)
{
  GXA_BMP_CALL(false, set_profile, profile);
}

#undef GXA_BMP_CALL
