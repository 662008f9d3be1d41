#include "presets/presetbrowserdialog.h"

#include <filesystem>

#include "gui/button.h"
#include "gui/dialog.h"
#include "gui/gui.h"
#include "gui/hostdialogs.h"
#include "gui/menumodel.h"
#include "gui/screen.h"
#include "gui/scrollgroup.h"
#include "gui/separator.h"
#include "gui/statictext.h"
#include "presets/presetgrid.h"

namespace host {

namespace {

constexpr int32_t kRow = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP;
constexpr int kMargin = 10;
// A menu position that means wherever the pointer is.
constexpr int32_t kAtPointer = 0x7fffffff;

std::string Plural(size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

bool PresetBrowserDialog::CreateLayout(Dialog& d) {
  DialogBuilder& b = d.Builder();
  d.Root().SetSpacing(0, 0);
  Group& head = b.Begin(std::make_unique<Group>(0, kRow, 0, 1));
  head.SetBorderSpace({kMargin, 8, kMargin, 6});
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_H_SCALEFIT, "Swatch presets in every library", 0));
  b.Add(std::make_unique<StaticText>(kCount, GXA_ALIGN_RIGHT, "", 0));
  b.End();
  b.Begin(std::make_unique<ScrollGroup>(kScroll, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT,
                                        GXA_SCROLL_VERTICAL | GXA_SCROLL_AUTO));
  b.Add(std::make_unique<PresetGrid>(kGrid, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT, kActivate,
                                     [this](size_t i, int pixels) { return browser_.Thumbnail(i, pixels); }));
  b.End();
  b.Add(std::make_unique<Separator>(GXA_ALIGN_H_SCALEFIT, true));
  AddButtons(d);
  Group& status = b.Begin(std::make_unique<Group>(0, kRow, 1, 0));
  status.SetBorderSpace({kMargin, 2, kMargin, 6});
  b.Add(std::make_unique<StaticText>(kStatus, GXA_ALIGN_H_SCALEFIT, "", 0));
  b.End();
  return true;
}

void PresetBrowserDialog::AddButtons(Dialog& d) {
  DialogBuilder& b = d.Builder();
  b.BeginRow({kMargin, 8, kMargin, 4}, 6);
  b.Add(std::make_unique<Button>(kApply, GXA_ALIGN_LEFT, "Apply to Document"));
  b.Add(std::make_unique<Button>(kRename, GXA_ALIGN_LEFT, "Rename..."));
  b.Add(std::make_unique<Button>(kDelete, GXA_ALIGN_LEFT, "Delete"));
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_H_SCALEFIT, "", 0));
  b.Add(std::make_unique<Button>(kClose, GXA_ALIGN_RIGHT, "Close"));
  b.End();
  // Palette files on a row of their own, so that both rows fit the window's narrowest width.
  b.BeginRow({kMargin, 0, kMargin, 4}, 6);
  b.Add(std::make_unique<Button>(kImport, GXA_ALIGN_LEFT, "Import Palette..."));
  b.Add(std::make_unique<Button>(kExport, GXA_ALIGN_LEFT, "Export Palette..."));
  b.Add(std::make_unique<Button>(kExportGroup, GXA_ALIGN_LEFT, "Export Group as Palette..."));
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_H_SCALEFIT, "", 0));
  b.End();
}

bool PresetBrowserDialog::InitValues(Dialog& d) {
  Refresh(d, browser_.Items().empty() ? -1 : 0);
  if (!start_) return true;
  const auto& items = browser_.Items();
  for (size_t i = 0; i < items.size(); ++i) {
    if (start_->Contains(items[i].url)) {
      Select(d, int(i));
      break;
    }
  }
  if (browser_.Problems().empty()) SetStatus(d, "Opened at " + start_->Text() + ".");
  return true;
}

void PresetBrowserDialog::Refresh(Dialog& d, int select) {
  browser_.Refresh();
  auto* grid = static_cast<PresetGrid*>(d.Find(kGrid));
  if (!grid) return;
  grid->SetNames(browser_.Names(), "No swatch presets yet: import a palette, or save swatches from a chooser.");
  if (select >= 0) grid->Select(std::min<int>(select, int(grid->Count()) - 1));
  if (grid->Selected() < 0 && grid->Count() > 0) grid->Select(0);
  if (Widget* count = d.Find(kCount)) count->SetText(Plural(browser_.Items().size(), "preset", "presets"));
  if (!browser_.Problems().empty()) {
    SetStatus(d, Plural(browser_.Problems().size(), "damaged item was", "damaged items were") +
                     " skipped and left as they are: " + browser_.Problems().front());
  }
  UpdateButtons(d);
}

void PresetBrowserDialog::Select(Dialog& d, int index) {
  auto* grid = static_cast<PresetGrid*>(d.Find(kGrid));
  if (grid && index >= 0) grid->Select(index);
  UpdateButtons(d);
}

int PresetBrowserDialog::Selected(Dialog& d) const {
  auto* grid = static_cast<PresetGrid*>(d.Find(kGrid));
  return grid ? grid->Selected() : -1;
}

