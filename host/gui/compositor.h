#pragma once
// Paints layers and stacks them into the frame. Each layer keeps its own
// framebuffer: after a layout it is painted whole, otherwise only the widgets
// marked dirty (a dirty group repaints everything inside it). The frame is
// the window layer with the others on top; below a modal layer the window is
// dimmed, and modal layers and popups cast a soft shadow.
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
  void Compose(const std::vector<Layer*>& layers, Size window, int scale, const InterfaceColors& colors,
               Framebuffer& out);
  // A canvas on the widget's place in its layer (origin at the widget, clipped
  // to its visible part), for drawing outside a paint.
  std::unique_ptr<Canvas> CanvasFor(Widget& widget);

 private:
  void PaintTree(Widget& widget, PaintContext& ctx, bool force);
  static void Blit(const Framebuffer& src, Framebuffer& dst, Point at);
  static void Dim(Framebuffer& fb, int percent);
  static void Shadow(Framebuffer& fb, const Rect& physical, int radius);
};

}  // namespace host
