#include "gui/bitmapfamily.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unordered_set>
#include <vector>

#include "color/colorprofile.h"
#include "color/picturefile.h"
#include "core/handles.h"
#include "gui/backgroundtask.h"
#include "gui/gui.h"
#include "gui/measurecanvas.h"
#include "raster/bitmap.h"
#include "raster/imagecodec.h"
#include "raster/pixelspans.h"

namespace host {

namespace {

std::unordered_set<const void*>& Owned() {
  static std::unordered_set<const void*> owned;
  return owned;
}

Bitmap* B(GxaBitmap* h) { return reinterpret_cast<Bitmap*>(h); }
const Bitmap* B(const GxaBitmap* h) { return reinterpret_cast<const Bitmap*>(h); }
uint8_t Byte(int32_t v) { return uint8_t(std::clamp(v, 0, 255)); }

}  // namespace

GxaBitmap* BitmapFamily::Create() {
  auto* bitmap = new Bitmap();
  Owned().insert(bitmap);
  return reinterpret_cast<GxaBitmap*>(bitmap);
}

void BitmapFamily::Destroy(GxaBitmap* bmp) {
  if (!bmp || !Owned().erase(bmp)) return;
  delete B(bmp);
}

bool BitmapFamily::Init(GxaBitmap* bmp, int32_t w, int32_t h, int32_t depth) {
  if (!bmp || (depth != 24 && depth != 32) || !B(bmp)->Init(w, h, depth)) return false;
  B(bmp)->Clear({0, 0, 0, 0});
  return true;
}

int32_t BitmapFamily::Width(const GxaBitmap* bmp) { return bmp ? B(bmp)->Width() : 0; }
int32_t BitmapFamily::Height(const GxaBitmap* bmp) { return bmp ? B(bmp)->Height() : 0; }
int32_t BitmapFamily::Depth(const GxaBitmap* bmp) { return bmp ? B(bmp)->Depth() : 0; }

bool BitmapFamily::AddAlpha(GxaBitmap* bmp) {
  if (!bmp || B(bmp)->IsEmpty()) return false;
  // A new channel is transparent, as init leaves a bitmap: a module writes
  // the alpha of the pixels it means to show.
  return B(bmp)->HasAlpha() || B(bmp)->AddAlphaChannel(0);
}

bool BitmapFamily::HasAlpha(const GxaBitmap* bmp) { return bmp && B(bmp)->HasAlpha(); }

void BitmapFamily::SetPixel(GxaBitmap* bmp, int32_t x, int32_t y, int32_t r, int32_t g, int32_t b) {
  if (!bmp) return;
  Bitmap& bitmap = *B(bmp);
  // Only the colour: a pixel keeps its alpha, whichever way it is stored.
  bitmap.SetPixel(x, y, {Byte(r), Byte(g), Byte(b), bitmap.GetAlpha(x, y)});
}

void BitmapFamily::GetPixel(const GxaBitmap* bmp, int32_t x, int32_t y, int32_t rgb[3]) {
  if (!bmp || !rgb) return;
  const Rgba c = B(bmp)->GetPixel(x, y);
  rgb[0] = c.r, rgb[1] = c.g, rgb[2] = c.b;
}

void BitmapFamily::SetAlpha(GxaBitmap* bmp, int32_t x, int32_t y, int32_t a) {
  if (bmp) B(bmp)->SetAlpha(x, y, Byte(a));
}

int32_t BitmapFamily::GetAlpha(const GxaBitmap* bmp, int32_t x, int32_t y) { return bmp ? B(bmp)->GetAlpha(x, y) : 0; }

bool BitmapFamily::SetRow(GxaBitmap* bmp, int32_t y, const uint8_t* pixels, int32_t count, int32_t format) {
  if (!bmp || count < 0) return false;
  return SetRowPart(bmp, 0, y, pixels, std::min(count, B(bmp)->Width()), format);
}

bool BitmapFamily::GetRow(const GxaBitmap* bmp, int32_t y, uint8_t* pixels, int32_t count, int32_t format) {
  if (!bmp || count < 0) return false;
  return GetRowPart(bmp, 0, y, pixels, std::min(count, B(bmp)->Width()), format);
}

namespace {
bool RowPartFits(const Bitmap& bitmap, int32_t x, int32_t y, int32_t count, int32_t format) {
  if (format != GXA_PIXEL_RGB8 && format != GXA_PIXEL_RGBA8) return false;
  return y >= 0 && y < bitmap.Height() && x >= 0 && count >= 0 && int64_t(x) + count <= bitmap.Width();
}
}  // namespace

bool BitmapFamily::SetRowPart(GxaBitmap* bmp, int32_t x0, int32_t y, const uint8_t* pixels, int32_t count,
                              int32_t format) {
  if (!bmp || !pixels || !RowPartFits(*B(bmp), x0, y, count, format)) return false;
  Bitmap& bitmap = *B(bmp);
  const int bpp = bitmap.BytesPerPixel();
  uint8_t* row = bitmap.Row(y) + size_t(x0) * bpp;
  uint8_t* alpha = bitmap.AlphaRow(y);
  if (format == GXA_PIXEL_RGB8) {
    // Colour only: the alpha stays as it was.
    if (bpp == 3) {
      std::memcpy(row, pixels, size_t(count) * 3);
      return true;
    }
    for (int i = 0; i < count; ++i, row += bpp, pixels += 3) row[0] = pixels[0], row[1] = pixels[1], row[2] = pixels[2];
    return true;
  }
  if (bpp == 4) {
    std::memcpy(row, pixels, size_t(count) * 4);
  } else if (alpha) {
    PixelSpans::SplitAlpha(pixels, row, alpha + x0, count);
  } else {
    for (int i = 0; i < count; ++i, row += 3, pixels += 4) row[0] = pixels[0], row[1] = pixels[1], row[2] = pixels[2];
  }
  return true;
}

bool BitmapFamily::GetRowPart(const GxaBitmap* bmp, int32_t x0, int32_t y, uint8_t* pixels, int32_t count,
                              int32_t format) {
  if (!bmp || !pixels || !RowPartFits(*B(bmp), x0, y, count, format)) return false;
  const Bitmap& bitmap = *B(bmp);
  const int bpp = bitmap.BytesPerPixel();
  const uint8_t* row = bitmap.Row(y) + size_t(x0) * bpp;
  const uint8_t* alpha = bitmap.AlphaRow(y);
  if (alpha) alpha += x0;
  if (format == GXA_PIXEL_RGBA8 && bpp == 3 && alpha) {
    PixelSpans::JoinAlpha(row, alpha, reinterpret_cast<uint32_t*>(pixels), count);
    return true;
  }
  if (format == GXA_PIXEL_RGB8 && bpp == 3) {
    std::memcpy(pixels, row, size_t(count) * 3);
    return true;
  }
  const int step = format == GXA_PIXEL_RGBA8 ? 4 : 3;
  for (int i = 0; i < count; ++i, row += bpp, pixels += step) {
    pixels[0] = row[0], pixels[1] = row[1], pixels[2] = row[2];
    if (step == 4) pixels[3] = bpp == 4 ? row[3] : alpha ? alpha[i] : uint8_t(255);
  }
  return true;
}

bool BitmapFamily::CopyTo(const GxaBitmap* src, GxaBitmap* dst) { return src && dst && B(src)->CopyTo(*B(dst)); }

bool BitmapFamily::CopyPartTo(const GxaBitmap* src, GxaBitmap* dst, int32_t x, int32_t y, int32_t w, int32_t h) {
  return src && dst && w > 0 && h > 0 && B(src)->CopyPartTo(*B(dst), x, y, w, h);
}

bool BitmapFamily::ScaleTo(const GxaBitmap* src, GxaBitmap* dst, bool filter) {
  return src && dst && B(src)->ScaleTo(*B(dst), filter ? ScaleFilter::Smooth : ScaleFilter::Nearest);
}

int32_t BitmapFamily::LoadFile(GxaBitmap* bmp, const GxaFilename* file) {
  if (!bmp || !file) return GXA_LOAD_NOTFOUND;
  const std::filesystem::path path(FromHandle(file)->Path());
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return GXA_LOAD_NOTFOUND;
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> head(16);
  in.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()));
  head.resize(size_t(in.gcount()));
  if (ImageCodec::Detect(head) == ImageCodec::Format::Unknown) return GXA_LOAD_UNKNOWN_FORMAT;
  std::string error;
  return B(bmp)->Load(path, error) ? GXA_LOAD_OK : GXA_LOAD_DAMAGED;
}

