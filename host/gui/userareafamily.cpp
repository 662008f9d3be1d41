#include "gui/userareafamily.h"

#include <algorithm>
#include <cmath>

#include "core/handles.h"
#include "gui/dialog.h"
#include "gui/gui.h"
#include "gui/hostclipboard.h"
#include "gui/menumodel.h"
#include "gui/userarea.h"
#include "gui/userareawidget.h"
#include "raster/bitmap.h"

namespace host {

namespace {

UserArea* Ua(GxaUserArea* handle) { return UserArea::FromHandle(handle); }

// The drawing state of an area that is drawing now, else null.
UserAreaDrawing* Drawing(GxaUserArea* handle) {
  UserArea* ua = Ua(handle);
  return ua && ua->Drawing().IsActive() ? &ua->Drawing() : nullptr;
}

Rgba ToRgba(double r, double g, double b) {
  auto c = [](double v) { return uint8_t(std::lround(std::clamp(std::isfinite(v) ? v : 0.0, 0.0, 1.0) * 255.0)); };
  return {c(r), c(g), c(b)};
}

}  // namespace

GxaUserArea* UserAreaFamily::Create(const GxaUserAreaCallbacks* callbacks, void* user) {
  return (new UserArea(callbacks, user))->Handle();
}

void UserAreaFamily::Destroy(GxaUserArea* ua) { delete Ua(ua); }

GxaDialog* UserAreaFamily::DialogOf(GxaUserArea* ua) {
  UserArea* a = Ua(ua);
  Dialog* d = a ? a->OwnerDialog() : nullptr;
  return d ? d->Handle() : nullptr;
}

int32_t UserAreaFamily::GadgetId(GxaUserArea* ua) {
  UserArea* a = Ua(ua);
  return a ? a->GadgetId() : 0;
}

void UserAreaFamily::Redraw(GxaUserArea* ua) {
  UserArea* a = Ua(ua);
  if (a && a->Widget()) a->Widget()->RequestDraw();
}

int32_t UserAreaFamily::Width(GxaUserArea* ua) {
  UserArea* a = Ua(ua);
  return a ? a->CurrentSize().w : 0;
}

int32_t UserAreaFamily::Height(GxaUserArea* ua) {
  UserArea* a = Ua(ua);
  return a ? a->CurrentSize().h : 0;
}

bool UserAreaFamily::IsEnabled(GxaUserArea* ua) {
  UserArea* a = Ua(ua);
  return a && a->IsEnabled();
}

int32_t UserAreaFamily::DisplayScale(GxaUserArea*) { return Gui::Get().GetScreen().Scale(); }

bool UserAreaFamily::GlobalToLocal(GxaUserArea* ua, int32_t* x, int32_t* y) {
  UserArea* a = Ua(ua);
  if (!a || !a->Widget() || !a->Widget()->OwnerLayer() || !x || !y) return false;
  const Point p = a->Widget()->LocalPoint({*x, *y});
  *x = p.x, *y = p.y;
  return true;
}

bool UserAreaFamily::LocalToGlobal(GxaUserArea* ua, int32_t* x, int32_t* y) {
  UserArea* a = Ua(ua);
  if (!a || !a->Widget() || !a->Widget()->OwnerLayer() || !x || !y) return false;
  const Rect g = a->Widget()->GlobalFrame();
  *x += g.x, *y += g.y;
  return true;
}

int32_t UserAreaFamily::DefaultMessage(GxaUserArea* ua, const GxaContainer* msg, GxaContainer* result) {
  UserArea* a = Ua(ua);
  if (!a || !msg) return 0;
  Container scratch;
  return a->DefaultMessage(*FromHandle(msg), result ? *FromHandle(result) : scratch);
}

bool UserAreaFamily::SendParentMessage(GxaUserArea* ua, const GxaContainer* msg) {
  UserArea* a = Ua(ua);
  Dialog* d = a ? a->OwnerDialog() : nullptr;
  if (!d || !msg) return false;
  Container result;
  d->Message(*FromHandle(msg), result);
  return true;
}

bool UserAreaFamily::LayoutChanged(GxaUserArea* ua) {
  UserArea* a = Ua(ua);
  Dialog* d = a ? a->OwnerDialog() : nullptr;
  return d && d->LayoutChanged(0);
}

void UserAreaFamily::MouseDragStart(GxaUserArea* ua, int32_t channel, double mx, double my) {
  if (UserArea* a = Ua(ua)) a->StartMouseDrag(channel, {int(std::lround(mx)), int(std::lround(my))});
}

int32_t UserAreaFamily::MouseDrag(GxaUserArea* ua, double* dx, double* dy, GxaContainer* channels) {
  UserArea* a = Ua(ua);
  MouseDragLoop* loop = a ? a->DragLoop() : nullptr;
  if (!loop) return GXA_MOUSEDRAG_ESCAPE;
  double x = 0.0, y = 0.0;
  Container scratch;
  const int32_t answer = loop->Poll(x, y, channels ? *FromHandle(channels) : scratch);
  if (dx) *dx = x;
  if (dy) *dy = y;
  return answer;
}

int32_t UserAreaFamily::MouseDragEnd(GxaUserArea* ua) {
  UserArea* a = Ua(ua);
  return a ? a->EndMouseDrag() : GXA_MOUSEDRAG_ESCAPE;
}

bool UserAreaFamily::OffscreenBegin(GxaUserArea* ua) {
  UserArea* a = Ua(ua);
  return a && a->BeginOffscreen();
}

void UserAreaFamily::OffscreenEnd(GxaUserArea* ua) {
  if (UserArea* a = Ua(ua)) a->EndOffscreen();
}

void UserAreaFamily::SetPenRgb(GxaUserArea* ua, double r, double g, double b) {
  if (UserArea* a = Ua(ua)) a->Drawing().SetPen(ToRgba(r, g, b));
}

void UserAreaFamily::SetPenColorId(GxaUserArea* ua, int32_t id) {
  UserArea* a = Ua(ua);
  Rgba c;
  if (a && Gui::Get().GetScreen().Colors().Get(id, c)) a->Drawing().SetPen(c);
}

void UserAreaFamily::DrawRect(GxaUserArea* ua, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (UserAreaDrawing* d = Drawing(ua)) d->FillRect(x1, y1, x2, y2);
}

void UserAreaFamily::DrawLine(GxaUserArea* ua, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (UserAreaDrawing* d = Drawing(ua)) d->Line(x1, y1, x2, y2);
}

void UserAreaFamily::DrawBorder(GxaUserArea* ua, int32_t style, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (UserAreaDrawing* d = Drawing(ua)) d->Border(style, x1, y1, x2, y2, Gui::Get().GetScreen().Colors());
}

void UserAreaFamily::DrawBitmap(GxaUserArea* ua, GxaBitmap* bmp, int32_t x, int32_t y, int32_t w, int32_t h, int32_t bx,
                                int32_t by, int32_t bw, int32_t bh, int32_t mode) {
  UserAreaDrawing* d = Drawing(ua);
  if (!d || !bmp) return;
  d->DrawBitmap(*reinterpret_cast<const Bitmap*>(bmp), {x, y, w, h}, {bx, by, bw, bh}, mode);
}

void UserAreaFamily::SetTextColor(GxaUserArea* ua, double r, double g, double b) {
  if (UserArea* a = Ua(ua)) a->Drawing().SetTextColor(ToRgba(r, g, b));
}

void UserAreaFamily::DrawText(GxaUserArea* ua, const char* text, int32_t x, int32_t y, int32_t flags) {
  UserAreaDrawing* d = Drawing(ua);
  if (d && text) d->Text(text, x, y, flags);
}

int32_t UserAreaFamily::TextWidth(GxaUserArea*, const char* text) {
  return text ? UserAreaDrawing::TextWidth(text) : 0;
}

int32_t UserAreaFamily::TextHeight(GxaUserArea*) { return UserAreaDrawing::TextHeight(); }

void UserAreaFamily::SetClip(GxaUserArea* ua, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (UserAreaDrawing* d = Drawing(ua)) d->SetClip(x1, y1, x2, y2);
}

void UserAreaFamily::ClearClip(GxaUserArea* ua) {
  if (UserAreaDrawing* d = Drawing(ua)) d->ClearClip();
}

int32_t UserAreaFamily::PopupMenu(GxaUserArea* ua, int32_t x, int32_t y, const GxaContainer* menu, int32_t) {
  if (!Ua(ua) || !menu) return 0;
  return Gui::Get().GetScreen().RunMenu(MenuModel::FromContainer(*FromHandle(menu)), {x, y});
}

void UserAreaFamily::SetCursor(GxaUserArea* ua, int32_t cursor) {
  if (Ua(ua)) Gui::Get().GetScreen().GetFrontend().SetCursor(cursor);
}

bool UserAreaFamily::StartDrag(GxaUserArea* ua, int32_t type, const GxaData* data) {
  UserArea* a = Ua(ua);
  if (!a || !data) return false;
  const Value copy = *FromHandle(data);
  return Gui::Get().GetScreen().RunDrag(type, copy);
}

void UserAreaFamily::SetTimer(GxaUserArea* ua, int32_t ms) {
  UserArea* a = Ua(ua);
  if (!a) return;
  Screen& screen = Gui::Get().GetScreen();
  screen.Timers().Set(*a, ms, screen.GetFrontend().NowMs());
}

void UserAreaFamily::ColorCopied(GxaUserArea* ua, const double rgb[3], double alpha, bool hasAlpha) {
  if (!Ua(ua) || !rgb) return;
  HostClipboard::CopyColor({rgb[0], rgb[1], rgb[2]}, hasAlpha ? std::optional<double>(alpha) : std::nullopt);
}

const GxaUserAreaFns* UserAreaFamily::Table() {
  static const GxaUserAreaFns table = {
      sizeof(GxaUserAreaFns),
      &Create,
      &Destroy,
      &DialogOf,
      &GadgetId,
      &Redraw,
      &Width,
      &Height,
      &IsEnabled,
      &DisplayScale,
      &GlobalToLocal,
      &LocalToGlobal,
      &DefaultMessage,
      &SendParentMessage,
      &LayoutChanged,
      &MouseDragStart,
      &MouseDrag,
      &MouseDragEnd,
      &OffscreenBegin,
      &OffscreenEnd,
      &SetPenRgb,
      &SetPenColorId,
      &DrawRect,
      &DrawLine,
      &DrawBorder,
      &DrawBitmap,
      &SetTextColor,
      &DrawText,
      &TextWidth,
      &TextHeight,
      &SetClip,
      &ClearClip,
      &PopupMenu,
      &SetCursor,
      &StartDrag,
      &SetTimer,
      &ColorCopied,
  };
  return &table;
}

}  // namespace host
