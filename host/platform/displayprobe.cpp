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

Outcome<Done> DisplayProbe::StartVideo() {
  const std::string missing = MissingDisplay();
  if (!missing.empty()) return Outcome<Done>::Fail(missing);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    return Outcome<Done>::Fail(std::string("the display cannot be opened (") + SDL_GetError() + ")");
  }
  return Done{};
}

void DisplayProbe::StopVideo() {
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
}

}  // namespace host
