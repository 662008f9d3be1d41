#pragma once
// `gxa-host view` as a whole: a host with the module, the demo document's
// attribute page in a real window, the Preferences window, and the
// document and preferences kept on disk. The document is reopened at start
// (a damaged one is moved aside and reported, a file of another kind is
// refused and left alone) and saved atomically on Ctrl+S, on Save and when
// the window closes. Ctrl+, opens the preferences, Ctrl+P the preset
// browser, Ctrl+Shift+O another document (the one open is saved first),
// Ctrl+Q closes; Ctrl+C and Ctrl+V that no field takes copy and paste the
// colour of the chooser that has the focus or the pointer, and the status
// line says why a paste was refused.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/host.h"
#include "gui/guitypes.h"
#include "prefs/preferenceeditor.h"

namespace host {

class AttributePage;
class Dialog;
class Screen;
class SdlFrontend;
class ViewWindow;
struct InputEvent;

struct ViewOptions {
  HostOptions host;
  std::filesystem::path module;
  std::optional<std::filesystem::path> document;    // default: demo.gxd in the data folder
  int scale = 0;                                    // 0: from the display
  Size size{1040, 760};                             // logical: two columns of the page
  std::optional<std::filesystem::path> layoutFile;  // kept up to date with LayoutDump
};

class ViewSession {
 public:
  // SDL's video must be running.
  static Outcome<std::unique_ptr<ViewSession>> Open(const ViewOptions& options);
  ~ViewSession();
  ViewSession(const ViewSession&) = delete;
  ViewSession& operator=(const ViewSession&) = delete;

  // Until the window closes; then saves. Fails when saving fails.
  Outcome<Done> Run();
  const std::filesystem::path& DocumentPath() const { return documentPath_; }

 private:
  static constexpr int kIdleMs = 250;
  static constexpr int kPickerPollMs = 10;

  ViewSession() = default;
  Outcome<Done> Start(const ViewOptions& options);
  Outcome<Done> OpenDocument(const ViewOptions& options);
  Outcome<Done> ShowPage(const std::string& title);
  void UseSessionDesktop();
  int NextWait(int64_t timer) const;
  bool PumpDesktop();
  bool Shortcut(const InputEvent& e);
  // Ctrl+C or Ctrl+V outside a text field.
  void ChooserClipboard(const InputEvent& e);
  bool QuitFromNestedLoop(const InputEvent& e);
  Outcome<Done> SaveAll();
  void SaveFromWindow();
  void OpenPreferences();
  void OpenPresets();
  // Asks for a picture file and opens it in the first chooser's picture mode.
  void OpenPicture();
  // Asks for a document; once the one open is saved, the page shows that one.
  void OpenOtherDocument();
  Outcome<Done> SwitchTo(const std::filesystem::path& file);
  void ClosePage();
  void PreferenceChanged(const PreferenceItem& item);
  void UpdateStatus();
  // Columns, status line and frame, after anything that may change them.
  void Refresh();
  void KeepContentWidth();
  void WriteLayout();
  Screen& GetScreen();

  std::unique_ptr<Host> host_;
  SdlFrontend* frontend_ = nullptr;
  AttributePage* page_ = nullptr;
  std::unique_ptr<Dialog> pageDialog_;
  ViewWindow* view_ = nullptr;
  std::unique_ptr<Dialog> window_;
  std::unique_ptr<PreferenceEditor> prefs_;
  std::filesystem::path documentPath_;
  std::optional<std::filesystem::path> layoutFile_;
  std::string lastLayout_;
  std::string status_;
  std::string problem_;
  std::string notice_;  // until the next press
  uint64_t savedChanges_ = 0;
  bool onDisk_ = false;
  bool quit_ = false;
};

}  // namespace host
