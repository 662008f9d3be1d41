#pragma once
// Whether a window can be opened here: a display is named in the
// environment and SDL's video system starts on it.
#include <string>

#include "core/outcome.h"

namespace host {

class DisplayProbe {
 public:
  // Starts SDL's video; fails with the reason when there is no display.
  static Outcome<Done> StartVideo();
  static void StopVideo();
  // Why the environment names no display, empty when it names one. A
  // driver chosen through SDL_VIDEODRIVER counts as a display.
  static std::string MissingDisplay();
  // The SDL video drivers to try, from the environment.
  static std::string Drivers();

 private:
  // "DISPLAY=:5", the variables that name the display.
  static std::string Named();
};

}  // namespace host
