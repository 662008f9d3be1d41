#pragma once
// What the screen picker reaches of the desktop, behind the platform family:
// monitors, covering input windows, pixels, and, where windows cannot read
// the screen, a pick made by the desktop itself. Backends: the virtual
// desktop of the tests, X11, and the desktop portal of Wayland sessions.
//
// Messages for the picker's windows are delivered from the host's event
// loop (Pump), each as a call into the module; the module may destroy any
// window while handling a message, so a backend looks its windows up again
// after every delivery.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gxa_api.h"
#include "raster/rastertypes.h"

namespace host {

// A cursor as the module drew it; each backend makes its own from it.
struct CursorImage {
  int w = 0, h = 0, hotX = 0, hotY = 0;
  std::vector<uint8_t> rgba;
};

struct WindowClass {
  std::string name;
  GxaWindowProc proc = nullptr;
  const CursorImage* cursor = nullptr;
};

class DesktopWindow {
 public:
  DesktopWindow(WindowClass windowClass, std::string title, Rect frame)
      : class_(std::move(windowClass)), title_(std::move(title)), frame_(frame) {}
  virtual ~DesktopWindow() = default;
  DesktopWindow(const DesktopWindow&) = delete;
  DesktopWindow& operator=(const DesktopWindow&) = delete;

  const WindowClass& Class() const { return class_; }
  const std::string& Title() const { return title_; }
  const Rect& Frame() const { return frame_; }

  // Hands msg to the class's handler. The window may be gone on return.
  static bool Deliver(DesktopWindow* window, const GxaWindowMessage& msg);

 private:
  WindowClass class_;
  std::string title_;
  Rect frame_;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  virtual int32_t PickingMode() = 0;
  virtual GxaLogicalToPhysicalFn LogicalToPhysical() { return nullptr; }

  virtual bool Open() { return false; }
  virtual void Close() {}
  virtual int32_t MonitorCount() { return 0; }
  virtual bool Monitor(int32_t, GxaMonitorInfo&) { return false; }
  // Owned by the desktop until DestroyWindow.
  virtual DesktopWindow* CreateWindow(const WindowClass&, const std::string&, Rect) { return nullptr; }
  virtual void DestroyWindow(DesktopWindow*) {}
  virtual bool ReadPixel(int32_t, int32_t, uint32_t&) { return false; }
  virtual void Activate(GxaDialog*) {}

  virtual bool PickColor(GxaPickAnswerFn, void*) { return false; }
  virtual void CancelPick() {}

  // Delivers what arrived for the picker; true when anything was.
  virtual bool Pump() { return false; }
  // Windows or a pick wait for the user: the event loop should pump often.
  virtual bool Busy() const { return false; }

  // Why a pick could not start, in words for the user's status line.
  void SetNoticeListener(std::function<void(const std::string&)> listener) { notice_ = std::move(listener); }
  // Whether a pick shows a loupe beside the pointer, asked as each pick
  // starts; backends that cannot draw one never ask.
  void SetLoupeSwitch(std::function<bool()> on) { loupe_ = std::move(on); }

 protected:
  void Notice(const std::string& text) const {
    if (notice_) notice_(text);
  }
  bool LoupeWanted() const { return loupe_ && loupe_(); }

 private:
  std::function<void(const std::string&)> notice_;
  std::function<bool()> loupe_;
};

// 0x00BBGGRR, the form read_pixel answers.
constexpr uint32_t PackPixel(uint8_t r, uint8_t g, uint8_t b) { return r | (uint32_t(g) << 8) | (uint32_t(b) << 16); }

}  // namespace host
