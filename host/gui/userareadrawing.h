#pragma once
// The drawing state of a user area while it draws: the canvas (origin at the
// area's top left), pen and text colours and the area's own clip rectangles.
// Coordinates are logical and rectangles inclusive, as the module gives them.
#include <string>

#include "raster/bitmap.h"
#include "raster/canvas.h"
#include "raster/interfacecolors.h"

namespace host {

class UserAreaDrawing {
 public:
  // Border styles the module may ask for.
  enum { kBorderNone = 0, kBorderThin = 1 };

  void Begin(Canvas& canvas);
  void End();
  bool IsActive() const { return canvas_ != nullptr; }

  void SetPen(Rgba c) { pen_ = c; }
  void SetTextColor(Rgba c) { text_ = c; }
  Rgba Pen() const { return pen_; }

  void FillRect(int x1, int y1, int x2, int y2);
  void Line(int x1, int y1, int x2, int y2);
  void Border(int style, int x1, int y1, int x2, int y2, const InterfaceColors& colors);
  // mode: GXA_BMP_* bits.
  void DrawBitmap(const Bitmap& bitmap, const Rect& dst, const Rect& src, int32_t mode);
  // flags: GXA_TEXT_* bits.
  void Text(const std::string& text, int x, int y, int32_t flags);
  void SetClip(int x1, int y1, int x2, int y2);
  void ClearClip();

  static int TextWidth(const std::string& text, bool bold = false);
  static int TextHeight();
  static Rect Inclusive(int x1, int y1, int x2, int y2);

 private:
  Canvas* canvas_ = nullptr;
  int userClips_ = 0;
  Rgba pen_{0, 0, 0};
  Rgba text_{214, 214, 214};
};

}  // namespace host
