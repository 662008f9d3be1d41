#include "platform/sdlfrontend.h"

#include <algorithm>
#include <vector>

#include "core/host.h"

namespace host {

namespace {

constexpr Size kMinimumLogical{360, 240};

// The interface colours of the theme the preferences name.
InterfaceColors CurrentColors() {
  Host* h = Host::Current();
  const int theme = h ? h->Prefs().Data().GetInt32(WorldPreferences::kTheme, 0) : 0;
  return InterfaceColors(InterfaceColors::ThemeFromPreference(theme));
}

int PixelsPerPoint(SDL_Window* w) {
  int pw = 0, ph = 0, ww = 0, wh = 0;
  SDL_GetWindowSizeInPixels(w, &pw, &ph);
  SDL_GetWindowSize(w, &ww, &wh);
  return ww > 0 && pw >= 2 * ww ? 2 : 1;
}

float DisplayDpi() {
  float dpi = 0.0f;
  if (SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr) != 0) return 0.0f;
  return dpi;
}

// No larger than the usable part of the display.
Size FitToDisplay(Size points) {
  SDL_Rect usable{0, 0, points.w, points.h};
  SDL_GetDisplayUsableBounds(0, &usable);
  return {std::min(points.w, usable.w), std::min(points.h, usable.h)};
}

}  // namespace

Outcome<std::unique_ptr<SdlFrontend>> SdlFrontend::Open(const WindowOptions& options) {
  using R = Outcome<std::unique_ptr<SdlFrontend>>;
  // The first click into an inactive window already acts, as in most desktop programs.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // The page is drawn in our own framebuffer and shown through the window
  // surface; backing that surface with an OpenGL texture would load a GL
  // driver (on machines without a GPU, LLVM with it: some 70 MB and a few
  // hundred milliseconds at every start) for nothing.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // The window is made at its final size, centred: a scaling platform
  // shows only once it exists, and then the size in points is corrected.
  const float dpi = DisplayDpi();
  ViewScale scale = ViewScale::Choose(options.scale, 1, dpi);
  const Size minimum = scale.WindowPoints(kMinimumLogical);
  Size points = FitToDisplay(scale.WindowPoints(options.logicalSize));
  SDL_Window* w = SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   std::max(points.w, minimum.w), std::max(points.h, minimum.h),
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN);
  if (!w) return R::Fail(std::string("the window cannot be made (") + SDL_GetError() + ")");
  if (const int ppp = PixelsPerPoint(w); ppp != 1) {
    scale = ViewScale::Choose(options.scale, ppp, dpi);
    points = FitToDisplay(scale.WindowPoints(options.logicalSize));
    SDL_SetWindowSize(w, points.w, points.h);
  }
  SDL_SetWindowMinimumSize(w, minimum.w, minimum.h);
  SDL_ShowWindow(w);
  SDL_StartTextInput();
  return std::unique_ptr<SdlFrontend>(new SdlFrontend(w, scale));
}

SdlFrontend::SdlFrontend(SDL_Window* window, ViewScale scale) : window_(window), scale_(scale), translator_(scale) {}

SdlFrontend::~SdlFrontend() {
  SDL_CaptureMouse(SDL_FALSE);
  SDL_StopTextInput();
  SDL_DestroyWindow(window_);
}

void SdlFrontend::SetTitle(const std::string& title) { SDL_SetWindowTitle(window_, title.c_str()); }

void SdlFrontend::SetClipboardText(Selection which, const std::string& text) {
  // SDL owns the selection and answers other programs from its event pump.
  if (which == Selection::Primary) SDL_SetPrimarySelectionText(text.c_str());
  else SDL_SetClipboardText(text.c_str());
}

std::optional<std::string> SdlFrontend::ClipboardText(Selection which) {
  const bool primary = which == Selection::Primary;
  if (!(primary ? SDL_HasPrimarySelectionText() : SDL_HasClipboardText())) return std::nullopt;
  char* text = primary ? SDL_GetPrimarySelectionText() : SDL_GetClipboardText();
  if (!text) return std::nullopt;
  std::string out(text);
  SDL_free(text);
  return out;
}

