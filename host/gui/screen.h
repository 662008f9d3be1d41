#pragma once
// The host's screen: the layers (the window's dialog, modal dialogs and
// popup menus on top), their composition into one frame at the front end's
// display scale, and the input loops. The main loop hands events to the
// event router one by one; loops that run inside a module call (mouse drag,
// popup menu, modal dialog, drag and drop) take further events from the same
// front end synchronously and present a frame at every step.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/compositor.h"
#include "gui/eventrouter.h"
#include "gui/filerequest.h"
#include "gui/frontend.h"
#include "gui/inputstate.h"
#include "gui/layer.h"
#include "gui/timerlist.h"
#include "gxa_api.h"
#include "raster/interfacecolors.h"

namespace host {

class Dialog;
class MenuModel;
class UserArea;
class Value;

class Screen {
 public:
  static constexpr int kPollMs = 15;

  explicit Screen(std::unique_ptr<Frontend> frontend);
  ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  Frontend& GetFrontend() { return *frontend_; }
  int Scale() const { return frontend_->DisplayScale() == 2 ? 2 : 1; }
  InputState& Input() { return input_; }
  InterfaceColors& Colors() { return colors_; }
  EventRouter& Router() { return router_; }
  TimerList& Timers() { return timers_; }

  // --- layers
  // The dialog fills the window; it builds its layout and fills its values.
  // Dialog::Close takes it off the screen.
  Layer& ShowWindow(Dialog& dialog);
  // Shows the dialog centred over the window with a title bar and waits
  // until it closes. whenShown runs once it is laid out (a scripted answer
  // fills it in there). False when the input ran out first: the dialog was
  // then cancelled (its button 2, or closed).
  bool RunModal(Dialog& dialog, const std::string& title, Size minimum,
                const std::function<void(Dialog&)>& whenShown = nullptr);
  Layer* TopLayer() const { return layers_.empty() ? nullptr : layers_.back().get(); }
  Layer* WindowLayer() const;
  std::vector<Layer*> Layers() const;
  // The dialog a modal layer shows, null for other layers.
  Dialog* ModalDialog(Layer& layer) const;
  // Every dialog on the screen, embedded ones included, bottom layer first.
  std::vector<Dialog*> OpenDialogs() const;
  void DismissPopup(Layer& layer);
  // The window was closed: its dialog may refuse (AskClose).
  bool CloseWindow();
  // The window's logical size: the front end's, or else the content's.
  Size WindowSize() const;

  // --- frames
  // Lays out and paints what changed, composes and presents the frame.
  void Render();
  const Framebuffer& Frame() const { return frame_; }
  std::unique_ptr<Canvas> CanvasFor(Widget& widget) { return compositor_.CanvasFor(widget); }

  // --- input
  // Handles one event as the main loop does.
  bool Dispatch(const InputEvent& e);
  // Handles events until the front end has none for now; answers false once
  // it will have none ever again.
  bool Pump();
  // For loops inside a module call: presents, then takes the next event.
  Frontend::Poll PollNested(InputEvent& out);
  // Sees every event a nested loop takes first; true keeps it from the loop.
  // A window's shortcuts (quit) must work while a modal dialog is open.
  void SetNestedFilter(std::function<bool(const InputEvent&)> filter) { nestedFilter_ = std::move(filter); }
  // Every nested loop, running or to come, ends as if the input ran out.
  void LeaveNestedLoops() { leaving_ = true; }
  // Dispatches events until done() holds; false when input ran out first.
  bool RunUntil(const std::function<bool()>& done);
  void SwallowRelease(int32_t channel) { router_.SwallowRelease(channel); }
  void FireTimers();

  // --- work inside a module call (BackgroundTask)
  // The window stays alive without giving out input; false once it was
  // closed, or the nested loops are being left.
  bool KeepAlive();
  // Lays the overlay over the frame last shown and shows that part, painting
  // nothing else: safe even while a dialog is being built.
  void PresentOverlay(Layer& overlay);
  // Shows the frame last shown again where the overlay was.
  void RemoveOverlay(const Layer& overlay);
  // Where progress shows: the window's status line when the window names
  // one (in logical window coordinates), else the bottom of the window.
  void SetStatusArea(std::function<Rect()> area) { statusArea_ = std::move(area); }
  bool HasStatusArea() const { return bool(statusArea_); }
  Rect StatusArea(int height) const;

  // --- host services
  int32_t RunMenu(const MenuModel& menu, Point global);
  std::optional<std::string> AskFile(const std::string& title, const std::string& current);
  std::optional<std::string> AskFile(const FileRequest& request);
  // A drag of typed data from a press: true when a gadget took the drop.
  bool RunDrag(int32_t type, const Value& data);
  bool DropFiles(const InputEvent& e);
  // Broadcast events reach every open dialog's CoreMessage, then its user areas'.
  void DeliverCoreMessage(int32_t id, const Container& msg);
  // Something every window may show has changed: each lays out and paints anew.
  void GlobalChange();
  void ForgetArea(UserArea& area);
  // The dialog is being destroyed: its window layer goes.
  void ForgetDialog(Dialog& dialog);

  Layer& PushLayer(std::unique_ptr<Layer> layer);
  void PopLayer(Layer& layer);

 private:
  void CenterLayer(Layer& layer);
  void ComposeShown(const std::vector<Layer*>& layers, const Rect& logical);
  // The interface colours follow the theme preference.
  void SyncTheme();

  std::unique_ptr<Frontend> frontend_;
  InputState input_;
  InterfaceColors colors_;
  EventRouter router_;
  Compositor compositor_;
  TimerList timers_;
  std::vector<std::unique_ptr<Layer>> layers_;
  std::vector<std::pair<Layer*, Dialog*>> modals_;
  Framebuffer frame_;
  std::vector<Rect> shownBounds_;  // where the layers were in the last frame
  std::function<bool(const InputEvent&)> nestedFilter_;
  std::function<Rect()> statusArea_;
  bool leaving_ = false;
};

}  // namespace host
