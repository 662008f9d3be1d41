#pragma once
// Paints layers and stacks them into the frame. Each layer keeps its own
// framebuffer: after a layout it is painted whole, otherwise only the widgets
// marked dirty (a dirty group repaints everything inside it). The frame is
// the window layer with the others on top; below a modal layer the window is
// dimmed, and modal layers and popups cast a soft shadow. A layer notes the
// rectangles it painted, so that a small change is composed and shown alone.
#include <memory>
#include <vector>

#include "gui/layer.h"
#include "raster/canvas.h"
#include "raster/interfacecolors.h"

namespace host {

class PaintContext;
class Widget;

class Compositor {
 public:
  // True when anything was painted.
  bool PaintLayer(Layer& layer, int scale, const InterfaceColors& colors, const Widget* focus);
  // Composes the parts of the frame given by damage (physical pixels).
  void Compose(const std::vector<Layer*>& layers, Size window, int scale, const InterfaceColors& colors,
               Framebuffer& out, const std::vector<Rect>& damage);
  // A canvas on the widget's place in its layer (origin at the widget, clipped
  // to its visible part), for drawing outside a paint.
  std::unique_ptr<Canvas> CanvasFor(Widget& widget);

 private:
  // Damage goes to the layer unless the whole layer is painted anyway.
  void PaintTree(Widget& widget, PaintContext& ctx, bool force, Layer* damaged);
  static void Blit(const Framebuffer& src, Framebuffer& dst, Point at, const Rect& clip);
  static void Dim(Framebuffer& fb, int percent, const Rect& clip);
  static void Shadow(Framebuffer& fb, const Rect& physical, int radius, const Rect& clip);
};

}  // namespace host
