#include "automation/gadgetlist.h"

#include <algorithm>
#include <cstdlib>

#include "automation/entrykey.h"
#include "gui/dialog.h"
#include "gui/widget.h"
#include "gui/widgetkind.h"
#include "page/keycatalog.h"

namespace host {

namespace {

void Collect(const Widget& w, Point origin, std::vector<GadgetEntry>& out) {
  if (w.Id() != 0) {
    const Rect g = w.GlobalFrame();
    GadgetEntry e{
        w.Id(),       WidgetKind::Of(w), KeyCatalog::PanelOf(w.Id()), {g.x - origin.x, g.y - origin.y, g.w, g.h},
        std::nullopt, w.IsShown()};
    // A group's text would be its children's.
    if (w.ChildCount() == 0) e.text = w.Text();
    out.push_back(std::move(e));
  }
  for (size_t i = 0; i < w.ChildCount(); ++i) Collect(*w.ChildAt(i), origin, out);
}

int32_t Owner(int32_t id) { return static_cast<int32_t>(static_cast<uint32_t>(id) >> 16); }

}  // namespace

std::vector<GadgetEntry> GadgetList::Of(Dialog& chooser) {
  std::vector<GadgetEntry> out;
  const Rect root = chooser.Root().GlobalFrame();
  Collect(chooser.Root(), {root.x, root.y}, out);
  return out;
}

std::vector<GadgetEntry> GadgetList::Nearest(const std::vector<GadgetEntry>& list, int32_t id, size_t count) {
  // Groups only hold other gadgets: no step does anything with them.
  std::vector<GadgetEntry> sorted;
  for (const GadgetEntry& e : list) {
    if (e.kind != "Group") sorted.push_back(e);
  }
  auto distance = [id](const GadgetEntry& e) {
    const int64_t d = std::llabs(int64_t(e.id) - id);
    return std::make_pair(Owner(e.id) != Owner(id), d);
  };
  std::stable_sort(sorted.begin(), sorted.end(),
                   [&](const GadgetEntry& a, const GadgetEntry& b) { return distance(a) < distance(b); });
  if (sorted.size() > count) sorted.resize(count);
  return sorted;
}

OrderedJson GadgetList::Json(const GadgetEntry& e) {
  OrderedJson j = {{"gadget", EntryKey::Format(e.id)},
                   {"kind", e.kind},
                   {"panel", e.panel},
                   {"frame", {e.frame.x, e.frame.y, e.frame.w, e.frame.h}}};
  if (e.text) j["text"] = *e.text;
  if (!e.shown) j["hidden"] = true;
  return j;
}

std::string GadgetList::Line(const GadgetEntry& e) {
  char frame[64];
  std::snprintf(frame, sizeof frame, "%d,%d %dx%d", e.frame.x, e.frame.y, e.frame.w, e.frame.h);
  std::string line = EntryKey::Format(e.id) + "  " + e.kind + "  " + (e.panel.empty() ? "-" : e.panel) + "  " + frame;
  if (e.text) line += "  \"" + *e.text + "\"";
  if (!e.shown) line += "  (hidden)";
  return line;
}

}  // namespace host
