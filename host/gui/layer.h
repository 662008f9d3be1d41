#pragma once
// One surface of the screen: the main window's dialog, a modal dialog or a
// popup menu. A layer lays its widget tree out, keeps its own framebuffer
// (painted by the compositor) and sits at a position in the window.
#include <memory>
#include <vector>

#include "gui/guitypes.h"
#include "raster/framebuffer.h"

namespace host {

class Dialog;
class Widget;

class Layer {
 public:
  // An overlay lies on the window without dimming or shadow and takes no
  // input: it shows the progress of work inside a module call.
  enum class Kind { Window, Modal, Popup, Overlay };

  // root is borrowed (a dialog's tree) unless given as owned.
  Layer(Kind kind, Widget& root, Dialog* dialog = nullptr);
  Layer(Kind kind, std::unique_ptr<Widget> ownedRoot);
  ~Layer();
  Layer(const Layer&) = delete;
  Layer& operator=(const Layer&) = delete;

  Kind GetKind() const { return kind_; }
  bool IsModal() const { return kind_ == Kind::Modal || kind_ == Kind::Popup; }
  Widget* Root() const { return root_; }
  Dialog* OwnerDialog() const { return dialog_; }

  Point Origin() const { return origin_; }
  void SetOrigin(Point origin);
  Size GetSize() const { return size_; }
  Rect Bounds() const { return {origin_.x, origin_.y, size_.w, size_.h}; }
  // A window layer takes the window's size; other layers fit their content,
  // at least this large.
  void SetSize(Size size);
  void SetMinimumSize(Size size);

  void RequestLayout() { needsLayout_ = true; }
  bool NeedsLayout() const { return needsLayout_; }
  // Measures and arranges now. A request made while this runs (a gadget that
  // changes its minimum when it is sized) leads to another pass.
  void Relayout();
  void EnsureLayout() {
    if (needsLayout_) Relayout();
  }
  Size MinimumSize() const { return minimum_; }

  void NoteDirty() { dirty_ = true; }
  bool HasDirty() const { return dirty_; }
  void ClearDirty() { dirty_ = false; }
  // What was painted since the frame was last composed, in layer coordinates.
  void AddDamage(const Rect& r);
  std::vector<Rect> TakeDamage() { return std::move(damage_); }
  bool NeedsFullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool full) { fullRepaint_ = full; }
  Framebuffer& Pixels() { return pixels_; }

  // The root widget is going away.
  void Detach(Widget& root);

 private:
  Kind kind_;
  Widget* root_;
  std::unique_ptr<Widget> owned_;
  Dialog* dialog_;
  Point origin_;
  Size size_;
  Size requested_;
  Size minimum_;
  bool needsLayout_ = true;
  bool inLayout_ = false;
  bool dirty_ = true;
  bool fullRepaint_ = true;
  Framebuffer pixels_;
  std::vector<Rect> damage_;
};

}  // namespace host
