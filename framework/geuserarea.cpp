#include "geuserarea.h"

#include "basebitmap.h"
#include "entryguard.h"
#include "gedata.h"
#include "gedialog.h"
#include "hostaccess.h"

namespace
{
const GxaUserAreaFns* Fns()
{
  return HostUserAreas();
}

GeUserArea* Self(void* user)
{
  return static_cast<GeUserArea*>(user);
}

// Messages come in const; the alias is only ever handed on as const.
BaseContainer ConstAlias(const GxaContainer* c)
{
  return BaseContainer::Alias(const_cast<GxaContainer*>(c));
}
}  // namespace

const GxaUserAreaCallbacks GeUserArea::kCallbacks = {
    sizeof(GxaUserAreaCallbacks), &GeUserArea::OnDestroyed,   &GeUserArea::OnInit,         &GeUserArea::OnInitValues,
    &GeUserArea::OnGetMinSize,    &GeUserArea::OnSized,       &GeUserArea::OnDraw,         &GeUserArea::OnDrawMsg,
    &GeUserArea::OnInputEvent,    &GeUserArea::OnCoreMessage, &GeUserArea::OnMessage10020, &GeUserArea::OnMessage,
};

GeUserArea::GeUserArea()
{
  const GxaUserAreaFns* fns = Fns();
  if (GXA_HAS(fns, create))
    _ua = fns->create(&kCallbacks, static_cast<GeUserArea*>(this));
}

GeUserArea::~GeUserArea()
{
  GxaUserArea* ua = _ua;
  _ua = nullptr;
  const GxaUserAreaFns* fns = Fns();
  if (ua && GXA_HAS(fns, destroy))
    fns->destroy(ua);
}

bool GeUserArea::Init()
{
  return true;
}

bool GeUserArea::InitValues()
{
  return true;
}

bool GeUserArea::GetMinSize(std::int32_t&, std::int32_t&)
{
  return false;
}

void GeUserArea::Sized(std::int32_t, std::int32_t) {}

void GeUserArea::Draw(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {}

void GeUserArea::DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer&)
{
  Draw(x1, y1, x2, y2);
}

bool GeUserArea::InputEvent(const BaseContainer&)
{
  return false;
}

bool GeUserArea::CoreMessage(std::int32_t, const BaseContainer&)
{
  return true;
}

std::int32_t GeUserArea::Message10020(const BaseContainer&)
{
  return 0;
}

std::int32_t GeUserArea::Message(const BaseContainer& msg, BaseContainer& result)
{
  return DefaultMessage(msg, result);
}

std::int32_t GeUserArea::DefaultMessage(const BaseContainer& msg, BaseContainer& result)
{
  const GxaUserAreaFns* fns = Fns();
  return _ua && GXA_HAS(fns, default_message) ? fns->default_message(_ua, msg.Get(), result.Get()) : 0;
}

// ------------------------------------------------------------- trampolines

void GeUserArea::OnDestroyed(void* user)
{
  Self(user)->_ua = nullptr;
}

bool GeUserArea::OnInit(void* user)
{
  return GuardEntry("GeUserArea::Init()", false, [&] { return Self(user)->Init(); });
}

bool GeUserArea::OnInitValues(void* user)
{
  return GuardEntry("GeUserArea::InitValues()", false, [&] { return Self(user)->InitValues(); });
}

bool GeUserArea::OnGetMinSize(void* user, std::int32_t* w, std::int32_t* h)
{
  return GuardEntry("GeUserArea::GetMinSize()", false, [&] {
    std::int32_t width = 0, height = 0;
    if (!Self(user)->GetMinSize(width, height))
      return false;
    if (w)
      *w = width;
    if (h)
      *h = height;
    return true;
  });
}

void GeUserArea::OnSized(void* user, std::int32_t w, std::int32_t h)
{
  GuardEntry("GeUserArea::Sized()", [&] { Self(user)->Sized(w, h); });
}

void GeUserArea::OnDraw(void* user, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
  GuardEntry("GeUserArea::Draw()", [&] { Self(user)->Draw(x1, y1, x2, y2); });
}

