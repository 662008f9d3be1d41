// Work on the host's worker thread inside a module call: the window goes on
// showing frames, with a progress strip over its status area that follows
// the work and goes when it ends; closing the window stops the work, whose
// thread has ended by the time the call returns.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "gui/backgroundtask.h"
#include "gui/progressstrip.h"
#include "gui/widgetstyle.h"
#include "guitestkit.h"
#include "recordingobserver.h"

namespace host {
namespace {

constexpr Size kWindow{320, 200};

// Frames and the window's state where a test can watch them: whether a frame
// showed the bar at the percent asked for (the worker waits for that), and a
// window closed after so many looks.
class WatchedFrontend : public HeadlessFrontend {
 public:
  WatchedFrontend() : HeadlessFrontend(kWindow, 1) {}

  void Present(const Framebuffer& frame, const std::vector<Rect>& damage) override {
    HeadlessFrontend::Present(frame, damage);
    frames.push_back(LastFrame());
    if (std::abs(BarFill(LastFrame()) - wantedFill) <= 2) showedWanted = true;
  }
  bool KeepAlive() override { return closeAfter == 0 || ++looks < closeAfter; }

  // Pixels of the bar's row in the highlight colour.
  static int BarFill(const Framebuffer& f) {
    const Rgba highlight = InterfaceColors().GetOr(InterfaceColors::kHighlight, {});
    const uint32_t* row = f.Row(BarY());
    int filled = 0;
    for (int x = 0; x < f.Width(); ++x) filled += Framebuffer::Unpack(row[x]) == highlight;
    return filled;
  }
  static int StripHeight() { return WidgetStyle::LineHeight() + ProgressStrip::kPadding; }
  static int BarY() { return kWindow.h - StripHeight() + (StripHeight() - ProgressStrip::kBarHeight) / 2 + 3; }

  std::vector<Framebuffer> frames;
  std::atomic<bool> showedWanted{false};
  int wantedFill = -100;
  int closeAfter = 0;
  int looks = 0;
};

// Waits for flag, or gives up after a long while: a fault fails, it does not hang.
bool WaitFor(const std::atomic<bool>& flag) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!flag && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return flag;
}

class BackgroundTaskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto frontend = std::make_unique<WatchedFrontend>();
    watched = frontend.get();
    Gui::Get().SetFrontend(std::move(frontend));
    Gui::Get().SetObserver(&observer);
    Gui::Get().GetScreen().Render();
  }
  void TearDown() override {
    Gui::Get().SetObserver(nullptr);
    Gui::Get().SetFrontend(std::make_unique<HeadlessFrontend>());
  }

  WatchedFrontend* watched = nullptr;
  testkit::RecordingObserver observer;
};

TEST_F(BackgroundTaskTest, TheWindowShowsTheProgressWhileTheWorkRunsAndForgetsItAfter) {
  const Framebuffer before = watched->LastFrame();
  const int barWidth = std::clamp(kWindow.w / 3, 80, 220);
  watched->wantedFill = barWidth * 42 / 100;
  BackgroundTask task(&Gui::Get().GetScreen(), "Loading big.png");
  task.SetShowAfter(0);
  const BackgroundTask::Outcome outcome = task.Run([&](TaskProgress& progress) {
    progress.Report(0.42);
    return WaitFor(watched->showedWanted) && progress.Report(1.0);
  });
  EXPECT_EQ(outcome, BackgroundTask::Outcome::Done);
  EXPECT_TRUE(watched->showedWanted) << "no frame showed the bar at 42 %";
  EXPECT_EQ(task.Steps(), (std::vector<int>{42, 100}));
  ASSERT_EQ(observer.tasks.size(), 1u);
  EXPECT_EQ(observer.tasks[0].label, "Loading big.png");
  EXPECT_EQ(observer.tasks[0].percents, (std::vector<int>{42, 100}));
  EXPECT_EQ(observer.tasks[0].outcome, "done");

  // The strip lay only over the bottom of the window, with its words at the
  // left; at the end the window is as it was.
  ASSERT_GE(watched->frames.size(), 3u);
  const Framebuffer& shown = watched->frames[1];
  const int top = kWindow.h - WatchedFrontend::StripHeight();
  int changedAbove = 0, words = 0;
  for (int y = 0; y < kWindow.h; ++y) {
    for (int x = 0; x < kWindow.w; ++x) {
      const bool changed = shown.Row(y)[x] != before.Row(y)[x];
      if (y < top) changedAbove += changed;
      if (y >= top && x < kWindow.w / 3) words += changed;
    }
  }
  EXPECT_EQ(changedAbove, 0);
  EXPECT_GT(words, 50);
  const Framebuffer& after = watched->frames.back();
  for (int y = 0; y < kWindow.h; ++y) {
    ASSERT_TRUE(std::equal(after.Row(y), after.Row(y) + kWindow.w, before.Row(y))) << "row " << y;
  }
}

TEST_F(BackgroundTaskTest, ALongNameIsCutShortBeforeTheBar) {
  const int barWidth = std::clamp(kWindow.w / 3, 80, 220);
  const int barX = kWindow.w - ProgressStrip::kMargin - barWidth;
  watched->wantedFill = barWidth / 2;
  BackgroundTask task(&Gui::Get().GetScreen(), "Loading " + std::string(120, 'W') + ".png");
  task.SetShowAfter(0);
  task.Run([&](TaskProgress& progress) {
    progress.Report(0.5);
    return WaitFor(watched->showedWanted);
  });
  ASSERT_TRUE(watched->showedWanted) << "the bar is not where it belongs";
  const Framebuffer& shown = watched->frames[1];
  const uint32_t background = Framebuffer::Pack(InterfaceColors().GetOr(InterfaceColors::kBackground, {}));
  int written = 0;
  for (int y = kWindow.h - WatchedFrontend::StripHeight() + 2; y < kWindow.h; ++y) {
    for (int x = barX - ProgressStrip::kMargin; x < barX; ++x) written += shown.Row(y)[x] != background;
  }
  EXPECT_EQ(written, 0);
}

TEST_F(BackgroundTaskTest, ClosingTheWindowStopsTheWorkAndItsThreadEnds) {
  watched->closeAfter = 3;
  std::atomic<bool> ended{false};
  BackgroundTask task(&Gui::Get().GetScreen(), "Loading big.png");
  const BackgroundTask::Outcome outcome = task.Run([&](TaskProgress& progress) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    bool going = true;
    for (int step = 1; going && std::chrono::steady_clock::now() < end; ++step) {
      going = progress.Report(std::min(0.5, step / 1000.0));
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ended = true;
    return going;
  });
  EXPECT_TRUE(ended);
  EXPECT_EQ(outcome, BackgroundTask::Outcome::Cancelled);
  EXPECT_EQ(watched->looks, 3);
  ASSERT_EQ(observer.tasks.size(), 1u);
  EXPECT_EQ(observer.tasks[0].outcome, "cancelled");
  EXPECT_LT(observer.tasks[0].percents.size(), 51u);

  // Closed before it starts, the work stops at its first report.
  int reports = 0;
  BackgroundTask late(&Gui::Get().GetScreen(), "Loading big.png");
  EXPECT_EQ(late.Run([&](TaskProgress& progress) { return ++reports && progress.Report(0.5); }),
            BackgroundTask::Outcome::Cancelled);
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(late.Steps().empty());
}

}  // namespace
}  // namespace host
