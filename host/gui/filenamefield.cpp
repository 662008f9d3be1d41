#include "gui/filenamefield.h"

#include "gui/dialog.h"
#include "gui/eventcontext.h"
#include "gui/inputevent.h"
#include "gui/widgetstyle.h"
#include "gxa_api.h"

namespace host {

Size FileNameField::NaturalSize(const TextMeasure& m) {
  return {int(m.charWidth * 16) + kButtonWidth + 2 * WidgetStyle::kTextInset, WidgetStyle::kControlHeight};
}

Rect FileNameField::ButtonArea() const {
  const Rect f = Frame();
  return {f.Right() - kButtonWidth, f.y + (f.h - WidgetStyle::kControlHeight) / 2, kButtonWidth,
          WidgetStyle::kControlHeight};
}

Rect FileNameField::TextArea() const {
  Rect r = TextField::TextArea();
  r.w = std::max(0, r.w - kButtonWidth - 2);
  return r;
}

void FileNameField::PaintExtras(PaintContext& ctx) {
  const Rect b = ButtonArea();
  WidgetStyle::ButtonFace(ctx, b, false, false, IsEnabled());
  WidgetStyle::Label(ctx, "...", b, kTextCenter, IsEnabled());
}

bool FileNameField::OnMouseDown(const InputEvent& e, EventContext& ctx) {
  const Point p = LayerPoint(e.position);
  if (!ButtonArea().Contains(p.x, p.y)) return TextField::OnMouseDown(e, ctx);
  if (e.channel != GXA_CHANNEL_LEFT || !IsEnabled()) return false;
  const auto life = Life();
  CommitEdit();
  if (life.expired()) return true;
  std::optional<std::string> chosen = ctx.AskFile("Open File", path_);
  if (chosen && !life.expired()) Choose(*chosen);
  return true;
}

bool FileNameField::SetText(const std::string& text) {
  path_ = text;
  ValueChanged();
  return true;
}

bool FileNameField::SetData(const Value& value) {
  if (const Filename* f = value.AsFile()) return SetText(f->Path());
  if (const std::string* s = value.AsString()) return SetText(*s);
  return false;
}

bool FileNameField::Commit(const std::string& text) {
  Choose(text);
  return true;
}

void FileNameField::Choose(const std::string& path) {
  path_ = path;
  ValueChanged();
  if (Dialog* d = OwnerDialog()) d->Action(Id(), Value::File(Filename(path_)));
}

}  // namespace host
