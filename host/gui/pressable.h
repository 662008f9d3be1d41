#pragma once
// A gadget that acts when clicked: it shows pressed while the left button is
// down over it and acts only when released inside. Space acts too while it
// has the focus, and Enter unless the gadget leaves Enter to its dialog.
#include "gui/widget.h"

namespace host {

class Pressable : public Widget {
 public:
  Pressable(int32_t id, int32_t flags) : Widget(id, flags) {}

  bool AcceptsFocus() const override { return IsEnabled(); }
  bool IsPressed() const { return pressed_; }

  bool OnMouseDown(const InputEvent& e, EventContext& ctx) override;
  void OnMouseDrag(const InputEvent& e, EventContext& ctx) override;
  void OnMouseUp(const InputEvent& e, EventContext& ctx) override;
  bool OnKey(const InputEvent& e, EventContext& ctx) override;

 protected:
  virtual void Activate(const InputEvent& e, EventContext& ctx) = 0;
  // Whether a press may start here (a file field's text part says no).
  virtual bool PressesAt(Point) const { return true; }
  virtual bool PressedByEnter() const { return true; }

 private:
  bool tracking_ = false;
  bool pressed_ = false;
};

}  // namespace host
