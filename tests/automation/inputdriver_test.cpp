// Scripted gestures reach a user area through the host's one event path: a
// drag arrives as one mouse-drag loop that pulls the moves itself.
#include <gtest/gtest.h>

#include <vector>

#include "core/handles.h"
#include "gui/dialog.h"
#include "gui/dialoggadgetfamily.h"
#include "gui/screen.h"
#include "gui/userareafamily.h"
#include "headlessgui.h"

namespace {

constexpr int32_t kAreaId = 4100;

// What a module's user area would see: presses, and the loop it runs on a
// left press.
struct DragRecorder {
  GxaUserArea* area = nullptr;
  int presses = 0;
  int loops = 0;
  std::vector<int32_t> answers;  // every poll's answer
  double dx = 0.0, dy = 0.0;
  int32_t end = 0;
  int32_t qualifiers = 0;
};

bool GetMinSize(void*, int32_t* w, int32_t* h) {
  *w = 200;
  *h = 40;
  return true;
}

bool Input(void* user, const GxaContainer* msg) {
  auto& r = *static_cast<DragRecorder*>(user);
  const host::Container& m = *host::FromHandle(msg);
  if (m.GetInt32(GXA_INPUT_DEVICE) != GXA_DEVICE_MOUSE || m.GetInt32(GXA_INPUT_CHANNEL) != GXA_CHANNEL_LEFT)
    return false;
  ++r.presses;
  const GxaUserAreaFns& ua = *host::UserAreaFamily::Table();
  int32_t x = m.GetInt32(GXA_INPUT_X), y = m.GetInt32(GXA_INPUT_Y);
  ua.global_to_local(r.area, &x, &y);
  ++r.loops;
  ua.mouse_drag_start(r.area, GXA_CHANNEL_LEFT, x, y);
  host::Container channels;
  for (;;) {
    double dx = 0, dy = 0;
    const int32_t answer = ua.mouse_drag(r.area, &dx, &dy, host::ToHandle(&channels));
    r.answers.push_back(answer);
    r.dx += dx;
    r.dy += dy;
    r.qualifiers = channels.GetInt32(GXA_INPUT_QUALIFIER);
    if (answer != GXA_MOUSEDRAG_CONTINUE) break;
  }
  r.end = ua.mouse_drag_end(r.area);
  return true;
}

const GxaUserAreaCallbacks kCallbacks = {
    sizeof(GxaUserAreaCallbacks), nullptr, nullptr, nullptr, &GetMinSize, nullptr, nullptr, nullptr, &Input,
};

class AreaDialog : public host::DialogDelegate {
 public:
  explicit AreaDialog(DragRecorder& r) : r_(r) {}
  bool CreateLayout(host::Dialog& d) override {
    host::DialogGadgetFamily::AddUserArea(d.Handle(), kAreaId, GXA_ALIGN_H_SCALEFIT, 0, 0);
    return host::DialogGadgetFamily::AttachUserArea(d.Handle(), kAreaId, r_.area, 0);
  }

 private:
  DragRecorder& r_;
};

class InputDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    recorder_.area = host::UserAreaFamily::Table()->create(&kCallbacks, &recorder_);
    dialog_ = std::make_unique<host::Dialog>(std::make_unique<AreaDialog>(recorder_));
    gui_.Screen().ShowWindow(*dialog_);
  }
  void TearDown() override {
    dialog_.reset();
    host::UserAreaFamily::Table()->destroy(recorder_.area);
  }
  host::Widget& Area() { return *dialog_->Find(kAreaId); }

  HeadlessGui gui_;
  DragRecorder recorder_;
  std::unique_ptr<host::Dialog> dialog_;
};

TEST_F(InputDriverTest, DragIsOneLoopThatSeesEveryMove) {
  gui_.Input().Drag(Area(), {{10, 20}, {30, 22}, {60, 25}, {90, 18}}, GXA_CHANNEL_LEFT, GXA_QUALIFIER_SHIFT, false);
  EXPECT_EQ(recorder_.presses, 1);  // the moves went to the loop, not to the area as input
  EXPECT_EQ(recorder_.loops, 1);
  const std::vector<int32_t> expected = {GXA_MOUSEDRAG_CONTINUE, GXA_MOUSEDRAG_CONTINUE, GXA_MOUSEDRAG_CONTINUE,
                                         GXA_MOUSEDRAG_FINISHED};
  EXPECT_EQ(recorder_.answers, expected);
  EXPECT_DOUBLE_EQ(recorder_.dx, 80.0);
  EXPECT_DOUBLE_EQ(recorder_.dy, -2.0);
  EXPECT_EQ(recorder_.qualifiers, GXA_QUALIFIER_SHIFT);
  EXPECT_EQ(recorder_.end, GXA_MOUSEDRAG_FINISHED);
}

TEST_F(InputDriverTest, CancelledDragEndsWithEscapeAndTheReleaseStartsNothing) {
  gui_.Input().Drag(Area(), {{10, 20}, {50, 20}}, GXA_CHANNEL_LEFT, 0, true);
  EXPECT_EQ(recorder_.loops, 1);
  EXPECT_EQ(recorder_.answers.back(), GXA_MOUSEDRAG_ESCAPE);
  EXPECT_EQ(recorder_.end, GXA_MOUSEDRAG_ESCAPE);
  EXPECT_DOUBLE_EQ(recorder_.dx, 40.0);
  EXPECT_EQ(recorder_.presses, 1);
}

TEST_F(InputDriverTest, ClickAtLocalPointIsAShortLoop) {
  gui_.Input().Click(Area(), host::Point{5, 5}, GXA_CHANNEL_LEFT, 0, false);
  EXPECT_EQ(recorder_.loops, 1);
  EXPECT_EQ(recorder_.answers, std::vector<int32_t>{GXA_MOUSEDRAG_FINISHED});
  EXPECT_DOUBLE_EQ(recorder_.dx, 0.0);
}

}  // namespace
