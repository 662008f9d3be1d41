#pragma once
// The user-area family of the host table (GxaUserAreaFns). Drawing entries
// act only while the area draws (inside draw_msg, or between offscreen_begin
// and offscreen_end); stale or null handles do nothing.
#include "gxa_api.h"

namespace host {

class UserAreaFamily {
 public:
  static const GxaUserAreaFns* Table();

 private:
  static GxaUserArea* Create(const GxaUserAreaCallbacks* callbacks, void* user);
  static void Destroy(GxaUserArea* ua);
  static GxaDialog* DialogOf(GxaUserArea* ua);
  static int32_t GadgetId(GxaUserArea* ua);
  static void Redraw(GxaUserArea* ua);
  static int32_t Width(GxaUserArea* ua);
  static int32_t Height(GxaUserArea* ua);
  static bool IsEnabled(GxaUserArea* ua);
  static int32_t DisplayScale(GxaUserArea* ua);
  static bool GlobalToLocal(GxaUserArea* ua, int32_t* x, int32_t* y);
  static bool LocalToGlobal(GxaUserArea* ua, int32_t* x, int32_t* y);
  static int32_t DefaultMessage(GxaUserArea* ua, const GxaContainer* msg, GxaContainer* result);
  static bool SendParentMessage(GxaUserArea* ua, const GxaContainer* msg);
  static bool LayoutChanged(GxaUserArea* ua);
  static void MouseDragStart(GxaUserArea* ua, int32_t channel, double mx, double my);
  static int32_t MouseDrag(GxaUserArea* ua, double* dx, double* dy, GxaContainer* channels);
  static int32_t MouseDragEnd(GxaUserArea* ua);
  static bool OffscreenBegin(GxaUserArea* ua);
  static void OffscreenEnd(GxaUserArea* ua);
  static void SetPenRgb(GxaUserArea* ua, double r, double g, double b);
  static void SetPenColorId(GxaUserArea* ua, int32_t id);
  static void DrawRect(GxaUserArea* ua, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  static void DrawLine(GxaUserArea* ua, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  static void DrawBorder(GxaUserArea* ua, int32_t style, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  static void DrawBitmap(GxaUserArea* ua, GxaBitmap* bmp, int32_t x, int32_t y, int32_t w, int32_t h, int32_t bx,
                         int32_t by, int32_t bw, int32_t bh, int32_t mode);
  static void SetTextColor(GxaUserArea* ua, double r, double g, double b);
  static void DrawText(GxaUserArea* ua, const char* text, int32_t x, int32_t y, int32_t flags);
  static int32_t TextWidth(GxaUserArea* ua, const char* text);
  static int32_t TextHeight(GxaUserArea* ua);
  static void SetClip(GxaUserArea* ua, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  static void ClearClip(GxaUserArea* ua);
  static int32_t PopupMenu(GxaUserArea* ua, int32_t x, int32_t y, const GxaContainer* menu, int32_t flags);
  static void SetCursor(GxaUserArea* ua, int32_t cursor);
  static bool StartDrag(GxaUserArea* ua, int32_t type, const GxaData* data);
  static void SetTimer(GxaUserArea* ua, int32_t ms);
  static void ColorCopied(GxaUserArea* ua, const double rgb[3], double alpha, bool hasAlpha);
};

}  // namespace host
