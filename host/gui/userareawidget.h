#pragma once
// The gadget a user area is attached to. It asks the area for its minimum
// size, tells it its new size, has it draw into the frame (the focus redraws
// with their own draw reasons) and hands it mouse presses, wheel turns and
// keys as 'bIPN' messages. Its dialog sees a mouse press and a 'cinf'
// cursor request first and may answer for it (as the chooser does for its
// wheel); otherwise the cursor and tooltip come from the area's answer.
#include "gui/widget.h"

namespace host {

class UserArea;

class UserAreaWidget : public Widget {
 public:
  UserAreaWidget(int32_t id, int32_t flags) : Widget(id, flags) {}
  ~UserAreaWidget() override;

  // Attaching runs the area's Init; an area attached elsewhere moves here.
  bool Attach(UserArea& area, int32_t attachFlags);
  UserArea* Area() const { return area_; }
  int32_t AttachFlags() const { return attachFlags_; }
  void AreaGone() { area_ = nullptr; }
  // The area asked to be drawn again (reason 0 wins over a focus reason).
  void RequestDraw();

  Size NaturalSize(const TextMeasure&) override;
  bool PaintsOwnBackground() const override { return true; }
  void Paint(PaintContext& ctx) override;
  bool AcceptsFocus() const override;
  bool OnMouseDown(const InputEvent& e, EventContext& ctx) override;
  bool OnWheel(const InputEvent& e, EventContext& ctx) override;
  bool OnKey(const InputEvent& e, EventContext& ctx) override;
  void OnFocusChanged(bool gained, EventContext& ctx) override;
  CursorInfo Cursor(Point global) override;

 protected:
  void OnResized() override;

 private:
  bool Deliver(const InputEvent& e);

  UserArea* area_ = nullptr;
  int32_t attachFlags_ = 0;
  int32_t reason_ = 0;
  Rect painted_;
  bool focusRing_ = false;
};

}  // namespace host
