#pragma once
// A desktop that exists only in memory, for tests: monitors at physical
// positions with their own scales, a pixel buffer per monitor, and input
// injected in logical desktop coordinates. It is delivered at once to the
// top-most picker window under the pointer (keys to the newest window),
// which is how a desktop routes input to covering windows.
//
// A monitor's logical rectangle keeps its physical top left corner and
// divides its size by the scale; the logical-to-physical conversion maps a
// point on it back to physical pixels, the way a desktop with per-monitor
// scaling shows unaware programs a scaled-down monitor.
#include <memory>
#include <vector>

#include "platform/desktop.h"

namespace host {

class VirtualDesktop : public Desktop {
 public:
  struct MonitorSpec {
    Rect physical;
    double scale = 1.0;
    bool readable = true;  // false: its information cannot be read
  };

  VirtualDesktop();
  ~VirtualDesktop() override;

  void AddMonitor(const MonitorSpec& spec);
  // No desktop to connect to: open fails.
  void SetAvailable(bool available) { available_ = available; }
  // Whether the desktop offers the logical-to-physical conversion.
  void SetScaledPoints(bool offered) { scaledPoints_ = offered; }
  // Physical pixels; outside every monitor nothing is painted.
  void Fill(Rect physical, Rgba color);
  void SetPixel(int x, int y, Rgba color) { Fill({x, y, 1, 1}, color); }

  // Injected input: true when a window took it.
  bool MoveTo(Point logical);
  bool Press(int32_t channel);
  bool Release(int32_t channel);
  bool Wheel(double notches);
  bool KeyDown(int32_t key);
  bool KeyUp(int32_t key);

  // Live windows, oldest first.
  std::vector<const DesktopWindow*> Windows() const;
  int Activations() const { return activations_; }
  int OpenCount() const { return opens_; }
  // Where the last read took place, physical.
  Point LastRead() const { return lastRead_; }

  int32_t PickingMode() override { return GXA_PICKING_WINDOWS; }
  GxaLogicalToPhysicalFn LogicalToPhysical() override;
  bool Open() override;
  void Close() override;
  int32_t MonitorCount() override { return int32_t(monitors_.size()); }
  bool Monitor(int32_t index, GxaMonitorInfo& out) override;
  DesktopWindow* CreateWindow(const WindowClass& cls, const std::string& title, Rect frame) override;
  void DestroyWindow(DesktopWindow* window) override;
  bool ReadPixel(int32_t x, int32_t y, uint32_t& pixel) override;
  void Activate(GxaDialog*) override { ++activations_; }

 private:
  struct Screen {
    MonitorSpec spec;
    Rect logical;
    std::vector<uint32_t> pixels;
  };

  static bool ToPhysical(int32_t* x, int32_t* y);
  DesktopWindow* WindowAt(Point logical) const;
  bool Send(DesktopWindow* target, GxaWindowMessage msg);

  static VirtualDesktop* current_;
  std::vector<Screen> monitors_;
  std::vector<std::unique_ptr<DesktopWindow>> windows_;
  Point pointer_{-1, -1};
  Point lastRead_{-1, -1};
  bool available_ = true;
  bool scaledPoints_ = true;
  int opens_ = 0;
  int activations_ = 0;
};

}  // namespace host
