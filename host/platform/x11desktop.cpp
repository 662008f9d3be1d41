#include "platform/x11desktop.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>

#include <algorithm>

#include "platform/x11errortrap.h"
#include "platform/x11loupe.h"
#include "platform/x11screenreader.h"

namespace host {

class X11Desktop::X11Window : public DesktopWindow {
 public:
  X11Window(const WindowClass& cls, const std::string& title, Rect frame, ::Window xid)
      : DesktopWindow(cls, title, frame), xid_(xid) {}
  ::Window Xid() const { return xid_; }

 private:
  ::Window xid_;
};

namespace {

constexpr long kPointerEvents = PointerMotionMask | ButtonPressMask | ButtonReleaseMask | EnterWindowMask;

int32_t KeyCode(KeySym sym) {
  if (sym >= XK_a && sym <= XK_z) return int32_t('A' + (sym - XK_a));
  if ((sym >= XK_A && sym <= XK_Z) || (sym >= XK_0 && sym <= XK_9)) return int32_t(sym);
  switch (sym) {
    case XK_Escape: return GXA_KEY_ESC;
    case XK_Return:
    case XK_KP_Enter: return GXA_KEY_ENTER;
    case XK_Tab: return GXA_KEY_TAB;
    case XK_Up: return GXA_KEY_UP;
    case XK_Down: return GXA_KEY_DOWN;
    case XK_Left: return GXA_KEY_LEFT;
    case XK_Right: return GXA_KEY_RIGHT;
    default: return 0;
  }
}

// An X bitmap (rows of bytes, least significant bit first) of the pixels
// that pass the test.
template <typename Test>
std::vector<char> Bits(const CursorImage& image, Test test) {
  const int stride = (image.w + 7) / 8;
  std::vector<char> bits(size_t(stride) * size_t(image.h), 0);
  for (int y = 0; y < image.h; ++y) {
    for (int x = 0; x < image.w; ++x) {
      const uint8_t* p = &image.rgba[(size_t(y) * size_t(image.w) + size_t(x)) * 4];
      if (test(p)) bits[size_t(y) * size_t(stride) + size_t(x / 8)] |= char(1 << (x % 8));
    }
  }
  return bits;
}

}  // namespace

X11Desktop::X11Desktop() = default;

X11Desktop::~X11Desktop() {
  if (!display_) return;
  loupe_.reset();
  for (const auto& w : windows_) XDestroyWindow(display_, w->Xid());
  windows_.clear();
  for (const auto& [image, cursor] : cursors_) XFreeCursor(display_, cursor);
  XCloseDisplay(display_);
}

bool X11Desktop::Open() {
  if (!display_) display_ = XOpenDisplay(nullptr);
  return display_ != nullptr;
}

Rect X11Desktop::ScreenRect() const {
  const int screen = DefaultScreen(display_);
  return {0, 0, DisplayWidth(display_, screen), DisplayHeight(display_, screen)};
}

std::vector<X11Desktop::MonitorArea> X11Desktop::ReadMonitors() const {
  std::vector<MonitorArea> areas;
  int event = 0, error = 0, major = 0, minor = 0;
  X11ErrorTrap trap(display_);
  if (XRRQueryExtension(display_, &event, &error) && XRRQueryVersion(display_, &major, &minor) &&
      (major > 1 || (major == 1 && minor >= 5))) {
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display_, DefaultRootWindow(display_), True, &count);
    for (int i = 0; monitors && i < count; ++i) {
      areas.push_back(
          {{monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height}, monitors[i].primary != 0});
    }
    if (monitors) XRRFreeMonitors(monitors);
  }
  if (!trap.Ok() || areas.empty()) areas = {{ScreenRect(), true}};
  return areas;
}

std::vector<Rect> X11Desktop::MonitorRects() const {
  std::vector<Rect> rects;
  for (const MonitorArea& m : monitors_) rects.push_back(m.rect.Intersect(ScreenRect()));
  return rects;
}

int32_t X11Desktop::MonitorCount() {
  monitors_ = display_ ? ReadMonitors() : std::vector<MonitorArea>{};
  return int32_t(monitors_.size());
}

