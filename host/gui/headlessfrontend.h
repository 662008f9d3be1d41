#pragma once
// The front end for scripts and tests: input comes from a queue that the
// caller fills, frames are kept in memory, time moves only when told to.
#include <array>

#include "gui/frontend.h"
#include "gui/inputqueue.h"

namespace host {

class HeadlessFrontend : public Frontend {
 public:
  explicit HeadlessFrontend(Size windowSize = {}, int scale = 1) : size_(windowSize), scale_(scale) {}

  InputQueue& Queue() { return queue_; }
  const Framebuffer& LastFrame() const { return frame_; }
  int FrameCount() const { return frames_; }
  int32_t Cursor() const { return cursor_; }
  const std::string& Tooltip() const { return tooltip_; }
  void SetWindowSize(Size size) { size_ = size; }
  void SetDisplayScale(int scale) { scale_ = scale == 2 ? 2 : 1; }
  void AdvanceClock(int64_t ms) { now_ += ms; }

  void Present(const Framebuffer& frame, const std::vector<Rect>& damage) override;
  Poll NextEvent(InputEvent& out, int timeoutMs) override;
  // A script closes the window by queueing its Close event.
  bool KeepAlive() override;
  void SetCursor(int32_t shape) override { cursor_ = shape; }
  void ShowTooltip(const std::string& text, Point) override { tooltip_ = text; }
  Size WindowSize() const override { return size_; }
  int DisplayScale() const override { return scale_; }
  int64_t NowMs() const override { return now_; }
  void SetClipboardText(Selection which, const std::string& text) override { clipboard_[Slot(which)] = text; }
  std::optional<std::string> ClipboardText(Selection which) override { return clipboard_[Slot(which)]; }

 private:
  void CopyPart(const Framebuffer& frame, const Rect& physical);
  static size_t Slot(Selection which) { return which == Selection::Primary ? 1 : 0; }

  InputQueue queue_;
  Framebuffer frame_;
  int frames_ = 0;
  int32_t cursor_ = 1;
  std::string tooltip_;
  Size size_;
  int scale_;
  int64_t now_ = 0;
  std::array<std::optional<std::string>, 2> clipboard_;
};

}  // namespace host
