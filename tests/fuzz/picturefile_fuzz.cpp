// Fuzz target for pictures the user opens: any bytes are refused with a
// message or decode into a non-empty sRGB bitmap within the pixel limit,
// whatever PNG chunks, JPEG markers or embedded profile they carry. The
// progress a decode reports only rises, stays within 0 and 1 and ends at 1;
// a decode stopped half way leaves the bitmap alone.
#include "color/colorprofile.h"
#include "color/picturefile.h"
#include "fuzztarget.h"
#include "raster/imagecodec.h"
#include "raster/pngiccprofile.h"
#include "testpictures.h"

namespace gxa_fuzz {
namespace {

void Run(std::span<const uint8_t> bytes) {
  std::vector<uint8_t> icc;
  if (host::PngIccProfile::Find(bytes, icc)) Expect(!icc.empty(), "a found profile has bytes");
  Expect(icc.size() <= host::PngIccProfile::kMaxBytes, "profiles are bounded");
  host::Bitmap picture;
  std::string error;
  double last = 0.0;
  int reports = 0;
  const host::PictureFile::Progress watch = [&](double done) {
    Expect(done >= last && done <= 1.0, "progress rises within 0 to 1");
    last = done;
    return ++reports > 0;
  };
  if (!host::PictureFile::Decode(bytes, picture, error, watch)) {
    Expect(!error.empty(), "a refusal says why");
    Expect(picture.IsEmpty(), "a refusal leaves the bitmap alone");
    return;
  }
  Expect(!picture.IsEmpty(), "a decoded picture has pixels");
  Expect(last == 1.0, "a finished decode reports 1");
  host::Bitmap stopped;
  int left = reports / 2;
  Expect(!host::PictureFile::Decode(bytes, stopped, error, [&](double) { return left-- > 0; }),
         "a decode told to stop stops");
  Expect(error == host::ImageCodec::kCancelled && stopped.IsEmpty(), "a stopped decode says so and keeps the bitmap");
  Expect(int64_t(picture.Width()) * picture.Height() <= host::PictureFile::kMaxPixels, "the pixel limit holds");
  Expect(picture.Profile() == host::ColorProfile::Srgb().Body(), "pictures come out in sRGB");
}

std::vector<Bytes> Seeds() {
  using namespace testpictures;
  auto at = [](int x, int y) { return Rgb8(x * 30, y * 40, 90); };
  PngOptions palette;
  palette.colorType = PNG_COLOR_TYPE_PALETTE;
  PngOptions deep;
  deep.colorType = PNG_COLOR_TYPE_RGBA;
  deep.bitDepth = 16;
  deep.interlaced = true;
  PngOptions wide;
  wide.icc = WideGamutLinearProfile();
  JpegOptions progressive;
  progressive.progressive = true;
  progressive.icc = wide.icc;
  return {Png(5, 4, at),  Png(5, 4, at, palette),      Png(3, 3, at, deep),   Png(4, 2, at, wide),
          Jpeg(8, 8, at), Jpeg(9, 7, at, progressive), RepeatedScanJpeg(600), PngHeaderOnly(100000, 100000)};
}

const bool kRegistered = Register({"picturefile", &Run, &Seeds, 3000});

}  // namespace
}  // namespace gxa_fuzz
