#pragma once
// Where the screen's frames go and its input comes from. The headless front
// end keeps frames in memory and reads input from a queue; a window front end
// (SDL2) shows frames and turns window events into InputEvents. Both see the
// same calls:
//
//   Present   once per composed frame, with physical pixels at DisplayScale()
//             and the rectangles that changed since the last one (the whole
//             frame when its size did);
//   NextEvent whenever the host loop (or a nested loop: mouse drag, popup,
//             modal dialog, drag and drop) wants input; it may wait up to
//             timeoutMs; Exhausted means no input will ever come again (the
//             script is done or the window is gone), and loops then end,
//             cancelling what they were asking for;
//   KeepAlive while the host works inside a module call without taking input
//             (a picture decoding): the window handles its own events
//             (exposure, size, closing) and keeps input for after the call;
//             false once the window was closed, or Escape pressed in it:
//             the work should stop;
//   SetCursor / ShowTooltip as the pointer moves over gadgets;
//   NowMs     the clock timers run on;
//   SetClipboardText / ClipboardText  the desktop's clipboard (what Ctrl+C
//             copies) and its primary selection (what is selected, on X11);
//             a front end without a desktop keeps both itself.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gui/guitypes.h"
#include "gui/inputevent.h"
#include "raster/framebuffer.h"

namespace host {

class Frontend {
 public:
  enum class Poll {
    Event,      // out holds the next event
    Idle,       // nothing yet; ask again
    Exhausted,  // nothing will come
  };

  enum class Selection { Clipboard, Primary };

  virtual ~Frontend() = default;

  virtual void Present(const Framebuffer& frame, const std::vector<Rect>& damage) = 0;
  virtual Poll NextEvent(InputEvent& out, int timeoutMs) = 0;
  virtual bool KeepAlive() = 0;
  virtual void SetCursor(int32_t shape) = 0;
  // Empty text hides the tooltip; position is global.
  virtual void ShowTooltip(const std::string& text, Point position) = 0;
  // Logical size of the window; {0, 0} lets the screen fit its content.
  virtual Size WindowSize() const = 0;
  // 1 or 2: physical pixels per logical pixel.
  virtual int DisplayScale() const = 0;
  virtual int64_t NowMs() const = 0;
  virtual void SetClipboardText(Selection which, const std::string& text) = 0;
  // Nothing when the selection holds no text.
  virtual std::optional<std::string> ClipboardText(Selection which) = 0;
};

}  // namespace host