void GeUserArea::OnDrawMsg(void* user, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                           const GxaContainer* msg)
{
  GuardEntry("GeUserArea::DrawMsg()", [&] { Self(user)->DrawMsg(x1, y1, x2, y2, ConstAlias(msg)); });
}

bool GeUserArea::OnInputEvent(void* user, const GxaContainer* msg)
{
  // An event that failed still counts as handled.
  return GuardEntry("GeUserArea::InputEvent()", true, [&] { return Self(user)->InputEvent(ConstAlias(msg)); });
}

bool GeUserArea::OnCoreMessage(void* user, std::int32_t id, const GxaContainer* msg)
{
  return GuardEntry("GeUserArea::CoreMessage()", false, [&] { return Self(user)->CoreMessage(id, ConstAlias(msg)); });
}

std::int32_t GeUserArea::OnMessage10020(void* user, const GxaContainer* msg)
{
  return GuardEntry("GeUserArea::Message10020()", std::int32_t(0),
                    [&] { return Self(user)->Message10020(ConstAlias(msg)); });
}

std::int32_t GeUserArea::OnMessage(void* user, const GxaContainer* msg, GxaContainer* result)
{
  return GuardEntry("GeUserArea::Message()", std::int32_t(0), [&] {
    BaseContainer answer = BaseContainer::Alias(result);
    return Self(user)->Message(ConstAlias(msg), answer);
  });
}

// ---------------------------------------------------------------- services

// Each helper calls one host entry with the area first; the fallback answers
// when the area or the entry is missing.
#define GXA_UA_CALL(fallback, entry, ...) \
  const GxaUserAreaFns* fns = Fns();      \
  if (!_ua || !GXA_HAS(fns, entry))       \
    return fallback;                      \
  return fns->entry(_ua __VA_OPT__(, ) __VA_ARGS__)

#define GXA_UA_DO(entry, ...)        \
  const GxaUserAreaFns* fns = Fns(); \
  if (_ua && GXA_HAS(fns, entry))    \
  fns->entry(_ua __VA_OPT__(, ) __VA_ARGS__)

GxaDialog* GeUserArea::GetDialog() const
{
  GXA_UA_CALL(nullptr, dialog);
}

std::int32_t GeUserArea::GetId() const
{
  GXA_UA_CALL(0, gadget_id);
}

void GeUserArea::Redraw()
{
  GXA_UA_DO(redraw);
}

std::int32_t GeUserArea::GetWidth() const
{
  GXA_UA_CALL(0, width);
}

std::int32_t GeUserArea::GetHeight() const
{
  GXA_UA_CALL(0, height);
}

bool GeUserArea::IsEnabled() const
{
  GXA_UA_CALL(false, is_enabled);
}

std::int32_t GeUserArea::GetDisplayScale() const
{
  const GxaUserAreaFns* fns = Fns();
  const std::int32_t scale = _ua && GXA_HAS(fns, display_scale) ? fns->display_scale(_ua) : 1;
  return scale > 0 ? scale : 1;
}

bool GeUserArea::Global2Local(std::int32_t& x, std::int32_t& y) const
{
  GXA_UA_CALL(false, global_to_local, &x, &y);
}

bool GeUserArea::Local2Global(std::int32_t& x, std::int32_t& y) const
{
  GXA_UA_CALL(false, local_to_global, &x, &y);
}

bool GeUserArea::SendParentMessage(const BaseContainer& msg)
{
  if (!msg.IsValid())
    return false;
  GXA_UA_CALL(false, send_parent_message, msg.Get());
}

bool GeUserArea::LayoutChanged()
{
  // The dialog's own build lays this area out with the rest.
  if (const GeDialog* dialog = GeDialog::FromHandle(GetDialog()); dialog && dialog->IsBuildingLayout())
    return true;
  GXA_UA_CALL(false, layout_changed);
}

void GeUserArea::SetTimer(std::int32_t ms)
{
  GXA_UA_DO(set_timer, ms);
}

