#pragma once
// Work that runs on a worker thread inside a module call (a picture that
// decodes) while the module waits for the call to return, as it expects.
// Meanwhile the screen stays alive: the window handles its own events,
// input waits for after the call, and once the work takes noticeably long a
// progress strip lies over the window's status area, shown afresh at every
// new percent. Closing the window cancels the work. The worker is always
// joined before Run returns. Without a screen Run just waits for it.
//
// The transcript observer hears of every task with the percents it went
// through: the same for the same work whatever the threads did.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/taskprogress.h"

namespace host {

class Layer;
class ProgressStrip;
class Screen;

class BackgroundTask {
 public:
  enum class Outcome { Done, Failed, Cancelled };
  // Reports to progress, stops soon once a report answers false, and
  // answers whether it did what it was for.
  using Job = std::function<bool(TaskProgress& progress)>;

  // Shorter work shows no strip: it would only flicker.
  static constexpr int kShowAfterMs = 150;
  // How often the waiting thread looks at the window without new progress.
  static constexpr int kPollMs = 30;

  BackgroundTask(Screen* screen, std::string label);
  ~BackgroundTask();

  // Time on the front end's clock before the strip shows.
  void SetShowAfter(int ms) { showAfterMs_ = ms; }
  Outcome Run(const Job& job);
  const std::vector<int>& Steps() const { return steps_; }
  static const char* OutcomeName(Outcome outcome);

 private:
  void Wait(TaskProgress& progress);
  void ShowStrip(int percent);

  Screen* screen_;
  std::string label_;
  int showAfterMs_ = kShowAfterMs;
  std::unique_ptr<Layer> strip_;
  ProgressStrip* stripWidget_ = nullptr;
  std::vector<int> steps_;
};

}  // namespace host
