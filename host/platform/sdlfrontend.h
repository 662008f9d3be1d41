#pragma once
// The host's screen in a real window (SDL2, software rendering): frames are
// copied into the window surface, window events become host input events.
// While a mouse button is held the mouse is captured, so a drag goes on
// outside the window. Tooltips are drawn over the frame once they are due.
//
// Closing the window: a loop inside a module call (drag, menu, modal
// dialog) sees its input end and finishes; the main loop, which marks its
// own polls with SetTopLevel, then gets a Close event.
#include <SDL.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "core/outcome.h"
#include "gui/frontend.h"
#include "platform/sdlcursors.h"
#include "platform/sdleventtranslator.h"
#include "platform/tooltipoverlay.h"
#include "platform/viewscale.h"

namespace host {

struct WindowOptions {
  std::string title = "gxa-host";
  Size logicalSize{900, 760};
  int scale = 0;  // 0: from the display
};

class SdlFrontend : public Frontend {
 public:
  // SDL's video must be running (DisplayProbe::StartVideo).
  static Outcome<std::unique_ptr<SdlFrontend>> Open(const WindowOptions& options);
  ~SdlFrontend() override;

  void Present(const Framebuffer& frame, const std::vector<Rect>& damage) override;
  Poll NextEvent(InputEvent& out, int timeoutMs) override;
  bool KeepAlive() override;
  void SetCursor(int32_t shape) override { cursors_.Apply(shape); }
  void ShowTooltip(const std::string& text, Point position) override;
  Size WindowSize() const override;
  int DisplayScale() const override { return scale_.Scale(); }
  int64_t NowMs() const override { return int64_t(SDL_GetTicks64()); }
  void SetClipboardText(Selection which, const std::string& text) override;
  std::optional<std::string> ClipboardText(Selection which) override;

  void SetTopLevel(bool topLevel) { topLevel_ = topLevel; }
  void SetTitle(const std::string& title);
  // The window cannot be made narrower or lower than this (logical).
  void SetMinimumSize(Size logical);
  // The window changed size or was shown again: the screen should render.
  bool TakeRedrawRequest();
  // Called after each frame reaches the window.
  void SetPresentListener(std::function<void()> listener) { presentListener_ = std::move(listener); }
  uint32_t WindowId() const { return SDL_GetWindowID(window_); }
  // Something outside the window (the screen picker) held the pointer: until
  // SDL reports a motion again, presses and wheel turns are placed where the
  // pointer is, not where SDL last saw it.
  void PointerReturned() { pointerReturned_ = true; }

 private:
  SdlFrontend(SDL_Window* window, ViewScale scale);
  void Handle(SDL_Event& e);
  void HandleWindow(const SDL_WindowEvent& w);
  // Skips to the last of several queued motions.
  void CoalesceMotion(SDL_Event& e);
  void UpdateCapture(const SDL_Event& e);
  // The pointer in window points, asked of the desktop.
  Point PointerNow() const;
  void PlaceAtPointer(SDL_Event& e);
  void Show();
  // Shows only the given physical rectangles of frame_; false when it cannot.
  bool ShowParts(const std::vector<Rect>& parts);

  SDL_Window* window_;
  ViewScale scale_;
  SdlEventTranslator translator_;
  SdlCursors cursors_;
  TooltipOverlay tooltip_;
  bool tooltipShown_ = false;
  std::deque<InputEvent> pending_;
  Framebuffer frame_;
  bool closeRequested_ = false;
  bool topLevel_ = false;
  bool redraw_ = false;
  bool focused_ = false;
  bool pointerReturned_ = false;
  std::function<void()> presentListener_;
};

}  // namespace host