void GeUserArea::MouseDragStart(std::int32_t channel, double mx, double my)
{
  GXA_UA_DO(mouse_drag_start, channel, mx, my);
}

std::int32_t GeUserArea::MouseDrag(double& dx, double& dy, BaseContainer& channels)
{
  GXA_UA_CALL(GXA_MOUSEDRAG_ESCAPE, mouse_drag, &dx, &dy, channels.Get());
}

std::int32_t GeUserArea::MouseDragEnd()
{
  GXA_UA_CALL(GXA_MOUSEDRAG_ESCAPE, mouse_drag_end);
}

bool GeUserArea::OffScreenOn()
{
  GXA_UA_CALL(false, offscreen_begin);
}

void GeUserArea::OffScreenOff()
{
  GXA_UA_DO(offscreen_end);
}

void GeUserArea::DrawSetPen(const Vector& rgb)
{
  GXA_UA_DO(set_pen_rgb, rgb.x, rgb.y, rgb.z);
}

void GeUserArea::DrawSetPen(std::int32_t colorId)
{
  GXA_UA_DO(set_pen_color_id, colorId);
}

void GeUserArea::DrawRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
  GXA_UA_DO(draw_rect, x1, y1, x2, y2);
}

void GeUserArea::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
  GXA_UA_DO(draw_line, x1, y1, x2, y2);
}

void GeUserArea::DrawBorder(std::int32_t style, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
  GXA_UA_DO(draw_border, style, x1, y1, x2, y2);
}

void GeUserArea::DrawBitmap(const BaseBitmap& bmp, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                            std::int32_t bx, std::int32_t by, std::int32_t bw, std::int32_t bh, std::int32_t mode)
{
  DrawBitmap(bmp.Get(), x, y, w, h, bx, by, bw, bh, mode);
}

void GeUserArea::DrawBitmap(GxaBitmap* bmp, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                            std::int32_t bx, std::int32_t by, std::int32_t bw, std::int32_t bh, std::int32_t mode)
{
  if (!bmp)
    return;
  GXA_UA_DO(draw_bitmap, bmp, x, y, w, h, bx, by, bw, bh, mode);
}

void GeUserArea::DrawSetTextColor(const Vector& rgb)
{
  GXA_UA_DO(set_text_color, rgb.x, rgb.y, rgb.z);
}

void GeUserArea::DrawText(const String& text, std::int32_t x, std::int32_t y, std::int32_t flags)
{
  GXA_UA_DO(draw_text, text.GetCString(), x, y, flags);
}

std::int32_t GeUserArea::DrawGetTextWidth(const String& text) const
{
  GXA_UA_CALL(0, text_width, text.GetCString());
}

std::int32_t GeUserArea::DrawGetFontHeight() const
{
  GXA_UA_CALL(0, text_height);
}

void GeUserArea::SetClippingRegion(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
  GXA_UA_DO(set_clip, x1, y1, x2, y2);
}

void GeUserArea::ClearClippingRegion()
{
  GXA_UA_DO(clear_clip);
}

std::int32_t GeUserArea::ShowPopupMenu(std::int32_t x, std::int32_t y, const BaseContainer& menu, std::int32_t flags)
{
  if (!menu.IsValid())
    return 0;
  GXA_UA_CALL(0, popup_menu, x, y, menu.Get(), flags);
}

void GeUserArea::SetCursor(std::int32_t cursor)
{
  GXA_UA_DO(set_cursor, cursor);
}

bool GeUserArea::StartDrag(std::int32_t dragType, const GeData& data)
{
  if (!data.IsValid())
    return false;
  GXA_UA_CALL(false, start_drag, dragType, data.Get());
}

void GeUserArea::AnnounceCopiedColor(const Vector& rgb, double alpha, bool hasAlpha)
{
  const double components[3] = {rgb.x, rgb.y, rgb.z};
  GXA_UA_DO(color_copied, components, alpha, hasAlpha);
}

#undef GXA_UA_CALL
#undef GXA_UA_DO
