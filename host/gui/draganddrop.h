#pragma once
// Dragging typed data between gadgets. A drag starts once the pointer moves
// a few pixels with the button held (a release before that is a plain click).
// While it hovers, the gadget under the pointer receives drag-receive
// messages (10003): its user area first, or else its dialog, with the data,
// its type, the gadget ID and the local position; the gadget it leaves gets
// one marked lost. The release drops (finished = 1); Escape or the right
// button cancels (escaped = 1). Files dragged in from outside arrive as one
// finished drop of type 202 with the path. Dragged colours follow the
// pointer as small tiles; the cursor tells whether the gadget below takes
// them.
#include <cstdint>

#include "core/value.h"
#include "gui/inputevent.h"

namespace host {

class Layer;
class Screen;
class Widget;

class DragAndDrop {
 public:
  static constexpr int kStartDistance = 4;

  explicit DragAndDrop(Screen& screen) : screen_(screen) {}

  // True when a gadget took the drop.
  bool Run(int32_t type, const Value& data);
  bool DropFiles(const InputEvent& e);

 private:
  enum Phase { kHover, kDrop, kEscape, kLost };

  // The gadget's answer (non-zero: it takes the data).
  int32_t Send(Widget& target, Point global, Phase phase);
  Widget* TargetAt(Point global) const;
  // The top layer under the drag image.
  Layer* TargetLayer() const;
  void ShowImage(Point global);
  void MoveImage(Point global);
  void HideImage();
  // Still part of the top layer's tree.
  bool IsShown(const Widget* w) const;
  bool WaitForStart(Point& at);
  void Hover(Point global);

  Screen& screen_;
  int32_t type_ = 0;
  Value data_;
  Widget* target_ = nullptr;
  Layer* image_ = nullptr;
};

}  // namespace host
