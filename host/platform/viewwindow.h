#pragma once
// The window of `gxa-host view`: a tool bar (document name, Save,
// Presets..., Preferences...), a row of check boxes that mark each parameter's objects
// as keeping linear colours, the attribute page in a scroll group, and a
// status line. The page's own dialog is embedded, not owned.
#include <functional>
#include <string>

#include "gui/dialogdelegate.h"
#include "gui/guitypes.h"

namespace host {

class AttributePage;
class Dialog;

class ViewWindow : public DialogDelegate {
 public:
  enum : int32_t {
    kTitle = 1001,
    kSave = 1002,
    kPreferences = 1003,
    kScroll = 1004,
    kPage = 1005,
    kStatus = 1006,
    kPresets = 1007,
    kOpenPicture = 1008,
    kFirstLinear = 1100,  // one check box per parameter, in page order
  };

  struct Actions {
    std::function<void()> save;
    std::function<void()> preferences;
    std::function<void()> presets;
    std::function<void()> openPicture;
  };

  ViewWindow(Dialog& pageDialog, AttributePage& page, std::string title, Actions actions);

  bool CreateLayout(Dialog& dialog) override;
  bool InitValues(Dialog& dialog) override;
  bool Command(Dialog& dialog, int32_t id, const Container& msg) override;

  void SetStatus(Dialog& dialog, const std::string& text);
  // The status line's place in the window, where progress shows.
  Rect StatusArea(Dialog& dialog) const;
  // Parameters sit side by side when the window is wide enough.
  void FitColumns(Dialog& dialog, int windowWidth);
  int Columns() const { return columns_; }

 private:
  void AddToolbar(Dialog& dialog);
  void AddLinearRow(Dialog& dialog);
  void SetLinear(size_t index, bool linear);

  Dialog& pageDialog_;
  AttributePage& page_;
  std::string title_;
  Actions actions_;
  int columns_ = 1;
  int columnWidth_ = 0;
};

}  // namespace host