void SdlFrontend::SetMinimumSize(Size logical) {
  const Size points =
      scale_.WindowPoints({std::max(logical.w, kMinimumLogical.w), std::max(logical.h, kMinimumLogical.h)});
  int w = 0, h = 0;
  SDL_GetWindowMinimumSize(window_, &w, &h);
  if (w != points.w || h != points.h) SDL_SetWindowMinimumSize(window_, points.w, points.h);
}

Size SdlFrontend::WindowSize() const {
  int pw = 0, ph = 0;
  SDL_GetWindowSizeInPixels(window_, &pw, &ph);
  return scale_.LogicalSize({pw, ph});
}

bool SdlFrontend::TakeRedrawRequest() {
  const bool r = redraw_;
  redraw_ = false;
  return r;
}

void SdlFrontend::Present(const Framebuffer& frame, const std::vector<Rect>& damage) {
  const bool sameSize =
      frame_.Width() == frame.Width() && frame_.Height() == frame.Height() && frame_.Scale() == frame.Scale();
  if (sameSize) {
    for (const Rect& part : damage) {
      const Rect r = part.Intersect({0, 0, frame.Width(), frame.Height()});
      for (int y = r.y; y < r.Bottom(); ++y) std::copy_n(frame.Row(y) + r.x, r.w, frame_.Row(y) + r.x);
    }
  } else {
    frame_ = frame;
  }
  if (!sameSize || !ShowParts(damage)) Show();
  if (!focused_) {
    // Typing goes here from the start, also on a display without a window manager.
    focused_ = true;
    SDL_RaiseWindow(window_);
    SDL_SetWindowInputFocus(window_);
  }
  if (presentListener_) presentListener_();
}

void SdlFrontend::Show() {
  SDL_Surface* s = SDL_GetWindowSurface(window_);
  if (!s || frame_.IsEmpty()) return;
  const Framebuffer* src = &frame_;
  Framebuffer withTooltip;
  if (tooltipShown_) {
    withTooltip = frame_;
    tooltip_.Paint(withTooltip, CurrentColors());
    src = &withTooltip;
  }
  const int w = std::min(src->Width(), s->w), h = std::min(src->Height(), s->h);
  if (w < s->w || h < s->h) SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 0));
  if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
  SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_RGBA32, src->Row(0), src->Width() * 4, s->format->format, s->pixels,
                    s->pitch);
  if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
  SDL_UpdateWindowSurface(window_);
}

bool SdlFrontend::ShowParts(const std::vector<Rect>& parts) {
  SDL_Surface* s = SDL_GetWindowSurface(window_);
  // The tooltip is painted over a copy of the whole frame.
  if (!s || tooltipShown_ || s->w != frame_.Width() || s->h != frame_.Height()) return false;
  std::vector<SDL_Rect> shown;
  if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
  for (const Rect& part : parts) {
    const Rect r = part.Intersect({0, 0, s->w, s->h});
    if (r.IsEmpty()) continue;
    uint8_t* to = static_cast<uint8_t*>(s->pixels) + size_t(r.y) * s->pitch + size_t(r.x) * s->format->BytesPerPixel;
    SDL_ConvertPixels(r.w, r.h, SDL_PIXELFORMAT_RGBA32, frame_.Row(r.y) + r.x, frame_.Width() * 4, s->format->format,
                      to, s->pitch);
    shown.push_back({r.x, r.y, r.w, r.h});
  }
  if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
  if (!shown.empty()) SDL_UpdateWindowSurfaceRects(window_, shown.data(), int(shown.size()));
  return true;
}

void SdlFrontend::ShowTooltip(const std::string& text, Point position) {
  tooltip_.Set(text, position, NowMs());
  if (text.empty() && tooltipShown_) {
    tooltipShown_ = false;
    Show();
  }
}

Frontend::Poll SdlFrontend::NextEvent(InputEvent& out, int timeoutMs) {
  const int64_t deadline = NowMs() + std::max(0, timeoutMs);
  for (;;) {
    if (closeRequested_ && !topLevel_) return Poll::Exhausted;
    if (!pending_.empty()) {
      out = std::move(pending_.front());
      pending_.pop_front();
      return Poll::Event;
    }
    if (closeRequested_) {
      closeRequested_ = false;
      out = InputEvent::Closed();
      return Poll::Event;
    }
    const int64_t now = NowMs();
    const bool tooltipDue = tooltip_.IsShown(now);
    if (tooltipDue != tooltipShown_) {
      tooltipShown_ = tooltipDue;
      Show();
    }
    int64_t wait = deadline - now;
    const int64_t tooltipWait = tooltip_.WaitFrom(now);
    if (tooltipWait >= 0) wait = std::min(wait, tooltipWait);
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, int(std::max<int64_t>(0, wait)))) {
      Handle(e);
      continue;
    }
    if (NowMs() >= deadline) return Poll::Idle;
  }
}

