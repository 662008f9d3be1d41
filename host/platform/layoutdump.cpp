#include "platform/layoutdump.h"

#include <cstdlib>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "core/jsontext.h"
#include "gui/dialog.h"
#include "gui/layer.h"
#include "gui/menuwidget.h"
#include "gui/screen.h"
#include "gui/subdialogwidget.h"
#include "gui/widgetkind.h"
#include "page/attributepage.h"

namespace host {

namespace {

using Json = nlohmann::ordered_json;

Json RectJson(const Rect& r) { return Json::array({r.x, r.y, r.w, r.h}); }

// The visible part of a gadget in window coordinates.
Rect OnScreen(const Widget& w) {
  const Rect v = w.VisibleFrame();
  const Layer* layer = w.OwnerLayer();
  const Point o = layer ? layer->Origin() : Point{};
  return v.Offset(o.x, o.y);
}

class Collector {
 public:
  // Gadgets with an ID at and below root; enter says whether to look inside.
  void Gadgets(const std::string& owner, Widget& root, const std::function<bool(Widget&)>& enter) {
    if (!root.IsShown()) return;
    const Rect r = OnScreen(root);
    if (root.Id() != 0 && !r.IsEmpty()) {
      Json g{{"owner", owner}, {"id", root.Id()}, {"kind", WidgetKind::Of(root)}, {"frame", RectJson(r)}};
      if (auto text = root.Text(); text && root.ChildCount() == 0) g["text"] = *text;
      lines_.push_back(JsonText::Dump(g));
    }
    if (!enter(root)) return;
    for (size_t i = 0; i < root.ChildCount(); ++i) Gadgets(owner, *root.ChildAt(i), enter);
  }

  void Menu(Layer& layer) {
    auto* menu = dynamic_cast<MenuWidget*>(layer.Root());
    if (!menu) return;
    const auto& entries = menu->Model().Entries();
    const Point o = layer.Origin();
    for (size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].IsSeparator()) continue;
      const Json g{{"owner", "popup"},        {"id", entries[i].id},
                   {"kind", "MenuEntry"},     {"frame", RectJson(menu->EntryRect(i).Offset(o.x, o.y))},
                   {"text", entries[i].text}, {"disabled", entries[i].disabled}};
      lines_.push_back(JsonText::Dump(g));
    }
  }

  std::string Join() const {
    std::string out;
    for (size_t i = 0; i < lines_.size(); ++i) out += (i ? ",\n" : "\n") + lines_[i];
    return out;
  }

 private:
  std::vector<std::string> lines_;
};

bool Everything(Widget&) { return true; }

}  // namespace

std::string LayoutDump::Json(Screen& screen, const AttributePage& page, Dialog& window) {
  Collector c;
  for (const auto& p : page.Parameters()) {
    Dialog* chooser = p->Chooser();
    if (chooser && Dialog::FromHandle(chooser->Handle())) c.Gadgets(p->Key(), chooser->Root(), Everything);
  }
  c.Gadgets("window", window.Root(), [](Widget& w) { return !dynamic_cast<SubDialogWidget*>(&w); });
  ::host::Json modal = nullptr;
  for (Layer* layer : screen.Layers()) {
    if (layer->GetKind() == Layer::Kind::Popup) c.Menu(*layer);
    if (layer->GetKind() != Layer::Kind::Modal || !layer->Root()) continue;
    Dialog* dialog = screen.ModalDialog(*layer);
    modal = dialog ? dialog->Title() : "";
    c.Gadgets("modal", *layer->Root(), Everything);
  }
  const Size size = screen.WindowSize();
  const ::host::Json head{{"scale", screen.Scale()}, {"window", {{"w", size.w}, {"h", size.h}}}, {"modal", modal}};
  std::string out = JsonText::Dump(head);
  out.pop_back();  // the closing brace: the gadgets follow
  return out + ",\"gadgets\":[" + c.Join() + "\n]}";
}

}  // namespace host
