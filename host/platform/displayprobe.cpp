#include "platform/displayprobe.h"

#include <SDL.h>

#include <cstdlib>

namespace host {

namespace {
bool IsSet(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}
}  // namespace

std::string DisplayProbe::MissingDisplay() {
  if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("SDL_VIDEODRIVER")) return {};
  return "neither DISPLAY nor WAYLAND_DISPLAY is set";
}

// The drivers of the display the environment names. Left to itself SDL
// falls through to drivers that draw nowhere, and the window would wait
// for events that never come.
std::string DisplayProbe::Drivers() {
  if (IsSet("SDL_VIDEODRIVER")) return std::getenv("SDL_VIDEODRIVER");
  std::string drivers;
  if (IsSet("WAYLAND_DISPLAY")) drivers = "wayland";
  if (IsSet("DISPLAY")) drivers += drivers.empty() ? "x11" : ",x11";
  return drivers;
}

Outcome<Done> DisplayProbe::StartVideo() {
  const std::string missing = MissingDisplay();
  if (!missing.empty()) return Outcome<Done>::Fail(missing);
  const std::string drivers = Drivers();
  // Over an empty SDL_VIDEODRIVER too, which SDL would otherwise read as "any".
  SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers.c_str(), SDL_HINT_OVERRIDE);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    return Outcome<Done>::Fail(std::string("the display cannot be opened: ") + SDL_GetError() + " (" + Named() + ")");
  }
  return Done{};
}

std::string DisplayProbe::Named() {
  std::string named;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
    if (IsSet(name)) named += (named.empty() ? "" : ", ") + std::string(name) + "=" + std::getenv(name);
  }
  return named;
}

void DisplayProbe::StopVideo() {
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
}

}  // namespace host
