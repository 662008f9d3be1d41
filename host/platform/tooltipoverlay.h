#pragma once
// The tooltip of the gadget under the pointer: it waits until the pointer
// has rested on the same gadget for a moment, then shows as a small box
// below and right of the pointer, kept inside the window. Its markup shows
// as bold and italic words on one line or more.
#include <cstdint>
#include <string>

#include "gui/guitypes.h"
#include "raster/framebuffer.h"
#include "raster/interfacecolors.h"

namespace host {

class Canvas;

class TooltipOverlay {
 public:
  static constexpr int64_t kDelayMs = 600;

  // A new text starts the wait again; the same text keeps it; empty hides.
  void Set(const std::string& text, Point position, int64_t now);
  void Hide() { text_.clear(); }
  // Visible at this time.
  bool IsShown(int64_t now) const { return !text_.empty() && now >= due_; }
  // Milliseconds until it shows, -1 when nothing waits.
  int64_t WaitFrom(int64_t now) const;
  const std::string& Text() const { return text_; }

  // The box in logical pixels for a window of this size.
  Rect Box(Size window) const;
  void Paint(Framebuffer& frame, const InterfaceColors& colors) const;

 private:
  // Every span of the text where it is drawn, from the box's top left.
  template <typename Visit>
  Size ForEachSpan(Canvas& canvas, Visit&& visit) const;

  std::string text_;
  Point position_;
  int64_t due_ = 0;
};

}  // namespace host
