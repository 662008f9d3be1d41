#pragma once
// A gadget of a host dialog: the node type of the dialog tree. Groups hold
// other widgets; every other widget is a leaf. Frames are logical pixels in
// the coordinates of the layer (window, modal dialog or popup) that shows the
// tree; the layout engine fills them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/value.h"
#include "gui/guitypes.h"
#include "gui/numbersetting.h"

namespace host {

class Dialog;
class EventContext;
class Group;
class Layer;
class PaintContext;
class ScrollGroup;
struct InputEvent;

class Widget {
 public:
  // Told about every widget that goes away (the event router drops its
  // pointers to it).
  using DestroyHook = void (*)(Widget*);
  static void SetDestroyHook(DestroyHook hook) { destroyHook_ = hook; }

  Widget(int32_t id, int32_t flags);
  virtual ~Widget();
  Widget(const Widget&) = delete;
  Widget& operator=(const Widget&) = delete;

  int32_t Id() const { return id_; }
  int32_t Flags() const { return flags_; }
  void SetFlags(int32_t flags) { flags_ = flags; }
  int32_t WidthHint() const { return widthHint_; }
  int32_t HeightHint() const { return heightHint_; }
  void SetHints(int32_t w, int32_t h);

  // --- tree
  Widget* Parent() const { return parent_; }
  void SetParent(Widget* parent) { parent_ = parent; }
  virtual size_t ChildCount() const { return 0; }
  virtual Widget* ChildAt(size_t) const { return nullptr; }
  virtual Group* AsGroup() { return nullptr; }
  virtual ScrollGroup* AsScrollGroup() { return nullptr; }
  // The dialog whose gadget this is (its callbacks receive the changes).
  Dialog* OwnerDialog() const { return dialog_; }
  void SetOwnerDialog(Dialog* dialog) { dialog_ = dialog; }
  // The layer that shows the tree: set on the root, found from any node.
  Layer* OwnerLayer() const;
  void SetLayer(Layer* layer) { layer_ = layer; }
  // True when ancestor is this widget or lies above it.
  bool IsInside(const Widget* ancestor) const;

  // --- state
  bool IsEnabled() const;  // its own state and every ancestor's
  bool IsEnabledSelf() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool IsHidden() const { return hidden_; }
  bool IsShown() const;  // neither it nor an ancestor is hidden
  void SetHidden(bool hidden);

  // --- layout
  const Rect& Frame() const { return frame_; }
  Size MinSize() const { return minSize_; }
  void SetMinSize(Size s) { minSize_ = s; }
  // The widget's own minimum before hints; groups are measured by the engine.
  virtual Size NaturalSize(const TextMeasure&) { return {}; }
  // Called by the layout engine; reports a change of size to OnResized.
  void ApplyFrame(const Rect& frame);
  // Moves the frame (and the children's) without resizing: scrolling.
  void Shift(int dx, int dy);
  // The part of the frame a scroll group above leaves visible.
  Rect VisibleFrame() const;
  // Frame in window coordinates.
  Rect GlobalFrame() const;
  // A window point in layer coordinates, and in coordinates local to the frame.
  Point LayerPoint(Point global) const;
  Point LocalPoint(Point global) const;
  // The deepest shown widget at a layer point, or null.
  Widget* HitTest(Point p);

  // Expires when the widget goes: a handler that calls into the module (which
  // may rebuild the layout under it) checks it before touching itself again.
  std::weak_ptr<const int> Life() const { return life_; }

  // --- drawing
  void Invalidate();
  bool IsDirty() const { return dirty_; }
  void ClearDirty() { dirty_ = false; }
  virtual void Paint(PaintContext&) {}
  // A user area paints its own background; others get the dialog's first.
  virtual bool PaintsOwnBackground() const { return false; }

  // --- input
  virtual bool AcceptsFocus() const { return false; }
  virtual bool OnMouseDown(const InputEvent&, EventContext&) { return false; }
  virtual void OnMouseDrag(const InputEvent&, EventContext&) {}  // while it holds the capture
  virtual void OnMouseUp(const InputEvent&, EventContext&) {}
  virtual bool OnWheel(const InputEvent&, EventContext&) { return false; }
  virtual bool OnKey(const InputEvent&, EventContext&) { return false; }
  virtual void OnFocusChanged(bool /*gained*/, EventContext&) {}
  virtual CursorInfo Cursor(Point /*global*/) { return {}; }

  // --- values (false / nothing when the gadget has no such value)
  virtual bool SetNumber(const NumberSetting&) { return false; }
  virtual bool SetText(const std::string&) { return false; }
  virtual bool SetChecked(bool) { return false; }
  virtual bool SetData(const Value& value);
  virtual std::optional<double> Number() const { return std::nullopt; }
  virtual std::optional<std::string> Text() const { return std::nullopt; }
  virtual std::optional<bool> Checked() const { return std::nullopt; }
  virtual std::optional<Value> Data() const;

 protected:
  virtual void OnResized() {}
  // Layout-relevant change: the layer lays the tree out again.
  void RequestLayout();

 private:
  int32_t id_;
  int32_t flags_;
  int32_t widthHint_ = 0;
  int32_t heightHint_ = 0;
  Widget* parent_ = nullptr;
  Dialog* dialog_ = nullptr;
  Layer* layer_ = nullptr;
  bool enabled_ = true;
  bool hidden_ = false;
  bool dirty_ = true;
  Rect frame_;
  Size minSize_;
  std::shared_ptr<const int> life_ = std::make_shared<const int>(0);

  static DestroyHook destroyHook_;
};

}  // namespace host
