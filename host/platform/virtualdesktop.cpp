#include "platform/virtualdesktop.h"

#include <algorithm>
#include <cmath>

namespace host {

VirtualDesktop* VirtualDesktop::current_ = nullptr;

VirtualDesktop::VirtualDesktop() { current_ = this; }

VirtualDesktop::~VirtualDesktop() {
  if (current_ == this) current_ = nullptr;
}

void VirtualDesktop::AddMonitor(const MonitorSpec& spec) {
  Screen s{
      spec, {}, std::vector<uint32_t>(size_t(std::max(0, spec.physical.w)) * size_t(std::max(0, spec.physical.h)))};
  s.logical = {spec.physical.x, spec.physical.y, int(std::lround(spec.physical.w / spec.scale)),
               int(std::lround(spec.physical.h / spec.scale))};
  monitors_.push_back(std::move(s));
}

void VirtualDesktop::Fill(Rect physical, Rgba color) {
  for (Screen& s : monitors_) {
    const Rect part = physical.Intersect(s.spec.physical);
    for (int y = part.y; y < part.Bottom(); ++y) {
      for (int x = part.x; x < part.Right(); ++x) {
        s.pixels[size_t(y - s.spec.physical.y) * size_t(s.spec.physical.w) + size_t(x - s.spec.physical.x)] =
            PackPixel(color.r, color.g, color.b);
      }
    }
  }
}

GxaLogicalToPhysicalFn VirtualDesktop::LogicalToPhysical() { return scaledPoints_ ? &ToPhysical : nullptr; }

bool VirtualDesktop::ToPhysical(int32_t* x, int32_t* y) {
  if (!current_ || !x || !y) return false;
  for (const Screen& s : current_->monitors_) {
    if (!s.logical.Contains(*x, *y)) continue;
    *x = s.spec.physical.x + int32_t(std::floor((*x - s.logical.x) * s.spec.scale));
    *y = s.spec.physical.y + int32_t(std::floor((*y - s.logical.y) * s.spec.scale));
    return true;
  }
  return false;
}

bool VirtualDesktop::Open() {
  if (!available_) return false;
  ++opens_;
  return true;
}

void VirtualDesktop::Close() { opens_ = std::max(0, opens_ - 1); }

bool VirtualDesktop::Monitor(int32_t index, GxaMonitorInfo& out) {
  if (index < 0 || index >= MonitorCount() || !monitors_[size_t(index)].spec.readable) return false;
  const Screen& s = monitors_[size_t(index)];
  out = {};
  out.left = out.work_left = s.logical.x;
  out.top = out.work_top = s.logical.y;
  out.right = out.work_right = s.logical.Right();
  out.bottom = out.work_bottom = s.logical.Bottom();
  out.flags = index == 0 ? GXA_MONITOR_PRIMARY : 0;
  out.scale = s.spec.scale;
  return true;
}

DesktopWindow* VirtualDesktop::CreateWindow(const WindowClass& cls, const std::string& title, Rect frame) {
  windows_.push_back(std::make_unique<DesktopWindow>(cls, title, frame));
  return windows_.back().get();
}

void VirtualDesktop::DestroyWindow(DesktopWindow* window) {
  std::erase_if(windows_, [window](const auto& w) { return w.get() == window; });
}

bool VirtualDesktop::ReadPixel(int32_t x, int32_t y, uint32_t& pixel) {
  lastRead_ = {x, y};
  for (const Screen& s : monitors_) {
    if (!s.spec.physical.Contains(x, y)) continue;
    pixel = s.pixels[size_t(y - s.spec.physical.y) * size_t(s.spec.physical.w) + size_t(x - s.spec.physical.x)];
    return true;
  }
  return false;
}

std::vector<const DesktopWindow*> VirtualDesktop::Windows() const {
  std::vector<const DesktopWindow*> out;
  for (const auto& w : windows_) out.push_back(w.get());
  return out;
}

DesktopWindow* VirtualDesktop::WindowAt(Point logical) const {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if ((*it)->Frame().Contains(logical.x, logical.y)) return it->get();
  }
  return nullptr;
}

bool VirtualDesktop::Send(DesktopWindow* target, GxaWindowMessage msg) {
  if (!target) return false;
  msg.x = pointer_.x - target->Frame().x;
  msg.y = pointer_.y - target->Frame().y;
  DesktopWindow::Deliver(target, msg);
  return true;
}

bool VirtualDesktop::MoveTo(Point logical) {
  pointer_ = logical;
  return Send(WindowAt(logical), {GXA_WINDOW_MOUSE_MOVE, 0, 0, 0, 0, 0.0});
}

bool VirtualDesktop::Press(int32_t channel) {
  return Send(WindowAt(pointer_), {GXA_WINDOW_BUTTON_DOWN, 0, 0, channel, 0, 0.0});
}

bool VirtualDesktop::Release(int32_t channel) {
  return Send(WindowAt(pointer_), {GXA_WINDOW_BUTTON_UP, 0, 0, channel, 0, 0.0});
}

bool VirtualDesktop::Wheel(double notches) {
  return Send(WindowAt(pointer_), {GXA_WINDOW_WHEEL, 0, 0, GXA_CHANNEL_WHEEL, 0, notches});
}

bool VirtualDesktop::KeyDown(int32_t key) {
  return Send(windows_.empty() ? nullptr : windows_.back().get(), {GXA_WINDOW_KEY_DOWN, 0, 0, 0, key, 0.0});
}

bool VirtualDesktop::KeyUp(int32_t key) {
  return Send(windows_.empty() ? nullptr : windows_.back().get(), {GXA_WINDOW_KEY_UP, 0, 0, 0, key, 0.0});
}

}  // namespace host