bool X11Desktop::Monitor(int32_t index, GxaMonitorInfo& out) {
  if (!display_ || index < 0 || index >= int32_t(monitors_.size())) return false;
  // A monitor reaching past the screen (mid-reconfiguration) is cut to it.
  const Rect r = monitors_[size_t(index)].rect.Intersect(ScreenRect());
  if (r.IsEmpty()) return false;
  out = {};
  out.left = out.work_left = r.x;
  out.top = out.work_top = r.y;
  out.right = out.work_right = r.Right();
  out.bottom = out.work_bottom = r.Bottom();
  out.flags = monitors_[size_t(index)].primary ? GXA_MONITOR_PRIMARY : 0;
  out.scale = 1.0;
  return true;
}

unsigned long X11Desktop::CursorFor(const CursorImage* image) {
  if (!image || image->w <= 0 || image->h <= 0) return None;
  if (auto it = cursors_.find(image); it != cursors_.end()) return it->second;
  const ::Window root = DefaultRootWindow(display_);
  // Two colours: dark pixels black, the rest white, transparent ones masked.
  std::vector<char> shape = Bits(*image, [](const uint8_t* p) { return p[0] + p[1] + p[2] < 3 * 128; });
  std::vector<char> mask = Bits(*image, [](const uint8_t* p) { return p[3] >= 128; });
  Pixmap source = XCreateBitmapFromData(display_, root, shape.data(), unsigned(image->w), unsigned(image->h));
  Pixmap maskMap = XCreateBitmapFromData(display_, root, mask.data(), unsigned(image->w), unsigned(image->h));
  XColor black{}, white{};
  white.red = white.green = white.blue = 0xFFFF;
  black.flags = white.flags = DoRed | DoGreen | DoBlue;
  const unsigned hotX = unsigned(std::clamp(image->hotX, 0, image->w - 1));
  const unsigned hotY = unsigned(std::clamp(image->hotY, 0, image->h - 1));
  const Cursor cursor = XCreatePixmapCursor(display_, source, maskMap, &black, &white, hotX, hotY);
  XFreePixmap(display_, source);
  XFreePixmap(display_, maskMap);
  cursors_[image] = cursor;
  return cursor;
}

DesktopWindow* X11Desktop::CreateWindow(const WindowClass& cls, const std::string& title, Rect frame) {
  if (!display_) return nullptr;
  X11ErrorTrap trap(display_);
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.event_mask = kPointerEvents | KeyPressMask | KeyReleaseMask;
  attributes.cursor = CursorFor(cls.cursor);
  const ::Window xid =
      XCreateWindow(display_, DefaultRootWindow(display_), frame.x, frame.y, unsigned(frame.w), unsigned(frame.h), 0, 0,
                    InputOnly, CopyFromParent, CWOverrideRedirect | CWEventMask | CWCursor, &attributes);
  XStoreName(display_, xid, title.c_str());
  XMapRaised(display_, xid);
  if (!trap.Ok()) {
    XDestroyWindow(display_, xid);
    return nullptr;
  }
  windows_.push_back(std::make_unique<X11Window>(cls, title, frame, xid));
  Grab();
  if (windows_.size() == 1) StartLoupe();
  return windows_.back().get();
}

void X11Desktop::StartLoupe() {
  if (!LoupeWanted()) return;
  loupe_ = std::make_unique<X11Loupe>(display_);
  ::Window root = 0, child = 0;
  int x = 0, y = 0, wx = 0, wy = 0;
  unsigned mask = 0;
  if (XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &x, &y, &wx, &wy, &mask)) {
    loupe_->Follow({x, y}, MonitorRects());
  }
}

void X11Desktop::FollowPointer(const XEvent& e) {
  if (!loupe_) return;
  if (e.type == MotionNotify) loupe_->Follow({e.xmotion.x_root, e.xmotion.y_root}, MonitorRects());
  if (e.type == EnterNotify) loupe_->Follow({e.xcrossing.x_root, e.xcrossing.y_root}, MonitorRects());
  if (e.type == Expose && e.xexpose.window == loupe_->Window()) loupe_->Repaint();
}

void X11Desktop::DestroyWindow(DesktopWindow* window) {
  auto it = std::find_if(windows_.begin(), windows_.end(), [window](const auto& w) { return w.get() == window; });
  if (it == windows_.end()) return;
  {
    X11ErrorTrap trap(display_);
    XDestroyWindow(display_, (*it)->Xid());
  }
  windows_.erase(it);
  if (windows_.empty()) {
    loupe_.reset();
    Ungrab();
  }
}