int32_t BitmapFamily::LoadPicture(GxaBitmap* bmp, const GxaFilename* file, char* message, int32_t messageSize) {
  auto answer = [&](int32_t code, const std::string& text) {
    if (message && messageSize > 0) {
      const size_t n = std::min(text.size(), size_t(messageSize) - 1);
      std::memcpy(message, text.data(), n);
      message[n] = 0;
    }
    return code;
  };
  if (!bmp || !file) return answer(GXA_LOAD_NOTFOUND, "no picture file given");
  const std::filesystem::path path(FromHandle(file)->Path());
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    return answer(GXA_LOAD_NOTFOUND, "'" + path.string() + "': no such file");
  // The module waits for the answer; the window does not.
  std::string error;
  Bitmap picture;
  BackgroundTask task(Gui::Exists() ? &Gui::Get().GetScreen() : nullptr, "Loading " + path.filename().string());
  const BackgroundTask::Outcome outcome = task.Run([&](TaskProgress& progress) {
    return PictureFile::Load(path, picture, error, [&](double done) { return progress.Report(done); });
  });
  if (outcome != BackgroundTask::Outcome::Done) {
    return answer(GXA_LOAD_DAMAGED, error.empty() ? "'" + path.string() + "': the picture could not be read" : error);
  }
  *B(bmp) = std::move(picture);
  return answer(GXA_LOAD_OK, "");
}

