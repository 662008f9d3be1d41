#pragma once
// The preset browser window: the swatch presets of every library as a grid
// of thumbnails with their names; Apply (or a double click) puts the chosen
// one into the open document, Rename and Delete change the user's library,
// and palette files come in as new presets and go out from one. What apply,
// import and export do is the caller's (they reach the module); the window
// only asks and reports.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gui/dialogdelegate.h"
#include "gui/guitypes.h"
#include "presets/presetbrowser.h"

namespace host {

class HostDialogs;

struct PresetBrowserActions {
  // Each answers a line for the status, or fails with the reason.
  std::function<Outcome<std::string>(const PresetUrl&)> apply;
  std::function<Outcome<PresetUrl>(const std::string& file)> importPalette;
  // group empty: every group.
  std::function<Outcome<std::string>(const PresetUrl&, const std::string& file, const std::string& group)>
      exportPalette;
  // The names of a preset's groups, as export takes them.
  std::function<Outcome<std::vector<std::string>>(const PresetUrl&)> groupsOf;
};

class PresetBrowserDialog : public DialogDelegate {
 public:
  enum : int32_t {
    kGrid = 1000,
    kActivate = 1001,
    kApply = 1002,
    kRename = 1003,
    kDelete = 1004,
    kImport = 1005,
    kExport = 1006,
    kClose = 1007,
    kStatus = 1008,
    kCount = 1009,
    kScroll = 1010,
    kExportGroup = 1011,
  };
  static constexpr Size kMinimum{700, 560};

  PresetBrowserDialog(PresetBrowser& browser, HostDialogs& dialogs, PresetBrowserActions actions)
      : browser_(browser), dialogs_(dialogs), actions_(std::move(actions)) {}

  // Selects the first preset in folder when the window opens.
  void StartIn(const PresetUrl& folder) { start_ = folder; }

  bool CreateLayout(Dialog& dialog) override;
  bool InitValues(Dialog& dialog) override;
  bool Command(Dialog& dialog, int32_t id, const Container& msg) override;

  const std::string& Status() const { return status_; }

 private:
  void AddButtons(Dialog& d);
  void Refresh(Dialog& d, int select = -1);
  void UpdateButtons(Dialog& d);
  int Selected(Dialog& d) const;
  void Select(Dialog& d, int index);
  void SetStatus(Dialog& d, std::string text);
  void Apply(Dialog& d);
  void Rename(Dialog& d);
  void Delete(Dialog& d);
  void Import(Dialog& d);
  void Export(Dialog& d);
  // Offers the selected preset's groups in a menu and exports the one chosen.
  void ExportGroup(Dialog& d);
  void ExportTo(Dialog& d, const PresetUrl& url, const std::string& group, const std::string& title);

  PresetBrowser& browser_;
  HostDialogs& dialogs_;
  PresetBrowserActions actions_;
  std::string status_;
  std::string lastFile_;
  std::optional<PresetUrl> start_;
};

}  // namespace host
