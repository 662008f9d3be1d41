#pragma once
// A host driven by a script or a test: it runs in a home folder of its own
// (a temporary one unless told otherwise), loads the module, and shows the
// attribute-editor page in a headless window. Through it a caller opens
// choosers for colour parameters, sends input to their gadgets through the
// host's event path, queues answers for the menus and dialogs they bring
// up, and reads back what the choosers told their parent, their values,
// their state, the preferences and pictures of the screen.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/inputdriver.h"
#include "automation/temphome.h"
#include "core/host.h"
#include "gui/answerqueue.h"
#include "page/attributepage.h"
#include "raster/bitmap.h"

namespace host {

class Dialog;
class HeadlessFrontend;
class Screen;
class Widget;

struct AutomationOptions {
  // About the width an attribute editor gives a colour parameter.
  static constexpr int kDefaultWidth = 360;

  std::filesystem::path module;
  HostOptions host;           // host.home unset: a temporary home
  int scale = 1;              // display scale, 1 or 2
  int width = kDefaultWidth;  // window width in logical pixels; 0 fits the page
  Container prefs;            // world preferences set before anything is shown
};

class AutomationHost {
 public:
  // Fails when a host already runs in this process, the home cannot be
  // made, or the module does not load and start.
  static Outcome<std::unique_ptr<AutomationHost>> Create(const AutomationOptions& options);
  ~AutomationHost();
  AutomationHost(const AutomationHost&) = delete;
  AutomationHost& operator=(const AutomationHost&) = delete;

  Host& GetHost() { return *host_; }
  Screen& GetScreen();
  AttributePage& Page() { return *page_; }
  Dialog& PageDialog() { return *pageDialog_; }
  const std::filesystem::path& Home() const { return home_; }

  // --- preferences
  Container& Prefs() { return host_->Prefs().Data(); }
  // Writes the entries, then tells every chooser the preferences changed.
  void SetPrefs(const Container& entries);

  // --- choosers
  Outcome<ColorParameter*> Open(ParameterSpec spec);
  ColorParameter* Parameter(const std::string& key) const { return page_->Find(key); }
  // The chooser's dialog, null for an unknown key.
  Dialog* Chooser(const std::string& key) const;
  // The host sets new values; linear unset keeps the objects' marks.
  Outcome<Done> SetValues(const std::string& key, const std::vector<ColorValue>& values,
                          const std::optional<std::vector<bool>>& linear = std::nullopt);
  std::optional<TriStateValue> GetData(const std::string& key) const;
  std::optional<Container> State(const std::string& key) const;
  // The page is saved and opened again: each chooser is made anew with its
  // stored state ('slda') and the values its objects hold, as a host does
  // when a saved scene is loaded.
  Outcome<Done> Reload();

  // --- gadgets and input
  // A gadget of the chooser or of a dialog embedded in it; no id: the
  // chooser's own gadget on the page.
  Widget* FindGadget(const std::string& key, std::optional<int32_t> id) const;
  InputDriver& Input() { return *input_; }
  void Answer(host::Answer answer);

  // --- what happened
  const std::vector<AttributePage::ParentMessage>& ParentMessages() const { return messages_; }
  void ClearParentMessages() { messages_.clear(); }
  // Told of each parent message as it arrives (a transcript keeps the order).
  void SetParentListener(AttributePage::MessageListener listener) { parentListener_ = std::move(listener); }

  // --- pictures (physical pixels)
  Outcome<Bitmap> Capture(Widget* gadget = nullptr);
  Outcome<Bitmap> SaveScreenshot(const std::filesystem::path& file, Widget* gadget = nullptr);

 private:
  AutomationHost() = default;
  Outcome<Done> Start(const AutomationOptions& options);
  Outcome<Done> ShowPage();

  std::optional<TempHome> tempHome_;
  std::filesystem::path home_;
  std::unique_ptr<Host> host_;
  HeadlessFrontend* frontend_ = nullptr;
  AttributePage* page_ = nullptr;
  std::unique_ptr<Dialog> pageDialog_;
  std::unique_ptr<InputDriver> input_;
  std::vector<AttributePage::ParentMessage> messages_;
  AttributePage::MessageListener parentListener_;
};

}  // namespace host
