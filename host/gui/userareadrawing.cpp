#include "gui/userareadrawing.h"

#include <algorithm>
#include <cmath>

#include "gui/widgetstyle.h"
#include "gxa_api.h"
#include "raster/fontrenderer.h"

namespace host {

void UserAreaDrawing::Begin(Canvas& canvas) {
  canvas_ = &canvas;
  userClips_ = 0;
}

void UserAreaDrawing::End() {
  ClearClip();
  canvas_ = nullptr;
}

Rect UserAreaDrawing::Inclusive(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  return {x1, y1, x2 - x1 + 1, y2 - y1 + 1};
}

void UserAreaDrawing::FillRect(int x1, int y1, int x2, int y2) {
  if (canvas_) canvas_->FillRect(Inclusive(x1, y1, x2, y2), pen_);
}

void UserAreaDrawing::Line(int x1, int y1, int x2, int y2) {
  if (canvas_) canvas_->DrawLine(x1, y1, x2, y2, pen_);
}

void UserAreaDrawing::Border(int style, int x1, int y1, int x2, int y2, const InterfaceColors& colors) {
  if (!canvas_ || style == kBorderNone) return;
  const Rect r = Inclusive(x1, y1, x2, y2);
  canvas_->DrawFrame(r, colors.GetOr(InterfaceColors::kBorderDark, {26, 26, 26}));
}

void UserAreaDrawing::DrawBitmap(const Bitmap& bitmap, const Rect& dst, const Rect& src, int32_t mode) {
  if (!canvas_ || dst.IsEmpty() || src.IsEmpty()) return;
  int flags = 0;
  if (mode & GXA_BMP_ALLOWALPHA) flags |= kBlitAlpha;
  if (mode & GXA_BMP_DISABLED) flags |= kBlitDisabled | kBlitAlpha;
  if (!(mode & GXA_BMP_FILTER)) flags |= kBlitNearest;
  canvas_->DrawBitmap(bitmap, dst, src, flags);
}

void UserAreaDrawing::Text(const std::string& text, int x, int y, int32_t flags) {
  if (!canvas_) return;
  int f = kTextLeft;
  if (flags & GXA_TEXT_HCENTER) f = kTextCenter;
  else if (flags & GXA_TEXT_RIGHT) f = kTextRight;
  if (flags & GXA_TEXT_VCENTER) f |= kTextVCenter;
  canvas_->DrawText(text, x, y, text_, f, {FontRenderer::kDefaultSize, (flags & GXA_TEXT_BOLD) != 0});
}

void UserAreaDrawing::SetClip(int x1, int y1, int x2, int y2) {
  if (!canvas_) return;
  ClearClip();
  canvas_->PushClip(Inclusive(x1, y1, x2, y2));
  userClips_ = 1;
}

void UserAreaDrawing::ClearClip() {
  if (!canvas_) return;
  for (; userClips_ > 0; --userClips_) canvas_->PopClip();
}

int UserAreaDrawing::TextWidth(const std::string& text, bool bold) {
  return int(std::ceil(FontRenderer::Shared().Advance(text, FontRenderer::kDefaultSize, bold) - 1e-6));
}

int UserAreaDrawing::TextHeight() { return WidgetStyle::LineHeight(); }

}  // namespace host
