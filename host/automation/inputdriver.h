#pragma once
// Scripted input: presses, drags, wheel turns, keys and typing at positions
// local to a gadget, turned into the host's input events and handed to the
// screen through its one event path. A whole gesture is queued before the
// screen runs, so a user area's mouse-drag loop (or a popup, or a modal
// dialog) takes the rest of it from the same queue as it would from a
// window. Positions are logical pixels; a missing position means the
// gadget's centre.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gui/inputevent.h"

namespace host {

class HeadlessFrontend;
class Screen;
class Value;
class Widget;

class InputDriver {
 public:
  enum class Commit { Enter, Tab, None };

  InputDriver(Screen& screen, HeadlessFrontend& frontend) : screen_(screen), frontend_(frontend) {}

  void Click(Widget& w, std::optional<Point> at, int32_t channel, int32_t qualifiers, bool doubleClick);
  // Press at the first point, move through the others, release at the last;
  // cancel presses Escape before the release.
  void Drag(Widget& w, const std::vector<Point>& path, int32_t channel, int32_t qualifiers, bool cancel);
  void Wheel(Widget& w, std::optional<Point> at, double dx, double dy, int32_t qualifiers);
  // A key press and release; the gadget, when given, takes the focus first
  // as a Tab to it would.
  void Key(Widget* w, int32_t key, int32_t qualifiers);
  // The pointer comes to rest over the point; the cursor and tooltip shown then.
  void Hover(Widget& w, std::optional<Point> at);
  int32_t Cursor() const;
  const std::string& Tooltip() const;
  // A drag of typed data of any type begun elsewhere in the application (no
  // gadget of the window pressed), carried over the point and dropped there:
  // the cursor its last hover showed, and whether the gadget took it.
  struct DragIn {
    int32_t hoverCursor = 0;
    bool taken = false;
  };
  DragIn DragData(Widget& to, std::optional<Point> at, int32_t type, const Value& data);
  // Files dragged in from outside the program and dropped at the point.
  void DropFiles(Widget& to, std::optional<Point> at, const std::vector<std::string>& files);
  // Double-clicks into the field's text (which selects it), types text and
  // commits it.
  void Type(Widget& field, const std::string& text, Commit commit);

  // The window position of a gadget-local point (after laying out).
  Point Global(Widget& w, std::optional<Point> at);
  // Queues the events and handles them as the main loop does.
  void Run(const std::vector<InputEvent>& events);

 private:
  Screen& screen_;
  HeadlessFrontend& frontend_;
};

}  // namespace host
