#pragma once
// The screen picker: the user takes the colour of any pixel of any monitor.
// Every monitor is covered by an invisible input window; moving the mouse
// reports the colour under the cursor, a click takes it, Escape brings back
// the colour from before. Where the desktop does not let windows read the
// screen (Wayland), the desktop's own colour picking stands in for the
// whole pick. One picker runs per process; everything happens on the UI
// thread, the windows' messages arriving from the host's event loop.
#include <cstdint>

#include "basearray.h"
#include "gxa_api.h"
#include "vector.h"

class ColorScreenPicker
{
public:
  enum State : std::int32_t
  {
    kHovering = 0,  // the colour under the cursor
    kPicked = 1,    // the colour last seen
    kCancelled = 2  // the backup colour
  };
  using Callback = void (*)(const Vector& color, void* chooser, std::int32_t state);

  static constexpr const char* kWindowClass = "gxa_colorpicker_class";
  static constexpr const char* kWindowTitle = "color picker";

  // Ready to start: the desktop's point conversion, the cursor, the class.
  static void Prepare();
  // Begins picking for chooser unless a pick runs already. True when a pick
  // for this chooser is under way afterwards.
  static bool Start(void* chooser, Callback callback, GxaDialog* parent, const Vector& backup);
  // Ends picking without telling anyone.
  static void Stop();
  // The module ends: what the host made for the picker goes back.
  static void Release();

  // A pixel as the desktop gives it (red in bits 0-7, green 8-15, blue
  // 16-23), each byte over 255 in single precision.
  static Vector ColorFromPixel(std::uint32_t pixel);

private:
  struct MonitorRecord
  {
    bool present = false;  // its information could be read
    GxaMonitorInfo info{};
    GxaPickerWindow* window = nullptr;
    std::int32_t width = 0, height = 0;
  };

  static BaseArray<MonitorRecord>& Records();
  static bool StartWindows();
  static bool StartDesktopPick();
  static bool ReadMonitors();
  static std::int32_t OpenWindows();
  static bool WindowProc(GxaPickerWindow* window, const GxaWindowMessage* msg);
  static bool HandleMessage(GxaPickerWindow* window, const GxaWindowMessage& msg);
  static void Sample(GxaPickerWindow* window, std::int32_t x, std::int32_t y);
  static void DesktopAnswer(void* user, std::int32_t response, const double* rgb);
  static void End(const Vector& color, std::int32_t state);
  static bool TearDown();
  static void Forget();
};
