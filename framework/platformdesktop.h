#pragma once
// The host's desktop services for the screen picker, answering "nothing
// there" when the host lacks the family or an entry, so that the picker's
// rules never test for the host themselves.
#include <cstdint>

#include "gxa_api.h"

class PlatformDesktop
{
public:
  static std::int32_t PickingMode();
  static GxaLogicalToPhysicalFn FindLogicalToPhysical();

  static GxaPickerCursor* CreateCursor(const std::uint8_t* rgba, std::int32_t w, std::int32_t h, std::int32_t hotX,
                                       std::int32_t hotY);
  static void DestroyCursor(GxaPickerCursor* cursor);
  static bool RegisterWindowClass(const char* name, GxaWindowProc proc, const GxaPickerCursor* cursor);

  static bool OpenDesktop();
  static void CloseDesktop();
  static std::int32_t MonitorCount();
  static bool MonitorInfo(std::int32_t index, GxaMonitorInfo& out);
  static GxaPickerWindow* CreateWindow(const char* className, const char* title, std::int32_t x, std::int32_t y,
                                       std::int32_t w, std::int32_t h);
  static void DestroyWindow(GxaPickerWindow* window);
  static bool ClientToScreen(GxaPickerWindow* window, std::int32_t& x, std::int32_t& y);
  static bool ReadPixel(std::int32_t x, std::int32_t y, std::uint32_t& pixel);
  static void ActivateWindow(GxaDialog* dialog);

  static bool PickColor(GxaPickAnswerFn answer, void* user);
  static void CancelPick();
};
