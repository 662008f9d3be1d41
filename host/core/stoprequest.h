#pragma once
// Ctrl+C or SIGTERM in a verb without a window (render, run): the first
// one stops the work under way as closing the window does (a picture that
// loads stops within a row), so that the verb ends with its message and
// saves as usual; a second one ends the process at once.
namespace host {

class StopRequest {
 public:
  static void Install();
  static bool Requested();
};

}  // namespace host
