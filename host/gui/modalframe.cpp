#include "gui/modalframe.h"

#include "gui/paintcontext.h"
#include "gui/subdialogwidget.h"
#include "gui/widgetstyle.h"
#include "gxa_api.h"

namespace host {

ModalFrame::ModalFrame(std::string title)
    : Group(0, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT, 1, 0), title_(std::move(title)) {
  SetBorderSpace({kPadding, kTitleHeight + kPadding, kPadding, kPadding});
  slot_ = static_cast<SubDialogWidget*>(
      &Add(std::make_unique<SubDialogWidget>(0, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT)));
}

void ModalFrame::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  Canvas& c = ctx.Target();
  c.FillRect({f.x, f.y, f.w, kTitleHeight}, ctx.Color(InterfaceColors::kMenuBackground));
  c.FillRect({f.x, f.y + kTitleHeight, f.w, 1}, ctx.Color(InterfaceColors::kBorderDark));
  c.DrawText(title_, f.x + kPadding, f.y + kTitleHeight / 2, ctx.Color(InterfaceColors::kText), kTextVCenter,
             {FontRenderer::kDefaultSize, true});
  c.DrawFrame(f, ctx.Color(InterfaceColors::kBorderDark));
}

}  // namespace host
