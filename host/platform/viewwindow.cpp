#include "platform/viewwindow.h"

#include <algorithm>

#include "gui/button.h"
#include "gui/checkbox.h"
#include "gui/dialog.h"
#include "gui/scrollgroup.h"
#include "gui/separator.h"
#include "gui/statictext.h"
#include "gui/subdialogwidget.h"
#include "page/attributepage.h"

namespace host {

namespace {
constexpr int32_t kRow = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP;
constexpr int kMargin = 8;
// Narrower than this, sliders get too short to aim at: one column then.
constexpr int kComfortableColumn = 480;
}  // namespace

ViewWindow::ViewWindow(Dialog& pageDialog, AttributePage& page, std::string title, Actions actions)
    : pageDialog_(pageDialog), page_(page), title_(std::move(title)), actions_(std::move(actions)) {}

bool ViewWindow::CreateLayout(Dialog& d) {
  DialogBuilder& b = d.Builder();
  d.Root().SetSpacing(0, 0);
  AddToolbar(d);
  AddLinearRow(d);
  b.Add(std::make_unique<Separator>(GXA_ALIGN_H_SCALEFIT, true));
  auto scroll = std::make_unique<ScrollGroup>(kScroll, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT,
                                              GXA_SCROLL_VERTICAL | GXA_SCROLL_AUTO);
  b.Begin(std::move(scroll));
  auto* slot = static_cast<SubDialogWidget*>(&b.Add(std::make_unique<SubDialogWidget>(kPage, kRow)));
  b.End();
  b.Add(std::make_unique<Separator>(GXA_ALIGN_H_SCALEFIT, true));
  Group& status = b.Begin(std::make_unique<Group>(0, kRow, 1, 0));
  status.SetBorderSpace({kMargin, 3, kMargin, 4});
  b.Add(std::make_unique<StaticText>(kStatus, GXA_ALIGN_H_SCALEFIT, "", 0));
  b.End();
  return slot->Attach(pageDialog_);
}

void ViewWindow::AddToolbar(Dialog& d) {
  DialogBuilder& b = d.Builder();
  b.BeginRow({kMargin, 6, kMargin, 4}, 6);
  b.Add(std::make_unique<StaticText>(kTitle, GXA_ALIGN_H_SCALEFIT, title_, 0));
  b.Add(std::make_unique<Button>(kOpenPicture, GXA_ALIGN_RIGHT, "Open Picture..."));
  b.Add(std::make_unique<Button>(kSave, GXA_ALIGN_RIGHT, "Save"));
  b.Add(std::make_unique<Button>(kPresets, GXA_ALIGN_RIGHT, "Presets..."));
  b.Add(std::make_unique<Button>(kPreferences, GXA_ALIGN_RIGHT, "Preferences..."));
  b.End();
}

void ViewWindow::AddLinearRow(Dialog& d) {
  DialogBuilder& b = d.Builder();
  b.BeginRow({kMargin, 2, kMargin, 6}, 12);
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_LEFT, "Objects with linear colours:", 0));
  const auto& params = page_.Parameters();
  for (size_t i = 0; i < params.size(); ++i) {
    b.Add(std::make_unique<CheckBox>(kFirstLinear + int32_t(i), GXA_ALIGN_LEFT, params[i]->Label()));
  }
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_H_SCALEFIT, "", 0));
  b.End();
}

bool ViewWindow::InitValues(Dialog& d) {
  const auto& params = page_.Parameters();
  for (size_t i = 0; i < params.size(); ++i) {
    const std::vector<bool> marks = params[i]->LinearMarks();
    if (Widget* box = d.Find(kFirstLinear + int32_t(i))) box->SetChecked(!marks.empty() && marks.front());
  }
  return true;
}

bool ViewWindow::Command(Dialog& d, int32_t id, const Container&) {
  if (id == kSave && actions_.save) actions_.save();
  if (id == kPreferences && actions_.preferences) actions_.preferences();
  if (id == kPresets && actions_.presets) actions_.presets();
  if (id == kOpenPicture && actions_.openPicture) actions_.openPicture();
  const size_t index = size_t(id - kFirstLinear);
  if (id >= kFirstLinear && index < page_.Parameters().size()) {
    if (Widget* box = d.Find(id)) SetLinear(index, box->Checked().value_or(false));
  }
  return true;
}

void ViewWindow::SetLinear(size_t index, bool linear) {
  ColorParameter& p = *page_.Parameters()[index];
  std::vector<EditedObject> objects;
  for (const ColorValue& v : p.Values()) objects.push_back({v, linear});
  page_.SetValues(p, objects);
}

void ViewWindow::SetStatus(Dialog& d, const std::string& text) {
  if (Widget* w = d.Find(kStatus)) w->SetText(text);
}

Rect ViewWindow::StatusArea(Dialog& d) const {
  const Widget* text = d.Find(kStatus);
  const Widget* line = text ? text->Parent() : nullptr;
  return line ? line->GlobalFrame() : Rect{};
}

void ViewWindow::FitColumns(Dialog&, int windowWidth) {
  Group& root = pageDialog_.Root();
  if (columns_ == 1) columnWidth_ = root.MinSize().w;
  if (columnWidth_ <= 0) return;
  const int wanted = windowWidth >= 2 * std::max(columnWidth_, kComfortableColumn) + 3 * kMargin ? 2 : 1;
  if (wanted == columns_) return;
  columns_ = wanted;
  root.SetGrid(wanted, 0);
}

}  // namespace host
