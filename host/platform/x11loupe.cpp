#include "platform/x11loupe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>

#include "platform/loupeimage.h"
#include "platform/loupeplacement.h"
#include "platform/x11errortrap.h"
#include "platform/x11screenreader.h"

namespace host {

X11Loupe::X11Loupe(Display* display) : display_(display) {}

X11Loupe::~X11Loupe() {
  if (!display_ || !window_) return;
  X11ErrorTrap trap(display_);
  if (gc_) XFreeGC(display_, gc_);
  XDestroyWindow(display_, window_);
  XFlush(display_);
}

bool X11Loupe::Read(const Rect& area, std::vector<uint32_t>& pixels) const {
  if (!X11ScreenReader::Read(display_, area, pixels)) return false;
  cover_.Patch(area, pixels);
  return true;
}

void X11Loupe::MoveTo(const Rect& place) {
  std::vector<uint32_t> under;
  Read(place, under);
  // Kept before the window gets there, while the desktop still shows.
  cover_.Cover(place, std::move(under));
  X11ErrorTrap trap(display_);
  if (!window_) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.event_mask = ExposureMask;
    window_ =
        XCreateWindow(display_, DefaultRootWindow(display_), place.x, place.y, unsigned(place.w), unsigned(place.h), 0,
                      CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);
    XStoreName(display_, window_, "color picker loupe");
    gc_ = XCreateGC(display_, window_, 0, nullptr);
    XMapRaised(display_, window_);
  } else {
    XMoveWindow(display_, window_, place.x, place.y);
    XRaiseWindow(display_, window_);
  }
}

void X11Loupe::Follow(Point pointer, const std::vector<Rect>& monitors) {
  if (!display_) return;
  const Rect monitor = LoupePlacement::MonitorAt(pointer, monitors);
  if (monitor.IsEmpty()) return;
  const Rect place = LoupePlacement::Place(pointer, monitor, LoupeImage::kWidth, LoupeImage::kHeight);
  if (!window_ || place != cover_.Current()) MoveTo(place);
  constexpr int kHalf = LoupeImage::kSide / 2;
  std::vector<uint32_t> around;
  Read({pointer.x - kHalf, pointer.y - kHalf, LoupeImage::kSide, LoupeImage::kSide}, around);
  image_ = LoupeImage::Draw(around);
  Repaint();
}

void X11Loupe::Repaint() {
  if (!window_ || image_.IsEmpty()) return;
  X11ErrorTrap trap(display_);
  const int screen = DefaultScreen(display_);
  Visual* visual = DefaultVisual(display_, screen);
  XImage* image = XCreateImage(display_, visual, unsigned(DefaultDepth(display_, screen)), ZPixmap, 0, nullptr,
                               unsigned(image_.Width()), unsigned(image_.Height()), 32, 0);
  if (!image) return;
  image->data = static_cast<char*>(std::calloc(size_t(image->bytes_per_line) * size_t(image->height), 1));
  for (int y = 0; image->data && y < image_.Height(); ++y) {
    for (int x = 0; x < image_.Width(); ++x) {
      const Rgba c = image_.GetPixel(x, y);
      XPutPixel(image, x, y,
                X11ScreenReader::ToMask(c.r, visual->red_mask) | X11ScreenReader::ToMask(c.g, visual->green_mask) |
                    X11ScreenReader::ToMask(c.b, visual->blue_mask));
    }
  }
  if (image->data) {
    XPutImage(display_, window_, gc_, image, 0, 0, 0, 0, unsigned(image_.Width()), unsigned(image_.Height()));
  }
  XDestroyImage(image);
  XFlush(display_);
}

}  // namespace host
