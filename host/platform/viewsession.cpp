#include "platform/viewsession.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "core/documentstore.h"
#include "core/fourcc.h"
#include "core/worldpreferences.h"
#include "gui/dialog.h"
#include "gui/gui.h"
#include "gui/guifamilies.h"
#include "gui/hostclipboard.h"
#include "gui/layer.h"
#include "gui/screen.h"
#include "page/attributepage.h"
#include "page/choosercolortext.h"
#include "page/demopage.h"
#include "platform/layoutdump.h"
#include "platform/platformfamily.h"
#include "platform/portalfilechooser.h"
#include "platform/sdlfrontend.h"
#include "platform/sessiondesktop.h"
#include "platform/storedparameters.h"
#include "platform/viewwindow.h"
#include "prefs/preferencesdialog.h"
#include "presets/presetbrowserwindow.h"

namespace host {

namespace {

constexpr int32_t kChooserBroadcast = 1000492;
constexpr Size kPreferencesMinimum{560, 0};
// The chooser's picture mode button, where a dropped picture file opens.
constexpr int32_t kPictureModeButton = 0x3E90003;

void Warn(const std::string& text) { std::fprintf(stderr, "gxa-host view: %s\n", text.c_str()); }

// The path with the user's home folder written as "~".
std::string ShortPath(const std::filesystem::path& path) {
  const char* home = std::getenv("HOME");
  const std::string p = std::filesystem::absolute(path).lexically_normal().string();
  const std::string h = home && *home ? std::filesystem::path(home).lexically_normal().string() : "";
  if (!h.empty() && h != "/" && p.rfind(h + "/", 0) == 0) return "~" + p.substr(h.size());
  return p;
}

}  // namespace

Outcome<std::unique_ptr<ViewSession>> ViewSession::Open(const ViewOptions& options) {
  std::unique_ptr<ViewSession> s(new ViewSession());
  auto started = s->Start(options);
  if (!started) return Outcome<std::unique_ptr<ViewSession>>::Fail(started.Error());
  return s;
}

Outcome<Done> ViewSession::Start(const ViewOptions& options) {
  using R = Outcome<Done>;
  auto created = Host::Create(options.host);
  if (!created) return R::Fail(created.Error());
  host_ = std::move(created.Value());
  if (!host_->Prefs().Problem().empty()) Warn(host_->Prefs().Problem());
  GuiFamilies::Install(*host_);
  UseSessionDesktop();
  auto opened = OpenDocument(options);
  if (!opened) return opened;

  const std::string title = documentPath_.filename().string() + " - gxa-host";
  auto frontend = SdlFrontend::Open({title, options.size, options.scale});
  if (!frontend) return R::Fail(frontend.Error());
  frontend_ = frontend->get();
  Gui::Get().SetFrontend(std::move(frontend.Value()));
  // Without a bus named, libdbus would try to start one of its own.
  if (const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS"); bus && *bus) {
    Gui::Get().SetPortal(std::make_unique<PortalFileChooser>());
  }

  auto loaded = host_->LoadModule(options.module);
  if (!loaded) return R::Fail(loaded.Error());
  if (!loaded->Started())
    return R::Fail("the module did not start (action 2 answered " + std::to_string(loaded->start) + ")");
  prefs_ =
      std::make_unique<PreferenceEditor>(host_->Prefs(), [this](const PreferenceItem& i) { PreferenceChanged(i); });
  layoutFile_ = options.layoutFile;
  GetScreen().SetNestedFilter([this](const InputEvent& e) { return QuitFromNestedLoop(e); });
  Gui::Get().SetNoticeListener([this](const std::string& text) { notice_ = text; });
  return ShowPage(documentPath_.filename().string());
}

Outcome<Done> ViewSession::OpenDocument(const ViewOptions& options) {
  using R = Outcome<Done>;
  if (options.document) {
    documentPath_ = *options.document;
  } else if (host_->Paths()) {
    documentPath_ = host_->Paths()->DataDir() / "demo.gxd";
  } else {
    return R::Fail("no folder for the document: give one or --home");
  }
  std::error_code ec;
  if (documentPath_.has_parent_path()) std::filesystem::create_directories(documentPath_.parent_path(), ec);
  if (ec) return R::Fail("cannot make " + documentPath_.parent_path().string() + ": " + ec.message());
  onDisk_ = std::filesystem::exists(documentPath_, ec);
  auto loaded = DocumentStore::Load(documentPath_);
  if (!loaded) return R::Fail(loaded.Error());
  if (!loaded->problem.empty()) Warn(loaded->problem);
  host_->SetActiveDocument(std::make_unique<Document>(std::move(loaded->document)));
  return Done{};
}

Outcome<Done> ViewSession::ShowPage(const std::string& title) {
  using R = Outcome<Done>;
  auto page = AttributePage::Create(*host_);
  if (!page) return R::Fail(page.Error());
  page_ = page->get();
  Document& doc = *host_->ActiveDocument();
  std::vector<ParameterSpec> specs = DemoPage::Parameters();
  StoredParameters::Restore(doc, specs);
  for (ParameterSpec& spec : specs) {
    auto added = page_->Add(std::move(spec));
    if (!added) return R::Fail(added.Error());
  }
  pageDialog_ = std::make_unique<Dialog>(std::move(page.Value()));
  auto view =
      std::make_unique<ViewWindow>(*pageDialog_, *page_, title,
                                   ViewWindow::Actions{[this] { SaveFromWindow(); }, [this] { OpenPreferences(); },
                                                       [this] { OpenPresets(); }, [this] { OpenPicture(); }});
  view_ = view.get();
  window_ = std::make_unique<Dialog>(std::move(view));
  GetScreen().ShowWindow(*window_);
  GetScreen().SetStatusArea([this] { return view_->StatusArea(*window_); });
  savedChanges_ = doc.Changes();
  if (layoutFile_) frontend_->SetPresentListener([this] { WriteLayout(); });
  return Done{};
}

ViewSession::~ViewSession() {
  // The window before the page it shows, the page before the screen, the
  // screen before the module, the module before the desktop it used.
  if (Gui::Exists()) GetScreen().SetStatusArea(nullptr);
  if (Gui::Exists()) Gui::Get().SetNoticeListener(nullptr);
  if (window_) window_->Close();
  window_.reset();
  pageDialog_.reset();
  if (Gui::Exists()) Gui::Shutdown();
  host_.reset();
  PlatformFamily::Use(nullptr);
}

Screen& ViewSession::GetScreen() { return Gui::Get().GetScreen(); }

Outcome<Done> ViewSession::Run() {
  Screen& screen = GetScreen();
  // The first frame already has its columns: a click that comes as soon as
  // the window shows must land where that frame (and the layout file) says.
  Refresh();
  while (!quit_) {
    InputEvent e;
    const int64_t timer = screen.Timers().WaitFrom(frontend_->NowMs());
    frontend_->SetTopLevel(true);
    const Frontend::Poll poll = frontend_->NextEvent(e, NextWait(timer));
    frontend_->SetTopLevel(false);
    bool render = frontend_->TakeRedrawRequest() || PumpDesktop();
    if (poll == Frontend::Poll::Exhausted) break;
    if (poll == Frontend::Poll::Event) {
      if (e.type == InputEvent::Type::MouseDown || e.type == InputEvent::Type::KeyDown) notice_.clear();
      if (e.type == InputEvent::Type::Close) quit_ = true;
      else if (!Shortcut(e) && !screen.Dispatch(e)) ChooserClipboard(e);
      render = true;
    } else if (!screen.Timers().IsEmpty()) {
      screen.FireTimers();
      render = true;
    }
    if (!render || quit_) continue;
    Refresh();
  }
  return SaveAll();
}

void ViewSession::Refresh() {
  Screen& screen = GetScreen();
  view_->FitColumns(*window_, screen.WindowSize().w);
  UpdateStatus();
  screen.Render();
  KeepContentWidth();
}

void ViewSession::UseSessionDesktop() {
  host_->Table().Install(PlatformFamily::Table());
  PlatformFamily::Use(SessionDesktop::Choose());
  if (Desktop* desktop = PlatformFamily::Current()) {
    desktop->SetNoticeListener([this](const std::string& text) {
      problem_ = text;
      Warn(text);
    });
    desktop->SetLoupeSwitch(
        [this] { return host_->Prefs().Data().GetBool(WorldPreferences::kPerceptualTools, false); });
  }
}

int ViewSession::NextWait(int64_t timer) const {
  int wait = timer < 0 ? kIdleMs : int(std::min<int64_t>(timer, kIdleMs));
  // The screen picker's windows get their events through this loop.
  const Desktop* desktop = PlatformFamily::Current();
  if (desktop && desktop->Busy()) wait = std::min(wait, kPickerPollMs);
  return wait;
}

bool ViewSession::PumpDesktop() {
  Desktop* desktop = PlatformFamily::Current();
  if (!desktop) return false;
  const bool busy = desktop->Busy();
  const bool delivered = desktop->Pump();
  if (busy && !desktop->Busy()) frontend_->PointerReturned();
  return delivered;
}

void ViewSession::KeepContentWidth() {
  // The page scrolls up and down, not sideways: the window keeps the width
  // of one column (two only when there is room).
  if (view_->Columns() != 1) return;
  if (Layer* layer = GetScreen().WindowLayer()) frontend_->SetMinimumSize({layer->MinimumSize().w, 0});
}

bool ViewSession::Shortcut(const InputEvent& e) {
  if (e.type != InputEvent::Type::KeyDown || (e.qualifiers & GXA_QUALIFIER_CTRL) == 0) return false;
  switch (e.key) {
    case 'S': SaveFromWindow(); return true;
    case 'Q': quit_ = true; return true;
    case ',': OpenPreferences(); return true;
    case 'P': OpenPresets(); return true;
    case 'O':
      if (e.qualifiers & GXA_QUALIFIER_SHIFT) OpenOtherDocument();
      else OpenPicture();
      return true;
    default: return false;
  }
}

void ViewSession::ChooserClipboard(const InputEvent& e) {
  const bool ctrl = (e.qualifiers & GXA_QUALIFIER_CTRL) != 0;
  if (e.type != InputEvent::Type::KeyDown || !ctrl || (e.key != 'C' && e.key != 'V')) return;
  EventRouter& router = GetScreen().Router();
  ColorParameter* parameter = page_->ParameterOf(router.Focus());
  if (!parameter) parameter = page_->ParameterOf(router.Hovered());
  if (!parameter) {
    notice_ = "Point at a chooser to copy or paste its colour";
    return;
  }
  ChooserColorText text(*page_, *parameter);
  if (e.key == 'C') {
    if (const auto shown = text.Shown()) HostClipboard::CopyColor(shown->rgb, shown->alpha);
  } else if (const auto pasted = HostClipboard::PasteColor()) {
    text.Paste(*pasted);
  }
}

bool ViewSession::QuitFromNestedLoop(const InputEvent& e) {
  const bool ctrlQ = e.type == InputEvent::Type::KeyDown && (e.qualifiers & GXA_QUALIFIER_CTRL) != 0 && e.key == 'Q';
  if (!ctrlQ && e.type != InputEvent::Type::Close) return false;
  // The open dialog or menu is cancelled on the way out; the main loop saves.
  quit_ = true;
  GetScreen().LeaveNestedLoops();
  return true;
}

Outcome<Done> ViewSession::SaveAll() {
  const Document& doc = *host_->ActiveDocument();
  auto saved = DocumentStore::Save(doc, documentPath_);
  if (!saved) return Outcome<Done>::Fail("the document was not saved: " + saved.Error());
  savedChanges_ = doc.Changes();
  onDisk_ = true;
  auto prefs = host_->Prefs().Save();
  if (!prefs) return Outcome<Done>::Fail("the preferences were not saved: " + prefs.Error());
  return Done{};
}

void ViewSession::SaveFromWindow() {
  auto saved = SaveAll();
  problem_ = saved ? "" : saved.Error();
  if (!saved) Warn(problem_);
  UpdateStatus();
}

void ViewSession::OpenPreferences() {
  Dialog dialog(std::make_unique<PreferencesDialog>(*prefs_));
  GetScreen().RunModal(dialog, "Preferences", kPreferencesMinimum);
}

void ViewSession::OpenPresets() { PresetBrowserWindow::Run(*host_, GetScreen()); }

void ViewSession::OpenPicture() {
  const std::optional<std::string> path =
      GetScreen().AskFile(FileRequest{"Open Picture", "", FileRequest::Mode::Open, {FileFilter::Pictures()}});
  if (!path || path->empty()) return;
  // The first chooser takes it as a picture file dropped on its picture mode
  // button: it switches to the picture mode and loads it there.
  for (const auto& parameter : page_->Parameters()) {
    Dialog* chooser = parameter->Chooser();
    if (!chooser) continue;
    Container drop(GXA_MSG_DRAG_RECEIVE);
    drop.SetInt32(GXA_DRAG_ENTRY_TYPE, GXA_DRAGTYPE_FILES);
    drop.SetString(GXA_DRAG_ENTRY_OBJECT, *path);
    drop.SetInt32(GXA_DRAG_ENTRY_GADGET, kPictureModeButton);
    drop.SetInt32(GXA_DRAG_ENTRY_FINISHED, 1);
    Container result;
    chooser->Message(drop, result);
    return;
  }
  problem_ = "no chooser on the page to open a picture in";
}

void ViewSession::OpenOtherDocument() {
  const std::optional<std::string> path = GetScreen().AskFile(
      FileRequest{"Open Document", documentPath_.string(), FileRequest::Mode::Open, {FileFilter::Documents()}});
  if (!path || path->empty()) return;
  auto switched = SwitchTo(std::filesystem::absolute(*path).lexically_normal());
  problem_ = switched ? "" : switched.Error();
  if (!switched) Warn(problem_);
  // Without a page to show there is nothing left to do but save and close.
  if (!view_) quit_ = true;
  else UpdateStatus();
}

Outcome<Done> ViewSession::SwitchTo(const std::filesystem::path& file) {
  using R = Outcome<Done>;
  if (file == std::filesystem::absolute(documentPath_).lexically_normal()) return Done{};
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return R::Fail("there is no document at " + file.string());
  // Read before anything changes: a file of another kind leaves the open document as it is.
  auto loaded = DocumentStore::Load(file);
  if (!loaded) return R::Fail(loaded.Error());
  auto saved = SaveAll();
  if (!saved) return saved;
  if (!loaded->problem.empty()) Warn(loaded->problem);
  ClosePage();
  host_->SetActiveDocument(std::make_unique<Document>(std::move(loaded->document)));
  documentPath_ = file;
  onDisk_ = true;
  frontend_->SetTitle(file.filename().string() + " - gxa-host");
  return ShowPage(file.filename().string());
}

void ViewSession::ClosePage() {
  GetScreen().SetStatusArea(nullptr);
  if (window_) window_->Close();
  window_.reset();
  view_ = nullptr;
  pageDialog_.reset();
  page_ = nullptr;
  status_.clear();
}

void ViewSession::PreferenceChanged(const PreferenceItem& item) {
  page_->PreferencesChanged();
  if (item.broadcastCode != 0) host_->Events().Post({kChooserBroadcast, item.broadcastCode, 0});
}

void ViewSession::UpdateStatus() {
  const bool modified = host_->ActiveDocument()->Changes() != savedChanges_;
  const char* state = modified ? "  (modified)" : onDisk_ ? "  (saved)" : "  (new, saved on closing)";
  std::string text = !problem_.empty() ? problem_ : !notice_.empty() ? notice_ : ShortPath(documentPath_) + state;
  if (text == status_) return;
  status_ = std::move(text);
  view_->SetStatus(*window_, status_);
}

void ViewSession::WriteLayout() {
  std::string json = LayoutDump::Json(GetScreen(), *page_, *window_);
  if (json == lastLayout_) return;
  const std::filesystem::path temp = layoutFile_->string() + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << json << '\n';
    if (!out) return Warn("cannot write " + temp.string());
  }
  std::error_code ec;
  std::filesystem::rename(temp, *layoutFile_, ec);
  if (ec) return Warn("cannot write " + layoutFile_->string() + ": " + ec.message());
  lastLayout_ = std::move(json);
}

}  // namespace host
