#pragma once
// The screen picker's desktop on X11. Each XRandR monitor (the whole screen
// without XRandR) gets an override-redirect InputOnly window: it takes the
// pointer and the keys but has no pixels, so reading the root window sees
// the desktop, never the picker. Pointer and keyboard are grabbed while the
// windows exist (again and again until the grab succeeds: the click that
// started the picker still holds the pointer for a moment). Pixel reads and
// monitor queries trap X errors, so a pointer off every monitor or a
// monitor unplugged mid-pick answers "no pixel" instead of ending the host.
// With the loupe switched on, a pick shows an X11Loupe that follows the
// pointer, and pixels are read as if it were not there.
#include <map>
#include <memory>
#include <vector>

#include "platform/desktop.h"

struct _XDisplay;
union _XEvent;

namespace host {

class X11Loupe;

class X11Desktop : public Desktop {
 public:
  X11Desktop();
  ~X11Desktop() override;

  int32_t PickingMode() override { return GXA_PICKING_WINDOWS; }
  bool Open() override;
  int32_t MonitorCount() override;
  bool Monitor(int32_t index, GxaMonitorInfo& out) override;
  DesktopWindow* CreateWindow(const WindowClass& cls, const std::string& title, Rect frame) override;
  void DestroyWindow(DesktopWindow* window) override;
  bool ReadPixel(int32_t x, int32_t y, uint32_t& pixel) override;
  bool Pump() override;
  bool Busy() const override { return !windows_.empty(); }

 private:
  class X11Window;
  struct MonitorArea {
    Rect rect;
    bool primary = false;
  };

  std::vector<MonitorArea> ReadMonitors() const;
  Rect ScreenRect() const;
  std::vector<Rect> MonitorRects() const;
  void StartLoupe();
  void FollowPointer(const _XEvent& e);
  unsigned long CursorFor(const CursorImage* image);
  void Grab();
  void Ungrab();
  X11Window* Find(unsigned long xid) const;
  bool Translate(const _XEvent& e, GxaWindowMessage& msg) const;

  _XDisplay* display_ = nullptr;
  std::vector<MonitorArea> monitors_;
  std::vector<std::unique_ptr<X11Window>> windows_;
  std::map<const CursorImage*, unsigned long> cursors_;
  std::unique_ptr<X11Loupe> loupe_;
  bool pointerGrabbed_ = false;
  bool keyboardGrabbed_ = false;
};

}  // namespace host