bool SdlFrontend::KeepAlive() {
  // Input joins the pending events, which the call's caller takes later;
  // Escape is the user's answer to the work itself, and goes no further.
  SDL_Event e;
  while (!closeRequested_ && SDL_PollEvent(&e)) Handle(e);
  const auto escape = std::find_if(pending_.begin(), pending_.end(), [](const InputEvent& i) {
    return i.type == InputEvent::Type::KeyDown && i.key == GXA_KEY_ESC;
  });
  if (escape == pending_.end()) return !closeRequested_;
  pending_.erase(escape);
  return false;
}

void SdlFrontend::Handle(SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT: closeRequested_ = true; return;
    case SDL_WINDOWEVENT:
      if (e.window.windowID == WindowId()) HandleWindow(e.window);
      return;
    case SDL_MOUSEMOTION: CoalesceMotion(e); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEWHEEL:
    case SDL_KEYDOWN: tooltip_.Hide(); break;
    case SDL_DROPBEGIN:
    case SDL_DROPFILE: {
      // Drops carry no position: the pointer is over the window by now.
      const Point at = PointerNow();
      translator_.SetPointer(scale_.ToLogical(at.x, at.y));
      break;
    }
    default: break;
  }
  if ((e.type == SDL_MOUSEMOTION || e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) &&
      e.motion.windowID != WindowId()) {
    return;
  }
  if (e.type == SDL_MOUSEMOTION) pointerReturned_ = false;
  else if (pointerReturned_) PlaceAtPointer(e);
  std::vector<InputEvent> out;
  translator_.Translate(e, out);
  UpdateCapture(e);
  for (InputEvent& i : out) pending_.push_back(std::move(i));
  if ((e.type == SDL_DROPFILE || e.type == SDL_DROPTEXT) && e.drop.file) SDL_free(e.drop.file);
}

Point SdlFrontend::PointerNow() const {
  int gx = 0, gy = 0, wx = 0, wy = 0;
  SDL_GetGlobalMouseState(&gx, &gy);
  SDL_GetWindowPosition(window_, &wx, &wy);
  return {gx - wx, gy - wy};
}

void SdlFrontend::PlaceAtPointer(SDL_Event& e) {
  // SDL drops the first motion after the pointer comes back and reports
  // presses where the pointer was before it left: ask where it is instead.
  const Point at = PointerNow();
  if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) {
    e.button.x = at.x;
    e.button.y = at.y;
  } else if (e.type == SDL_MOUSEWHEEL) {
    translator_.SetPointer(scale_.ToLogical(at.x, at.y));
  }
}

void SdlFrontend::HandleWindow(const SDL_WindowEvent& w) {
  switch (w.event) {
    case SDL_WINDOWEVENT_CLOSE: closeRequested_ = true; break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED: redraw_ = true; break;
    case SDL_WINDOWEVENT_EXPOSED: Show(); break;
    case SDL_WINDOWEVENT_LEAVE:
      // Hover ends; a drag in progress keeps the pointer.
      if (!translator_.AnyButtonDown()) pending_.push_back(InputEvent::MouseMove({-1, -1}, translator_.Qualifiers()));
      tooltip_.Hide();
      break;
    default: break;
  }
}

void SdlFrontend::CoalesceMotion(SDL_Event& e) {
  SDL_Event next;
  while (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 && next.type == SDL_MOUSEMOTION &&
         next.motion.windowID == e.motion.windowID) {
    SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION);
  }
}

void SdlFrontend::UpdateCapture(const SDL_Event& e) {
  if (e.type == SDL_MOUSEBUTTONDOWN) SDL_CaptureMouse(SDL_TRUE);
  if (e.type == SDL_MOUSEBUTTONUP && !translator_.AnyButtonDown()) SDL_CaptureMouse(SDL_FALSE);
}

}  // namespace host