void X11Desktop::Grab() {
  if (windows_.empty()) return;
  const ::Window target = windows_.front()->Xid();
  const Cursor cursor = CursorFor(windows_.front()->Class().cursor);
  // Events over any of the picker's windows go to that window, elsewhere
  // (between monitors) to the first one.
  if (!pointerGrabbed_) {
    pointerGrabbed_ = XGrabPointer(display_, target, True, kPointerEvents, GrabModeAsync, GrabModeAsync, None, cursor,
                                   CurrentTime) == GrabSuccess;
  }
  if (!keyboardGrabbed_) {
    keyboardGrabbed_ = XGrabKeyboard(display_, target, True, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
  }
}

void X11Desktop::Ungrab() {
  if (pointerGrabbed_) XUngrabPointer(display_, CurrentTime);
  if (keyboardGrabbed_) XUngrabKeyboard(display_, CurrentTime);
  pointerGrabbed_ = keyboardGrabbed_ = false;
  XFlush(display_);
}

bool X11Desktop::ReadPixel(int32_t x, int32_t y, uint32_t& pixel) {
  std::vector<uint32_t> read;
  const bool ok = loupe_ ? loupe_->Read({x, y, 1, 1}, read) : X11ScreenReader::Read(display_, {x, y, 1, 1}, read);
  if (ok) pixel = read[0];
  return ok;
}

X11Desktop::X11Window* X11Desktop::Find(unsigned long xid) const {
  for (const auto& w : windows_) {
    if (w->Xid() == xid) return w.get();
  }
  return nullptr;
}

bool X11Desktop::Translate(const XEvent& e, GxaWindowMessage& msg) const {
  msg = {};
  switch (e.type) {
    case MotionNotify: msg = {GXA_WINDOW_MOUSE_MOVE, e.xmotion.x, e.xmotion.y, 0, 0, 0.0}; return true;
    case EnterNotify: msg = {GXA_WINDOW_MOUSE_MOVE, e.xcrossing.x, e.xcrossing.y, 0, 0, 0.0}; return true;
    case ButtonPress:
    case ButtonRelease: {
      const unsigned b = e.xbutton.button;
      const bool press = e.type == ButtonPress;
      if (b >= 4 && b <= 7) {
        // Wheel notches come as presses; their releases mean nothing.
        if (!press) return false;
        msg = {GXA_WINDOW_WHEEL, e.xbutton.x, e.xbutton.y, GXA_CHANNEL_WHEEL, 0, b == 4 || b == 6 ? 1.0 : -1.0};
        return true;
      }
      const int32_t channel = b == 1 ? GXA_CHANNEL_LEFT : b == 2 ? GXA_CHANNEL_MIDDLE : b == 3 ? GXA_CHANNEL_RIGHT : 0;
      if (channel == 0) return false;
      msg = {press ? GXA_WINDOW_BUTTON_DOWN : GXA_WINDOW_BUTTON_UP, e.xbutton.x, e.xbutton.y, channel, 0, 0.0};
      return true;
    }
    case KeyPress:
    case KeyRelease: {
      XKeyEvent key = e.xkey;
      msg = {
          e.type == KeyPress ? GXA_WINDOW_KEY_DOWN : GXA_WINDOW_KEY_UP, 0, 0, 0, KeyCode(XLookupKeysym(&key, 0)), 0.0};
      return msg.key != 0;
    }
    default: return false;
  }
}

bool X11Desktop::Pump() {
  if (!display_) return false;
  Grab();
  bool delivered = false;
  while (XPending(display_) > 0) {
    XEvent e;
    XNextEvent(display_, &e);
    // Only the latest position matters; reading every pixel on the way would lag.
    if (e.type == MotionNotify) {
      while (XCheckTypedWindowEvent(display_, e.xmotion.window, MotionNotify, &e)) {}
    }
    // The loupe moves before the picker reads the pixel it no longer covers.
    FollowPointer(e);
    GxaWindowMessage msg;
    if (!Translate(e, msg)) continue;
    // A message may have ended the picker: its windows are looked up anew.
    X11Window* target = Find(e.xany.window);
    if (!target) continue;
    DesktopWindow::Deliver(target, msg);
    delivered = true;
  }
  return delivered;
}

}  // namespace host
