#include "platform/x11screenreader.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "platform/x11errortrap.h"

namespace host {

namespace {

int Shift(unsigned long mask) {
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  return shift;
}

}  // namespace

uint32_t X11ScreenReader::Channel(unsigned long value, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = Shift(mask);
  const unsigned long max = mask >> shift;
  return uint32_t(((value & mask) >> shift) * 255 / max);
}

unsigned long X11ScreenReader::ToMask(uint8_t channel, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = Shift(mask);
  const unsigned long max = mask >> shift;
  return ((channel * max + 127) / 255) << shift;
}

bool X11ScreenReader::Read(Display* display, const Rect& area, std::vector<uint32_t>& pixels) {
  if (!display || area.IsEmpty()) return false;
  pixels.assign(size_t(area.w) * size_t(area.h), 0);
  const int screen = DefaultScreen(display);
  const Rect shown = area.Intersect({0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)});
  if (shown.IsEmpty()) return false;
  X11ErrorTrap trap(display);
  XImage* image = XGetImage(display, DefaultRootWindow(display), shown.x, shown.y, unsigned(shown.w), unsigned(shown.h),
                            AllPlanes, ZPixmap);
  const bool ok = trap.Ok() && image;
  for (int y = 0; ok && y < shown.h; ++y) {
    uint32_t* row = &pixels[size_t(shown.y - area.y + y) * size_t(area.w) + size_t(shown.x - area.x)];
    for (int x = 0; x < shown.w; ++x) {
      const unsigned long value = XGetPixel(image, x, y);
      row[x] = Channel(value, image->red_mask) | (Channel(value, image->green_mask) << 8) |
               (Channel(value, image->blue_mask) << 16);
    }
  }
  if (image) XDestroyImage(image);
  return ok;
}

}  // namespace host
