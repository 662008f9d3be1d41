#include "gui/userareawidget.h"

#include "gui/dialog.h"
#include "gui/eventcontext.h"
#include "gui/inputevent.h"
#include "gui/inputmessage.h"
#include "gui/paintcontext.h"
#include "gui/userarea.h"
#include "gui/widgetstyle.h"

namespace host {

UserAreaWidget::~UserAreaWidget() {
  if (area_) area_->SetWidget(nullptr);
}

bool UserAreaWidget::Attach(UserArea& area, int32_t attachFlags) {
  if (area_ && area_ != &area) area_->SetWidget(nullptr);
  if (UserAreaWidget* previous = area.Widget(); previous && previous != this) previous->AreaGone();
  area_ = &area;
  attachFlags_ = attachFlags;
  area.SetWidget(this);
  area.Init();
  RequestLayout();
  RequestDraw();
  return true;
}

void UserAreaWidget::RequestDraw() {
  reason_ = 0;
  Invalidate();
}

Size UserAreaWidget::NaturalSize(const TextMeasure&) {
  if (!area_) return {};
  return area_->MinSize().value_or(Size{});
}

void UserAreaWidget::OnResized() {
  if (area_) area_->Sized({Frame().w, Frame().h});
}

void UserAreaWidget::Paint(PaintContext& ctx) {
  // A focus change alone lets the module keep its picture; where that
  // picture was painted over or the gadget moved, it draws everything.
  const int32_t reason = ctx.Covered() || Frame() != painted_ ? 0 : reason_;
  reason_ = 0;
  painted_ = Frame();
  Canvas& canvas = ctx.Target();
  if (reason == 0 && !(attachFlags_ & UserArea::kPaintsWholeFrame))
    canvas.FillRect(Frame(), ctx.Color(InterfaceColors::kBackground));
  if (!area_) return;
  const Rect visible = VisibleFrame();
  const Point origin = canvas.Origin();
  canvas.SetOrigin({origin.x + Frame().x, origin.y + Frame().y});
  area_->Drawing().Begin(canvas);
  area_->Draw(visible.Offset(-Frame().x, -Frame().y), reason);
  area_->Drawing().End();
  canvas.SetOrigin(origin);
  if (focusRing_ && ctx.HasFocus(*this)) WidgetStyle::FocusRing(ctx, Frame());
}

bool UserAreaWidget::AcceptsFocus() const { return area_ && IsEnabled(); }

bool UserAreaWidget::Deliver(const InputEvent& e) {
  if (!area_ || !IsEnabled()) return false;
  return area_->Input(InputMessage::Input(e));
}

bool UserAreaWidget::OnMouseDown(const InputEvent& e, EventContext& ctx) {
  if (!area_ || !IsEnabled()) return false;
  ctx.SetFocus(this);
  // The dialog sees a press before its gadget and may keep it.
  if (Dialog* dialog = OwnerDialog()) {
    Container result;
    if (dialog->Message(InputMessage::Input(e), result) != 0) return true;
  }
  Deliver(e);
  return true;
}

bool UserAreaWidget::OnWheel(const InputEvent& e, EventContext&) { return Deliver(e); }

bool UserAreaWidget::OnKey(const InputEvent& e, EventContext&) {
  return e.type == InputEvent::Type::KeyDown && Deliver(e);
}

void UserAreaWidget::OnFocusChanged(bool gained, EventContext& ctx) {
  if (!area_) return;
  const bool hadRing = focusRing_;
  // The module draws nothing to show the focus; a keyboard user needs to see it.
  focusRing_ = gained && ctx.FocusFromKeyboard();
  // A pending full redraw keeps reason 0; a ring to take away needs one.
  if (!IsDirty()) reason_ = gained ? UserArea::kReasonFocusGained : UserArea::kReasonFocusLost;
  if (hadRing && !focusRing_) reason_ = 0;
  Invalidate();
}

CursorInfo UserAreaWidget::Cursor(Point global) {
  if (!area_) return {};
  const Container msg = InputMessage::CursorInfo(global, 0);
  Container result;
  // The dialog may answer for its gadget; otherwise the gadget answers.
  Dialog* dialog = OwnerDialog();
  if ((!dialog || dialog->Message(msg, result) == 0) && area_->Message(msg, result) == 0) return {};
  CursorInfo info;
  info.cursor = result.GetInt32(GXA_RESULT_CURSOR, GXA_CURSOR_ARROW);
  info.tooltip = result.GetString(GXA_RESULT_TOOLTIP).value_or("");
  return info;
}

}  // namespace host
