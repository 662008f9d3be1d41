#include "prefs/preferencesdialog.h"

#include "gui/button.h"
#include "gui/checkbox.h"
#include "gui/combobox.h"
#include "gui/dialog.h"
#include "gui/filenamefield.h"
#include "gui/statictext.h"
#include "prefs/preferencecatalog.h"

namespace host {

namespace {

constexpr int32_t kFill = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP;
// Toggles with labels this short sit two to a row.
constexpr size_t kShortLabel = 20;
// A drop-down entry of ID 0 would be a separator: entries count from 1.
constexpr int32_t kEntryOffset = 1;

// What a gadget shows for a preference value, and back.
Value ToGadget(const PreferenceItem& item, const Value& v) {
  if (item.kind != PreferenceItem::Kind::Choice) return v;
  return Value::Int32(v.AsInt32().value_or(0) + kEntryOffset);
}

Value FromGadget(const PreferenceItem& item, const Value& v) {
  if (item.kind != PreferenceItem::Kind::Choice) return v;
  auto entry = v.AsInt32();
  return entry ? Value::Int32(*entry - kEntryOffset) : v;
}

std::vector<const PreferenceItem*> InSection(const std::string& section) {
  std::vector<const PreferenceItem*> out;
  for (const PreferenceItem& item : PreferenceCatalog::Items()) {
    if (item.section == section) out.push_back(&item);
  }
  return out;
}

// Consecutive items of one kind share a grid.
size_t RunEnd(const std::vector<const PreferenceItem*>& items, size_t from) {
  size_t to = from + 1;
  while (to < items.size() && items[to]->kind == items[from]->kind) ++to;
  return to;
}

bool AllShort(const std::vector<const PreferenceItem*>& items, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i) {
    if (items[i]->label.size() > kShortLabel) return false;
  }
  return true;
}

std::unique_ptr<Widget> Gadget(const PreferenceItem& item) {
  switch (item.kind) {
    case PreferenceItem::Kind::Toggle: return std::make_unique<CheckBox>(item.id, GXA_ALIGN_LEFT, item.label);
    case PreferenceItem::Kind::Choice: {
      auto combo = std::make_unique<ComboBox>(item.id, GXA_ALIGN_H_SCALEFIT);
      for (const PreferenceChoice& c : item.choices) combo->AddChild(c.value + kEntryOffset, c.text);
      return combo;
    }
    case PreferenceItem::Kind::Profile: break;
  }
  auto field = std::make_unique<FileNameField>(item.id, GXA_ALIGN_H_SCALEFIT);
  field->SetHints(260, 0);
  return field;
}

}  // namespace

bool PreferencesDialog::CreateLayout(Dialog& d) {
  DialogBuilder& b = d.Builder();
  const auto& sections = PreferenceCatalog::Sections();
  // Two columns: the modes on the right, everything else on the left.
  Group& columns = b.Begin(std::make_unique<Group>(0, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT, 2, 0));
  columns.SetSpacing(12, 8);
  b.Begin(std::make_unique<Group>(0, kFill, 1, 0)).SetSpacing(0, 8);
  for (const std::string& s : sections) {
    if (s != sections[1]) AddSection(d, s);
  }
  b.End();
  b.Begin(std::make_unique<Group>(0, kFill, 1, 0));
  AddSection(d, sections[1]);
  b.End();
  b.End();
  b.Add(std::make_unique<StaticText>(kMessage, GXA_ALIGN_H_SCALEFIT, "", 0));
  b.Begin(std::make_unique<Group>(0, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_BOTTOM, 0, 1));
  b.Add(std::make_unique<Button>(kDefaults, GXA_ALIGN_LEFT, "Restore Defaults"));
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_H_SCALEFIT, "", 0));
  b.Add(std::make_unique<Button>(kClose, GXA_ALIGN_RIGHT, "Close"));
  b.End();
  return true;
}

void PreferencesDialog::AddSection(Dialog& d, const std::string& section) {
  DialogBuilder& b = d.Builder();
  Group& box = b.Begin(std::make_unique<Group>(0, kFill, 1, 0));
  box.SetTitle(section);
  box.SetBorderSpace({8, 6, 8, 8});
  box.SetSpacing(4, 6);
  const std::vector<const PreferenceItem*> items = InSection(section);
  for (size_t from = 0; from < items.size();) {
    const size_t to = RunEnd(items, from);
    const bool toggles = items[from]->kind == PreferenceItem::Kind::Toggle;
    const int columns = toggles ? (AllShort(items, from, to) ? 2 : 1) : 2;
    Group& grid = b.Begin(std::make_unique<Group>(0, kFill, columns, 0));
    grid.SetSpacing(12, 5);
    for (size_t i = from; i < to; ++i) {
      if (!toggles) b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_LEFT, items[i]->label, 0));
      b.Add(Gadget(*items[i]));
    }
    b.End();
    from = to;
  }
  b.End();
}

bool PreferencesDialog::InitValues(Dialog& d) {
  for (const PreferenceItem& item : PreferenceCatalog::Items()) {
    if (Widget* w = d.Find(item.id)) w->SetData(ToGadget(item, editor_.Current(item)));
  }
  ShowMessage(d, message_);
  return true;
}

void PreferencesDialog::ShowMessage(Dialog& d, std::string text) {
  message_ = std::move(text);
  if (Widget* w = d.Find(kMessage)) w->SetText(message_);
}

bool PreferencesDialog::Command(Dialog& d, int32_t id, const Container&) {
  if (id == kClose) {
    d.Close();
    return true;
  }
  if (id == kDefaults) {
    auto restored = editor_.RestoreDefaults();
    ShowMessage(d, restored ? "" : restored.Error());
    InitValues(d);
    return true;
  }
  const PreferenceItem* item = PreferenceCatalog::Find(id);
  Widget* gadget = d.Find(id);
  if (!item || !gadget) return true;
  const std::optional<Value> value = gadget->Data();
  auto applied =
      value ? editor_.Apply(*item, FromGadget(*item, *value)) : Outcome<Done>::Fail(item->label + ": no value");
  ShowMessage(d, applied ? "" : applied.Error());
  gadget->SetData(ToGadget(*item, editor_.Current(*item)));
  return true;
}

}  // namespace host
