#pragma once
// What a widget paints with: the layer's canvas (origin at the layer's top
// left, clipped to the widget), the interface colours and the focus.
#include "raster/canvas.h"
#include "raster/interfacecolors.h"

namespace host {

class Widget;

class PaintContext {
 public:
  PaintContext(Canvas& canvas, const InterfaceColors& colors, const Widget* focus)
      : canvas_(canvas), colors_(colors), focus_(focus) {}

  Canvas& Target() { return canvas_; }
  const InterfaceColors& Colors() const { return colors_; }
  Rgba Color(int id) const { return colors_.GetOr(id, {255, 0, 255}); }
  bool HasFocus(const Widget& w) const { return focus_ == &w; }
  int Scale() const { return canvas_.Scale(); }
  // The widget's place was painted over before it paints: nothing of its
  // last picture is left there.
  bool Covered() const { return covered_; }
  void SetCovered(bool covered) { covered_ = covered; }

 private:
  Canvas& canvas_;
  const InterfaceColors& colors_;
  const Widget* focus_;
  bool covered_ = false;
};

}  // namespace host
