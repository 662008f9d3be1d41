#pragma once
// The bitmap family of the host table (GxaBitmapFns) over host::Bitmap. A
// GxaBitmap handle is a host::Bitmap (icons too); only bitmaps created here
// can be destroyed here. A GxaCanvas handle is a MeasureCanvas.
#include "gxa_api.h"

namespace host {

class Bitmap;

class BitmapFamily {
 public:
  static const GxaBitmapFns* Table();

 private:
  static GxaBitmap* Create();
  static void Destroy(GxaBitmap* bmp);
  static bool Init(GxaBitmap* bmp, int32_t w, int32_t h, int32_t depth);
  static int32_t Width(const GxaBitmap* bmp);
  static int32_t Height(const GxaBitmap* bmp);
  static int32_t Depth(const GxaBitmap* bmp);
  static bool AddAlpha(GxaBitmap* bmp);
  static bool HasAlpha(const GxaBitmap* bmp);
  static void SetPixel(GxaBitmap* bmp, int32_t x, int32_t y, int32_t r, int32_t g, int32_t b);
  static void GetPixel(const GxaBitmap* bmp, int32_t x, int32_t y, int32_t rgb[3]);
  static void SetAlpha(GxaBitmap* bmp, int32_t x, int32_t y, int32_t a);
  static int32_t GetAlpha(const GxaBitmap* bmp, int32_t x, int32_t y);
  static bool SetRow(GxaBitmap* bmp, int32_t y, const uint8_t* pixels, int32_t count, int32_t format);
  static bool GetRow(const GxaBitmap* bmp, int32_t y, uint8_t* pixels, int32_t count, int32_t format);
  static bool SetRowPart(GxaBitmap* bmp, int32_t x, int32_t y, const uint8_t* pixels, int32_t count, int32_t format);
  static bool GetRowPart(const GxaBitmap* bmp, int32_t x, int32_t y, uint8_t* pixels, int32_t count, int32_t format);
  static bool CopyTo(const GxaBitmap* src, GxaBitmap* dst);
  static bool CopyPartTo(const GxaBitmap* src, GxaBitmap* dst, int32_t x, int32_t y, int32_t w, int32_t h);
  static bool ScaleTo(const GxaBitmap* src, GxaBitmap* dst, bool filter);
  static int32_t LoadFile(GxaBitmap* bmp, const GxaFilename* file);
  static bool SetProfile(GxaBitmap* bmp, const GxaColorProfile* profile);
  static int32_t LoadPicture(GxaBitmap* bmp, const GxaFilename* file, char* message, int32_t messageSize);
  static GxaCanvas* CanvasCreate(int32_t w, int32_t h, int32_t depth);
  static void CanvasDestroy(GxaCanvas* canvas);
  static int32_t CanvasTextWidth(GxaCanvas* canvas, const char* text);
  static int32_t CanvasTextHeight(GxaCanvas* canvas);
};

}  // namespace host
