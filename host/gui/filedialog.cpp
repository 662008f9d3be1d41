#include "gui/filedialog.h"

#include <cstdlib>

#include "gui/button.h"
#include "gui/combobox.h"
#include "gui/dialog.h"
#include "gui/edittext.h"
#include "gui/filelist.h"
#include "gui/folderlisting.h"
#include "gui/hostdialogs.h"
#include "gui/scrollgroup.h"
#include "gui/statictext.h"

namespace host {

namespace fs = std::filesystem;

namespace {

constexpr int32_t kRow = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP;
constexpr int kMargin = 8;
// The recent folders' box shows this entry until one is chosen.
constexpr int32_t kRecentTitle = 1000;

fs::path Home() {
  const char* home = std::getenv("HOME");
  return home && *home ? fs::path(home) : fs::path("/");
}

bool IsFolder(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec);
}

ComboBox* Combo(Dialog& d, int32_t id) { return dynamic_cast<ComboBox*>(d.Find(id)); }
FileList* List(Dialog& d) { return dynamic_cast<FileList*>(d.Find(FileDialog::kList)); }

}  // namespace

FileDialog::FileDialog(FileRequest request, std::vector<std::string> recent, HostDialogs& dialogs)
    : request_(std::move(request)), filters_(request_.filters), recent_(std::move(recent)), dialogs_(dialogs) {
  filters_.push_back(FileFilter::AllFiles());
}

bool FileDialog::CreateLayout(Dialog& d) {
  DialogBuilder& b = d.Builder();
  d.Root().SetSpacing(0, 4);
  AddTop(d);
  b.Begin(std::make_unique<ScrollGroup>(kScroll, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT,
                                        GXA_SCROLL_VERTICAL | GXA_SCROLL_AUTO))
      .SetHints(FileList::kWidth, FileList::kRows * FileList::kRowHeight);
  b.Add(std::make_unique<FileList>(kList, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT, kActivate));
  b.End();
  AddBottom(d);
  return true;
}

void FileDialog::AddTop(Dialog& d) {
  DialogBuilder& b = d.Builder();
  b.BeginRow({kMargin, kMargin, kMargin, 0}, 6);
  b.Add(std::make_unique<Button>(kUp, GXA_ALIGN_LEFT, "Up"));
  b.Add(std::make_unique<StaticText>(kFolder, GXA_ALIGN_H_SCALEFIT, "", 0));
  auto recent = std::make_unique<ComboBox>(kRecent, GXA_ALIGN_RIGHT);
  recent->AddChild(kRecentTitle, "Recent folders");
  for (size_t i = 0; i < recent_.size(); ++i) recent->AddChild(int32_t(i) + 1, recent_[i]);
  b.Add(std::move(recent));
  b.End();
}

void FileDialog::AddBottom(Dialog& d) {
  DialogBuilder& b = d.Builder();
  b.BeginRow({kMargin, 0, kMargin, 0}, 6);
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_LEFT, "Name", 0));
  b.Add(std::make_unique<EditText>(kName, GXA_ALIGN_H_SCALEFIT)).SetHints(300, 0);
  b.End();
  b.BeginRow({kMargin, 0, kMargin, 0}, 6);
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_LEFT, "Show", 0));
  auto filter = std::make_unique<ComboBox>(kFilter, GXA_ALIGN_LEFT);
  for (size_t i = 0; i < filters_.size(); ++i) filter->AddChild(int32_t(i) + 1, filters_[i].label);
  b.Add(std::move(filter));
  b.Add(std::make_unique<StaticText>(0, GXA_ALIGN_H_SCALEFIT, "", 0));
  const bool saving = request_.mode == FileRequest::Mode::Save;
  b.Add(std::make_unique<Button>(kOk, GXA_ALIGN_RIGHT, saving ? "Save" : "Open"));
  b.Add(std::make_unique<Button>(kCancel, GXA_ALIGN_RIGHT, "Cancel"));
  b.End();
  Group& status = b.Begin(std::make_unique<Group>(0, kRow, 1, 0));
  status.SetBorderSpace({kMargin, 0, kMargin, kMargin});
  b.Add(std::make_unique<StaticText>(kStatus, GXA_ALIGN_H_SCALEFIT, "", 0));
  b.End();
}

bool FileDialog::InitValues(Dialog& d) {
  if (ComboBox* c = Combo(d, kFilter)) c->SetData(Value::Int32(1));
  if (ComboBox* c = Combo(d, kRecent)) c->SetData(Value::Int32(kRecentTitle));
  // Where the request points, else the last folder used, else the working folder.
  const fs::path current = request_.current.empty() ? fs::path() : Resolve(request_.current);
  std::string name;
  fs::path folder;
  std::error_code ec;
  if (!current.empty() && IsFolder(current)) {
    folder = current;
  } else if (!current.empty() && IsFolder(current.parent_path())) {
    folder = current.parent_path();
    name = current.filename().string();
  } else {
    name = request_.current.find('/') == std::string::npos ? request_.current : "";
    folder = !recent_.empty() && IsFolder(recent_.front()) ? fs::path(recent_.front()) : fs::current_path(ec);
  }
  if (Widget* w = d.Find(kName)) w->SetText(name);
  Enter(d, folder.empty() ? Home() : folder);
  return true;
}

