#include "gui/bitmapbutton.h"

#include <algorithm>

#include "gui/dialog.h"
#include "gui/widgetstyle.h"
#include "raster/iconlibrary.h"

namespace host {

BitmapButton::BitmapButton(int32_t id, int32_t flags, const Container& settings)
    : Pressable(id, flags),
      icon_(settings.GetInt32(kIconKey, 0)),
      button_(settings.GetInt32(kButtonKey, 0) != 0),
      border_(!settings.GetBool(kNoBorderKey, false)),
      mirror_(settings.GetInt32(kMirrorKey, 0) != 0),
      tooltip_(settings.GetString(kTooltipKey).value_or("")) {}

Size BitmapButton::NaturalSize(const TextMeasure&) {
  const int side = std::max(IconLibrary::Shared().LogicalSize(icon_), 12);
  const int pad = border_ ? 8 : 4;
  return {side + pad, side + pad};
}

void BitmapButton::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  if (border_ || IsPressed()) WidgetStyle::ButtonFace(ctx, f, IsPressed(), false, IsEnabled());
  const std::shared_ptr<const Bitmap> icon = IconLibrary::Shared().Get(icon_, ctx.Scale());
  const int side = IconLibrary::Shared().LogicalSize(icon_);
  if (!icon || side <= 0) {
    // An unknown icon shows as a crossed box, so the gap is visible.
    const Rgba c = WidgetStyle::TextColor(ctx, false);
    const Rect b = f.Inset(4);
    ctx.Target().DrawFrame(b, c);
    ctx.Target().DrawLine(b.x, b.y, b.Right() - 1, b.Bottom() - 1, c);
    ctx.Target().DrawLine(b.x, b.Bottom() - 1, b.Right() - 1, b.y, c);
    return;
  }
  const Rect dst{f.x + (f.w - side) / 2, f.y + (f.h - side) / 2 + (IsPressed() ? 1 : 0), side, side};
  int flags = kBlitAlpha | (IsEnabled() ? 0 : kBlitDisabled);
  if (!mirror_) {
    ctx.Target().DrawBitmap(*icon, dst, std::nullopt, flags);
    return;
  }
  Bitmap flipped;
  icon->CopyTo(flipped);
  for (int y = 0; y < flipped.Height(); ++y) {
    for (int x = 0; x < flipped.Width(); ++x) flipped.SetPixel(x, y, icon->GetPixel(icon->Width() - 1 - x, y));
  }
  ctx.Target().DrawBitmap(flipped, dst, std::nullopt, flags);
}

CursorInfo BitmapButton::Cursor(Point) { return {GXA_CURSOR_ARROW, tooltip_}; }

void BitmapButton::Activate(const InputEvent&, EventContext&) {
  if (!button_) return;
  if (Dialog* d = OwnerDialog()) d->Action(Id());
}

}  // namespace host