bool BitmapFamily::SetProfile(GxaBitmap* bmp, const GxaColorProfile* profile) {
  if (!bmp) return false;
  const auto* p = reinterpret_cast<const ColorProfile*>(profile);
  B(bmp)->SetProfile(p ? p->Body() : nullptr);
  return true;
}

GxaCanvas* BitmapFamily::CanvasCreate(int32_t w, int32_t h, int32_t depth) {
  if (w <= 0 || h <= 0 || w > Bitmap::kMaxSide || h > Bitmap::kMaxSide || (depth != 24 && depth != 32)) return nullptr;
  return reinterpret_cast<GxaCanvas*>(new MeasureCanvas(w, h));
}

void BitmapFamily::CanvasDestroy(GxaCanvas* canvas) { delete reinterpret_cast<MeasureCanvas*>(canvas); }

int32_t BitmapFamily::CanvasTextWidth(GxaCanvas* canvas, const char* text) {
  return canvas ? reinterpret_cast<MeasureCanvas*>(canvas)->TextWidth(text) : 0;
}

int32_t BitmapFamily::CanvasTextHeight(GxaCanvas* canvas) {
  return canvas ? reinterpret_cast<MeasureCanvas*>(canvas)->TextHeight() : 0;
}

const GxaBitmapFns* BitmapFamily::Table() {
  static const GxaBitmapFns table = {
      sizeof(GxaBitmapFns),
      &Create,
      &Destroy,
      &Init,
      &Width,
      &Height,
      &Depth,
      &AddAlpha,
      &HasAlpha,
      &SetPixel,
      &GetPixel,
      &SetAlpha,
      &GetAlpha,
      &SetRow,
      &GetRow,
      &CopyTo,
      &CopyPartTo,
      &ScaleTo,
      &LoadFile,
      &SetProfile,
      &CanvasCreate,
      &CanvasDestroy,
      &CanvasTextWidth,
      &CanvasTextHeight,
      &SetRowPart,
      &GetRowPart,
      &LoadPicture,
  };
  return &table;
}

}  // namespace host