const FileFilter& FileDialog::Filter(Dialog& d) const {
  const ComboBox* c = Combo(d, kFilter);
  const int32_t chosen = c ? c->Selected() : 1;
  return chosen >= 1 && size_t(chosen) <= filters_.size() ? filters_[size_t(chosen) - 1] : filters_.back();
}

void FileDialog::Enter(Dialog& d, const fs::path& folder) {
  std::error_code ec;
  fs::path canonical = fs::weakly_canonical(folder, ec);
  folder_ = ec ? folder.lexically_normal() : canonical;
  if (Widget* w = d.Find(kFolder)) w->SetText(folder_.string());
  if (Widget* up = d.Find(kUp)) up->SetEnabled(folder_.has_relative_path());
  Refresh(d);
}

void FileDialog::Refresh(Dialog& d) {
  FileList* list = List(d);
  if (!list) return;
  auto listed = FolderListing::List(folder_, Filter(d));
  if (!listed) {
    list->SetEntries({}, "This folder cannot be read.");
    return SetStatus(d, listed.Error());
  }
  const size_t count = listed->size();
  list->SetEntries(std::move(listed.Value()), "Nothing here to show.");
  SetStatus(d, count == 0 ? "" : std::to_string(count) + (count == 1 ? " entry" : " entries"));
}

bool FileDialog::Command(Dialog& d, int32_t id, const Container&) {
  switch (id) {
    case kList: Selected(d); break;
    case kActivate: Activated(d); break;
    case kUp: Enter(d, folder_.parent_path()); break;
    case kFilter: Refresh(d); break;
    case kRecent:
      if (ComboBox* c = Combo(d, kRecent); c && c->Selected() != kRecentTitle) {
        const size_t i = size_t(c->Selected()) - 1;
        c->SetData(Value::Int32(kRecentTitle));
        if (i < recent_.size()) Enter(d, recent_[i]);
      }
      break;
    case kOk: Confirm(d); break;
    case kCancel: d.Close(); break;
    default: break;
  }
  return true;
}

void FileDialog::Selected(Dialog& d) {
  FileList* list = List(d);
  if (!list || list->Selected() < 0) return;
  const FolderEntry& e = list->Entries()[size_t(list->Selected())];
  if (!e.folder) {
    if (Widget* w = d.Find(kName)) w->SetText(e.name);
  }
}

void FileDialog::Activated(Dialog& d) {
  FileList* list = List(d);
  if (!list || list->Selected() < 0) return;
  const FolderEntry e = list->Entries()[size_t(list->Selected())];
  if (e.folder) return Enter(d, folder_ / e.name);
  if (Widget* w = d.Find(kName)) w->SetText(e.name);
  Confirm(d);
}

fs::path FileDialog::Resolve(const std::string& typed) const {
  fs::path p;
  if (typed == "~" || typed.starts_with("~/")) {
    p = Home() / typed.substr(typed.size() > 1 ? 2 : 1);
  } else {
    p = fs::path(typed);
    if (p.is_relative()) p = folder_ / p;
  }
  return p.lexically_normal();
}

void FileDialog::Confirm(Dialog& d) {
  const Widget* field = d.Find(kName);
  const std::string typed = field ? field->Text().value_or("") : "";
  if (typed.empty()) return SetStatus(d, "Type a file name, or choose a file.");
  fs::path path = Resolve(typed);
  if (IsFolder(path)) {
    if (Widget* w = d.Find(kName)) w->SetText("");
    return Enter(d, path);
  }
  if (!Acceptable(d, path)) return;
  chosen_ = path.string();
  d.Close();
}

bool FileDialog::Acceptable(Dialog& d, fs::path& path) {
  std::error_code ec;
  if (request_.mode == FileRequest::Mode::Open) {
    if (fs::exists(path, ec)) return true;
    SetStatus(d, "There is no " + path.string() + ".");
    return false;
  }
  if (!IsFolder(path.parent_path())) {
    SetStatus(d, "There is no folder " + path.parent_path().string() + ".");
    return false;
  }
  const FileFilter& filter = Filter(d);
  if (!path.has_extension() && !filter.extensions.empty()) path += "." + filter.extensions.front();
  if (fs::exists(path, ec) && !dialogs_.Question(path.filename().string() + " already exists. Replace it?")) {
    return false;
  }
  return true;
}

void FileDialog::SetStatus(Dialog& d, std::string text) {
  status_ = std::move(text);
  if (Widget* w = d.Find(kStatus)) w->SetText(status_);
}

}  // namespace host
