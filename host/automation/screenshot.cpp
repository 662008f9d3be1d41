#include "automation/screenshot.h"

namespace host {

Outcome<Bitmap> Screenshot::Capture(const Framebuffer& frame, std::optional<Rect> logical) {
  if (frame.IsEmpty()) return Outcome<Bitmap>::Fail("nothing has been drawn yet");
  const int s = frame.Scale();
  const Rect all{0, 0, frame.Width(), frame.Height()};
  const Rect part = logical ? Rect{logical->x * s, logical->y * s, logical->w * s, logical->h * s}.Intersect(all) : all;
  if (part.IsEmpty()) return Outcome<Bitmap>::Fail("the gadget is not on the screen");
  Bitmap whole = frame.ToBitmap();
  if (!logical) return whole;
  Bitmap cut;
  if (!whole.CopyPartTo(cut, part.x, part.y, part.w, part.h)) return Outcome<Bitmap>::Fail("cannot cut the picture");
  return cut;
}

Outcome<Bitmap> Screenshot::Save(const Framebuffer& frame, std::optional<Rect> logical,
                                 const std::filesystem::path& file) {
  auto picture = Capture(frame, logical);
  if (!picture) return picture;
  std::error_code ec;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
  std::string error;
  if (!picture->SavePng(file, error)) return Outcome<Bitmap>::Fail("cannot write " + file.string() + ": " + error);
  return picture;
}

}  // namespace host
