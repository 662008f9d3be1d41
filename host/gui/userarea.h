#pragma once
// A user-drawn gadget of the module: the object behind a GxaUserArea handle.
// The module creates it with its callback table, attaches it to a user-area
// gadget of a dialog, and draws it through the host's drawing calls while
// the host asks it to draw. Every callback runs as a module call.
#include <memory>
#include <optional>

#include "core/container.h"
#include "gui/guitypes.h"
#include "gui/mousedragloop.h"
#include "gui/userareadrawing.h"
#include "gxa_api.h"

namespace host {

class Canvas;
class Dialog;
class UserAreaWidget;

class UserArea {
 public:
  // Focus redraws: the module may skip them and keep what it drew.
  static constexpr int32_t kReasonFocusGained = 0x62474643;
  static constexpr int32_t kReasonFocusLost = 0x624C4643;
  // Attach flag: the area paints the whole of its frame, so the host does
  // not fill its background first.
  static constexpr int32_t kPaintsWholeFrame = 0x40000000;

  UserArea(const GxaUserAreaCallbacks* callbacks, void* user);
  ~UserArea();
  UserArea(const UserArea&) = delete;
  UserArea& operator=(const UserArea&) = delete;

  // Null for a handle that is not a live user area.
  static UserArea* FromHandle(GxaUserArea* handle);
  GxaUserArea* Handle() { return reinterpret_cast<GxaUserArea*>(this); }

  UserAreaWidget* Widget() const { return widget_; }
  void SetWidget(UserAreaWidget* widget) { widget_ = widget; }
  Dialog* OwnerDialog() const;
  int32_t GadgetId() const;
  bool IsEnabled() const;
  Size CurrentSize() const;

  // --- calls into the module
  void Init();
  std::optional<Size> MinSize();
  void Sized(Size size);
  // clip is local; reason goes into the message as GXA_DRAW_REASON.
  void Draw(const Rect& clip, int32_t reason);
  bool Input(const Container& msg);
  int32_t Message(const Container& msg, Container& result);
  bool CoreMessage(int32_t id, const Container& msg);
  void Destroyed();

  // What the host does with a message the area leaves alone: drag-receive
  // messages go on to the dialog.
  int32_t DefaultMessage(const Container& msg, Container& result);

  // --- drawing, mouse drags, timers
  UserAreaDrawing& Drawing() { return drawing_; }
  // Drawing outside a draw call goes straight to the area's place in the frame.
  bool BeginOffscreen();
  void EndOffscreen();
  void StartMouseDrag(int32_t channel, Point localStart);
  MouseDragLoop* DragLoop() { return drag_.get(); }
  int32_t EndMouseDrag();

 private:
  GxaUserAreaCallbacks callbacks_{};
  void* user_;
  UserAreaWidget* widget_ = nullptr;
  UserAreaDrawing drawing_;
  std::unique_ptr<Canvas> direct_;
  std::unique_ptr<MouseDragLoop> drag_;
};

}  // namespace host
