#include "gui/separator.h"

#include "gui/paintcontext.h"

namespace host {

void Separator::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  const Rgba dark = ctx.Color(InterfaceColors::kBorderDark), light = ctx.Color(InterfaceColors::kBorderLight);
  if (horizontal_) {
    const int y = f.y + f.h / 2 - 1;
    ctx.Target().FillRect({f.x, y, f.w, 1}, dark);
    ctx.Target().FillRect({f.x, y + 1, f.w, 1}, light);
  } else {
    const int x = f.x + f.w / 2 - 1;
    ctx.Target().FillRect({x, f.y, 1, f.h}, dark);
    ctx.Target().FillRect({x + 1, f.y, 1, f.h}, light);
  }
}

}  // namespace host
