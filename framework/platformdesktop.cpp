#include "platformdesktop.h"

#include "hostaccess.h"

// The family when it holds the entry, else null.
#define PLATFORM_WITH(FIELD) (GXA_HAS(HostPlatform(), FIELD) ? HostPlatform() : nullptr)

std::int32_t PlatformDesktop::PickingMode()
{
  const GxaPlatformFns* p = PLATFORM_WITH(picking_mode);
  return p ? p->picking_mode() : GXA_PICKING_NONE;
}

GxaLogicalToPhysicalFn PlatformDesktop::FindLogicalToPhysical()
{
  const GxaPlatformFns* p = PLATFORM_WITH(find_logical_to_physical);
  return p ? p->find_logical_to_physical() : nullptr;
}

GxaPickerCursor* PlatformDesktop::CreateCursor(const std::uint8_t* rgba, std::int32_t w, std::int32_t h,
                                               std::int32_t hotX, std::int32_t hotY)
{
  const GxaPlatformFns* p = PLATFORM_WITH(cursor_create);
  return p ? p->cursor_create(rgba, w, h, hotX, hotY) : nullptr;
}

void PlatformDesktop::DestroyCursor(GxaPickerCursor* cursor)
{
  if (const GxaPlatformFns* p = PLATFORM_WITH(cursor_destroy); p && cursor)
    p->cursor_destroy(cursor);
}

bool PlatformDesktop::RegisterWindowClass(const char* name, GxaWindowProc proc, const GxaPickerCursor* cursor)
{
  const GxaPlatformFns* p = PLATFORM_WITH(register_window_class);
  return p && p->register_window_class(name, proc, cursor);
}

bool PlatformDesktop::OpenDesktop()
{
  const GxaPlatformFns* p = PLATFORM_WITH(open_desktop);
  return p && p->open_desktop();
}

void PlatformDesktop::CloseDesktop()
{
  if (const GxaPlatformFns* p = PLATFORM_WITH(close_desktop))
    p->close_desktop();
}

std::int32_t PlatformDesktop::MonitorCount()
{
  const GxaPlatformFns* p = PLATFORM_WITH(monitor_count);
  return p ? p->monitor_count() : 0;
}

bool PlatformDesktop::MonitorInfo(std::int32_t index, GxaMonitorInfo& out)
{
  const GxaPlatformFns* p = PLATFORM_WITH(monitor_info);
  return p && p->monitor_info(index, &out);
}

GxaPickerWindow* PlatformDesktop::CreateWindow(const char* className, const char* title, std::int32_t x, std::int32_t y,
                                               std::int32_t w, std::int32_t h)
{
  const GxaPlatformFns* p = PLATFORM_WITH(create_window);
  return p ? p->create_window(className, title, x, y, w, h) : nullptr;
}

void PlatformDesktop::DestroyWindow(GxaPickerWindow* window)
{
  if (const GxaPlatformFns* p = PLATFORM_WITH(destroy_window); p && window)
    p->destroy_window(window);
}

bool PlatformDesktop::ClientToScreen(GxaPickerWindow* window, std::int32_t& x, std::int32_t& y)
{
  const GxaPlatformFns* p = PLATFORM_WITH(client_to_screen);
  return p && window && p->client_to_screen(window, &x, &y);
}

bool PlatformDesktop::ReadPixel(std::int32_t x, std::int32_t y, std::uint32_t& pixel)
{
  const GxaPlatformFns* p = PLATFORM_WITH(read_pixel);
  return p && p->read_pixel(x, y, &pixel);
}

void PlatformDesktop::ActivateWindow(GxaDialog* dialog)
{
  if (const GxaPlatformFns* p = PLATFORM_WITH(activate_window); p && dialog)
    p->activate_window(dialog);
}

bool PlatformDesktop::PickColor(GxaPickAnswerFn answer, void* user)
{
  const GxaPlatformFns* p = PLATFORM_WITH(pick_color);
  return p && p->pick_color(answer, user);
}

void PlatformDesktop::CancelPick()
{
  if (const GxaPlatformFns* p = PLATFORM_WITH(cancel_pick))
    p->cancel_pick();
}
