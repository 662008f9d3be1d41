#include "presets/presetbrowserwindow.h"

#include "core/host.h"
#include "gui/dialog.h"
#include "gui/gui.h"
#include "gui/hostdialogs.h"
#include "gui/screen.h"
#include "presets/presetfamily.h"
#include "presets/swatchpalettes.h"

namespace host {

PresetBrowserActions PresetBrowserWindow::Actions(Host& host, HostDialogs& dialogs) {
  PresetBrowserActions actions;
  actions.apply = [&host](const PresetUrl& url) -> Outcome<std::string> {
    auto applied = PresetFamily::Apply(host, url.Text());
    if (!applied) return Outcome<std::string>::Fail(applied.Error());
    return "Added the groups of '" + url.Name() + "' to the document's swatches.";
  };
  if (!SwatchPalettes::Find(host)) return actions;
  actions.importPalette = [&host, &dialogs](const std::string& file) -> Outcome<PresetUrl> {
    auto palettes = SwatchPalettes::Find(host);
    auto imported = palettes->ImportFile(file, "", "", "", false);
    if (!imported && imported.Error().find("already exists") != std::string::npos &&
        dialogs.Question(imported.Error() + ". Replace it?")) {
      imported = palettes->ImportFile(file, "", "", "", true);
    }
    if (!imported) return Outcome<PresetUrl>::Fail(imported.Error());
    return PresetUrl::Parse(imported->url);
  };
  actions.exportPalette = [&host](const PresetUrl& url, const std::string& file,
                                  const std::string& group) -> Outcome<std::string> {
    auto written = SwatchPalettes::Find(host)->ExportFile(url.Text(), file, group);
    if (!written) return written;
    const std::string what = group.empty() ? "'" + url.Name() + "'" : "the group '" + group + "'";
    return "Exported " + what + " to " + file + (written->empty() ? "." : "; " + *written + ".");
  };
  actions.groupsOf = [&host](const PresetUrl& url) -> Outcome<std::vector<std::string>> {
    auto palette = SwatchPalettes::Find(host)->PresetPalette(url.Text());
    if (!palette) return Outcome<std::vector<std::string>>::Fail(palette.Error());
    std::vector<std::string> names;
    for (const PaletteGroup& g : palette->groups) names.push_back(g.name);
    return names;
  };
  return actions;
}

bool PresetBrowserWindow::Run(Host& host, Screen& screen, const std::optional<PresetUrl>& folder) {
  if (!host.Paths()) return false;
  PresetLibrary library(host.Paths()->DataDir());
  PresetBrowser browser(library, kSwatchPresetType);
  HostDialogs dialogs;
  auto delegate = std::make_unique<PresetBrowserDialog>(browser, dialogs, Actions(host, dialogs));
  if (folder) delegate->StartIn(*folder);
  Dialog dialog(std::move(delegate));
  const bool answered = screen.RunModal(dialog, "Presets", PresetBrowserDialog::kMinimum);
  Gui::Get().Observer().DialogShown("presets", folder ? folder->Text() : "",
                                    answered ? UiObserver::Outcome::Interactive : UiObserver::Outcome::Unanswered);
  return true;
}

}  // namespace host