void PresetBrowserDialog::UpdateButtons(Dialog& d) {
  const int selected = Selected(d);
  const bool any = selected >= 0;
  const bool changeable = any && !browser_.IsReadOnly(size_t(selected));
  auto enable = [&](int32_t id, bool on) {
    if (Widget* w = d.Find(id)) w->SetEnabled(on);
  };
  enable(kApply, any && bool(actions_.apply));
  enable(kExport, any && bool(actions_.exportPalette));
  enable(kExportGroup, any && actions_.exportPalette && actions_.groupsOf);
  enable(kImport, bool(actions_.importPalette));
  enable(kRename, changeable);
  enable(kDelete, changeable);
}

void PresetBrowserDialog::SetStatus(Dialog& d, std::string text) {
  status_ = std::move(text);
  if (Widget* w = d.Find(kStatus)) w->SetText(status_);
}

bool PresetBrowserDialog::Command(Dialog& d, int32_t id, const Container&) {
  switch (id) {
    case kGrid: UpdateButtons(d); break;
    case kActivate:
    case kApply: Apply(d); break;
    case kRename: Rename(d); break;
    case kDelete: Delete(d); break;
    case kImport: Import(d); break;
    case kExport: Export(d); break;
    case kExportGroup: ExportGroup(d); break;
    case kClose: d.Close(); break;
    default: break;
  }
  return true;
}

void PresetBrowserDialog::Apply(Dialog& d) {
  const int i = Selected(d);
  if (i < 0 || !actions_.apply) return;
  auto applied = actions_.apply(browser_.Items()[size_t(i)].url);
  SetStatus(d, applied ? applied.Value() : "Not applied: " + applied.Error());
}

void PresetBrowserDialog::Rename(Dialog& d) {
  const int i = Selected(d);
  if (i < 0) return;
  const PresetUrl url = browser_.Items()[size_t(i)].url;
  const std::string old = url.Name();
  auto reply = dialogs_.TextPrompt("Rename Preset", "Name", old, "", false);
  if (!reply || reply->text == old) return;
  auto renamed = browser_.Rename(size_t(i), reply->text);
  if (!renamed) return SetStatus(d, "Not renamed: " + renamed.Error());
  Refresh(d);
  Select(d, browser_.IndexOf(url.WithName(reply->text)));
  SetStatus(d, "Renamed '" + old + "' to '" + reply->text + "'.");
}

void PresetBrowserDialog::Delete(Dialog& d) {
  const int i = Selected(d);
  if (i < 0) return;
  const std::string name = browser_.Items()[size_t(i)].url.Name();
  if (!dialogs_.Question("Delete the preset '" + name + "'?")) return;
  auto removed = browser_.Remove(size_t(i));
  if (!removed) return SetStatus(d, "Not deleted: " + removed.Error());
  Refresh(d, i);
  SetStatus(d, "Deleted '" + name + "'.");
}

void PresetBrowserDialog::Import(Dialog& d) {
  if (!actions_.importPalette) return;
  auto file = dialogs_.AskFile(
      FileRequest{"Import Palette (.gpl, .ase)", lastFile_, FileRequest::Mode::Open, {FileFilter::Palettes()}});
  if (!file || file->empty()) return;
  lastFile_ = *file;
  auto imported = actions_.importPalette(*file);
  if (!imported) return SetStatus(d, "Not imported: " + imported.Error());
  Refresh(d);
  Select(d, browser_.IndexOf(imported.Value()));
  SetStatus(d, "Imported " + *file + " as '" + imported->Name() + "'.");
}

void PresetBrowserDialog::Export(Dialog& d) {
  const int i = Selected(d);
  if (i < 0 || !actions_.exportPalette) return;
  ExportTo(d, browser_.Items()[size_t(i)].url, "", "Export Palette (.gpl or .ase)");
}

void PresetBrowserDialog::ExportGroup(Dialog& d) {
  const int i = Selected(d);
  if (i < 0 || !actions_.exportPalette || !actions_.groupsOf) return;
  const PresetUrl url = browser_.Items()[size_t(i)].url;
  auto groups = actions_.groupsOf(url);
  if (!groups) return SetStatus(d, "Not exported: " + groups.Error());
  std::vector<MenuEntry> entries;
  // Plain entries: a group's name is shown as it is, marks and all.
  for (size_t g = 0; g < groups->size(); ++g) entries.push_back({int32_t(g) + 1, (*groups)[g], (*groups)[g]});
  const int32_t chosen = Gui::Get().GetScreen().RunMenu(MenuModel(std::move(entries)), {kAtPointer, kAtPointer});
  if (chosen <= 0 || size_t(chosen) > groups->size()) return;
  ExportTo(d, url, (*groups)[size_t(chosen) - 1], "Export Group as Palette (.gpl or .ase)");
}

void PresetBrowserDialog::ExportTo(Dialog& d, const PresetUrl& url, const std::string& group,
                                   const std::string& title) {
  const std::string name = (group.empty() ? url.Name() : group) + ".gpl";
  // Beside the file last imported or exported, when there was one.
  const std::string start = lastFile_.empty() ? name : (std::filesystem::path(lastFile_).parent_path() / name).string();
  auto file = dialogs_.AskFile(FileRequest{title, start, FileRequest::Mode::Save, {FileFilter::Palettes()}});
  if (!file || file->empty()) return;
  lastFile_ = *file;
  auto exported = actions_.exportPalette(url, *file, group);
  SetStatus(d, exported ? exported.Value() : "Not exported: " + exported.Error());
}

}  // namespace host
