#include "gui/compositor.h"

#include <algorithm>

#include "gui/paintcontext.h"
#include "gui/widget.h"

namespace host {

bool Compositor::PaintLayer(Layer& layer, int scale, const InterfaceColors& colors, const Widget* focus) {
  Widget* root = layer.Root();
  if (!root) return false;
  layer.EnsureLayout();
  const Size size = layer.GetSize();
  Framebuffer& fb = layer.Pixels();
  bool full = layer.NeedsFullRepaint();
  if (fb.LogicalWidth() != size.w || fb.LogicalHeight() != size.h || fb.Scale() != scale) {
    if (size.w <= 0 || size.h <= 0) return false;
    fb.Resize(size.w, size.h, scale);
    full = true;
  }
  if (!full && !layer.HasDirty()) return false;
  // Cleared first: a gadget that changes the layout while it draws asks again.
  layer.SetFullRepaint(false);
  layer.ClearDirty();
  Canvas canvas(fb);
  PaintContext ctx(canvas, colors, focus);
  if (full) {
    fb.Fill(colors.GetOr(InterfaceColors::kBackground, {51, 51, 51}));
    layer.AddDamage({0, 0, size.w, size.h});
  }
  PaintTree(*root, ctx, full, full ? nullptr : &layer);
  return true;
}

void Compositor::PaintTree(Widget& widget, PaintContext& ctx, bool force, Layer* damaged) {
  if (widget.IsHidden()) return;
  const bool repaint = force || widget.IsDirty();
  const Rect visible = widget.VisibleFrame();
  if (repaint && !visible.IsEmpty()) {
    if (damaged && !force) damaged->AddDamage(visible);
    Canvas& canvas = ctx.Target();
    canvas.PushClip(visible);
    if (!widget.PaintsOwnBackground() && !force) canvas.FillRect(visible, ctx.Color(InterfaceColors::kBackground));
    ctx.SetCovered(force);
    widget.Paint(ctx);
    canvas.PopClip();
  }
  widget.ClearDirty();
  // A repainted group has covered its children: they paint again too.
  const bool childrenForced = repaint && widget.ChildCount() > 0;
  for (size_t i = 0; i < widget.ChildCount(); ++i) PaintTree(*widget.ChildAt(i), ctx, childrenForced, damaged);
}

std::unique_ptr<Canvas> Compositor::CanvasFor(Widget& widget) {
  Layer* layer = widget.OwnerLayer();
  if (!layer || layer->Pixels().IsEmpty()) return nullptr;
  auto canvas = std::make_unique<Canvas>(layer->Pixels());
  canvas->PushClip(widget.VisibleFrame());
  canvas->SetOrigin({widget.Frame().x, widget.Frame().y});
  layer->NoteDirty();
  layer->AddDamage(widget.VisibleFrame());
  return canvas;
}

void Compositor::Compose(const std::vector<Layer*>& layers, Size window, int scale, const InterfaceColors& colors,
                         Framebuffer& out, const std::vector<Rect>& damage) {
  if (window.w <= 0 || window.h <= 0) return;
  if (out.LogicalWidth() != window.w || out.LogicalHeight() != window.h || out.Scale() != scale) {
    out.Resize(window.w, window.h, scale);
  }
  const Rgba background = colors.GetOr(InterfaceColors::kBackground, {51, 51, 51});
  for (const Rect& part : damage) {
    const Rect clip = part.Intersect({0, 0, out.Width(), out.Height()});
    if (clip.IsEmpty()) continue;
    for (int y = clip.y; y < clip.Bottom(); ++y)
      std::fill_n(out.Row(y) + clip.x, clip.w, Framebuffer::Pack(background));
    for (Layer* layer : layers) {
      if (!layer->Root() || layer->Pixels().IsEmpty()) continue;
      const Point o = layer->Origin();
      if (layer->IsModal()) {
        if (layer->GetKind() == Layer::Kind::Modal) Dim(out, 55, clip);
        const Rect r{o.x * scale, o.y * scale, layer->Pixels().Width(), layer->Pixels().Height()};
        Shadow(out, r, 6 * scale, clip);
      }
      Blit(layer->Pixels(), out, {o.x * scale, o.y * scale}, clip);
    }
  }
}

void Compositor::Blit(const Framebuffer& src, Framebuffer& dst, Point at, const Rect& clip) {
  const Rect area = Rect{at.x, at.y, src.Width(), src.Height()}.Intersect(clip);
  for (int y = area.y; y < area.Bottom(); ++y) {
    const uint32_t* s = src.Row(y - at.y) + (area.x - at.x);
    std::copy(s, s + area.w, dst.Row(y) + area.x);
  }
}

void Compositor::Dim(Framebuffer& fb, int percent, const Rect& clip) {
  for (int y = clip.y; y < clip.Bottom(); ++y) {
    uint32_t* row = fb.Row(y);
    for (int x = clip.x; x < clip.Right(); ++x) {
      Rgba c = Framebuffer::Unpack(row[x]);
      c = {uint8_t(c.r * percent / 100), uint8_t(c.g * percent / 100), uint8_t(c.b * percent / 100), c.a};
      row[x] = Framebuffer::Pack(c);
    }
  }
}

void Compositor::Shadow(Framebuffer& fb, const Rect& r, int radius, const Rect& clip) {
  // Darkening that fades with the distance outside the rectangle, offset down.
  const Rect s = r.Offset(0, radius / 2);
  const Rect area = Rect{s.x - radius, s.y - radius, s.w + 2 * radius, s.h + 2 * radius}.Intersect(clip);
  for (int y = area.y; y < area.Bottom(); ++y) {
    uint32_t* row = fb.Row(y);
    for (int x = area.x; x < area.Right(); ++x) {
      const int dx = std::max({s.x - x, x - (s.Right() - 1), 0});
      const int dy = std::max({s.y - y, y - (s.Bottom() - 1), 0});
      const int d = std::max(dx, dy);
      if (d >= radius) continue;
      const int keep = 100 - (radius - d) * 45 / radius;
      Rgba c = Framebuffer::Unpack(row[x]);
      c = {uint8_t(c.r * keep / 100), uint8_t(c.g * keep / 100), uint8_t(c.b * keep / 100), c.a};
      row[x] = Framebuffer::Pack(c);
    }
  }
}

}  // namespace host
