#include "gui/backgroundtask.h"

#include <system_error>
#include <thread>
#include "core/stoprequest.h"

#include "gui/gui.h"
#include "gui/layer.h"
#include "gui/progressstrip.h"
#include "gui/screen.h"
#include "gui/widgetstyle.h"

namespace host {

BackgroundTask::BackgroundTask(Screen* screen, std::string label) : screen_(screen), label_(std::move(label)) {}

BackgroundTask::~BackgroundTask() = default;

const char* BackgroundTask::OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::Done: return "done";
    case Outcome::Failed: return "failed";
    case Outcome::Cancelled: break;
  }
  return "cancelled";
}

BackgroundTask::Outcome BackgroundTask::Run(const Job& job) {
  TaskProgress progress;
  // A window closed already, or a stop asked for, stops the work at its first report.
  if (StopRequest::Requested() || (screen_ && !screen_->KeepAlive())) progress.Cancel();
  auto work = [&] {
    bool ok = false;
    try {
      ok = job(progress);
    } catch (...) {
      ok = false;
    }
    progress.Finish(ok);
  };
  try {
    std::thread worker(work);
    Wait(progress);
    worker.join();
  } catch (const std::system_error&) {
    // No thread to be had: the work runs here, and the window waits.
    if (!progress.IsFinished()) work();
  }
  steps_ = progress.Steps();
  const Outcome outcome = progress.Succeeded()     ? Outcome::Done
                          : progress.IsCancelled() ? Outcome::Cancelled
                                                   : Outcome::Failed;
  if (Gui::Exists()) Gui::Get().Observer().TaskEnded(label_, steps_, OutcomeName(outcome));
  return outcome;
}

void BackgroundTask::Wait(TaskProgress& progress) {
  const int64_t start = screen_ ? screen_->GetFrontend().NowMs() : 0;
  while (!progress.IsFinished()) {
    progress.WaitForChange(kPollMs);
    if (progress.IsCancelled()) continue;
    if (StopRequest::Requested() || (screen_ && !screen_->KeepAlive())) {
      progress.Cancel();
      continue;
    }
    if (!screen_) continue;
    if (strip_ || screen_->GetFrontend().NowMs() - start >= showAfterMs_) ShowStrip(progress.Percent());
  }
  if (strip_) {
    screen_->RemoveOverlay(*strip_);
    strip_.reset();
  }
}

void BackgroundTask::ShowStrip(int percent) {
  if (!strip_) {
    auto widget = std::make_unique<ProgressStrip>(label_, !screen_->HasStatusArea());
    stripWidget_ = widget.get();
    stripWidget_->SetPercent(percent);
    strip_ = std::make_unique<Layer>(Layer::Kind::Overlay, std::move(widget));
    const Rect area = screen_->StatusArea(WidgetStyle::LineHeight() + ProgressStrip::kPadding);
    strip_->SetOrigin({area.x, area.y});
    strip_->SetSize({area.w, area.h});
  } else if (!stripWidget_->SetPercent(percent)) {
    return;
  }
  screen_->PresentOverlay(*strip_);
}

}  // namespace host
