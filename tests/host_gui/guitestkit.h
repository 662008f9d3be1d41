#pragma once
// Small test dialogs and user areas built through the same C families the
// module uses, on a headless screen.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/container.h"
#include "core/handles.h"
#include "gui/dialog.h"
#include "gui/dialogfamily.h"
#include "gui/gui.h"
#include "gui/headlessfrontend.h"
#include "gui/inputfamily.h"
#include "gui/layer.h"
#include "gui/userareafamily.h"
#include "gxa_api.h"

namespace host::testkit {

inline const GxaDialogFns& Dlg() { return *DialogFamily::Table(); }
inline const GxaUserAreaFns& Ua() { return *UserAreaFamily::Table(); }

// The alignments most test layouts use.
constexpr int32_t kFill = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_SCALEFIT;
constexpr int32_t kTopLeft = GXA_ALIGN_LEFT | GXA_ALIGN_TOP;

// A dialog whose callbacks run the test's functions and record commands.
class TestDialog {
 public:
  struct Command {
    int32_t id;
    Container msg;
  };

  TestDialog() { handle = Dlg().create(&kCallbacks, this); }
  ~TestDialog() {
    if (handle) Dlg().destroy(handle);
  }

  std::function<void(GxaDialog*)> layout;
  std::function<void(GxaDialog*)> init;
  std::function<int32_t(const Container&, Container&)> message;
  std::vector<Command> commands;
  std::vector<Container> messages;
  std::vector<Command> coreMessages;
  GxaDialog* handle = nullptr;

  const Command* LastCommand() const { return commands.empty() ? nullptr : &commands.back(); }

 private:
  static TestDialog* Self(void* u) { return static_cast<TestDialog*>(u); }
  static void Destroyed(void* u) { Self(u)->handle = nullptr; }
  static bool CreateLayout(void* u) {
    if (Self(u)->layout) Self(u)->layout(Self(u)->handle);
    return true;
  }
  static bool InitValues(void* u) {
    if (Self(u)->init) Self(u)->init(Self(u)->handle);
    return true;
  }
  static bool OnCoreMessage(void* u, int32_t id, const GxaContainer* msg) {
    Self(u)->coreMessages.push_back({id, *FromHandle(msg)});
    return true;
  }
  static bool OnCommand(void* u, int32_t id, const GxaContainer* msg) {
    Self(u)->commands.push_back({id, *FromHandle(msg)});
    return true;
  }
  static int32_t OnMessage(void* u, const GxaContainer* msg, GxaContainer* result) {
    TestDialog* self = Self(u);
    self->messages.push_back(*FromHandle(msg));
    if (self->message) {
      const int32_t r = self->message(*FromHandle(msg), *FromHandle(result));
      if (r) return r;
    }
    return Dlg().default_message(self->handle, msg, result);
  }
  static constexpr GxaDialogCallbacks kCallbacks = {
      sizeof(GxaDialogCallbacks),
      &Destroyed,
      &CreateLayout,
      &InitValues,
      &OnCoreMessage,
      &OnCommand,
      nullptr,
      nullptr,
      nullptr,
      &OnMessage,
  };
};

// A user area whose callbacks run the test's functions and keep a log.
class TestArea {
 public:
  TestArea() { handle = Ua().create(&kCallbacks, this); }
  ~TestArea() { Ua().destroy(handle); }

  int32_t minW = 40, minH = 20;
  int minSizeCalls = 0;
  std::vector<std::string> log;
  std::vector<int32_t> drawReasons;
  std::function<void(TestArea&)> draw;
  std::function<void(int32_t, int32_t)> sized;
  std::function<bool(const Container&)> input;
  std::function<int32_t(const Container&, Container&)> message;
  std::vector<int32_t> coreMessages;
  GxaUserArea* handle = nullptr;

 private:
  static TestArea* Self(void* u) { return static_cast<TestArea*>(u); }
  static bool Init(void* u) {
    Self(u)->log.push_back("init");
    return true;
  }
  static bool MinSize(void* u, int32_t* w, int32_t* h) {
    ++Self(u)->minSizeCalls;
    *w = Self(u)->minW;
    *h = Self(u)->minH;
    return true;
  }
  static void Sized(void* u, int32_t w, int32_t h) {
    Self(u)->log.push_back("sized " + std::to_string(w) + "x" + std::to_string(h));
    if (Self(u)->sized) Self(u)->sized(w, h);
  }
  static void DrawMsg(void* u, int32_t, int32_t, int32_t, int32_t, const GxaContainer* msg) {
    Self(u)->drawReasons.push_back(FromHandle(msg)->GetInt32(GXA_DRAW_REASON, -1));
    if (Self(u)->draw) Self(u)->draw(*Self(u));
  }
  static bool Input(void* u, const GxaContainer* msg) {
    return Self(u)->input ? Self(u)->input(*FromHandle(msg)) : false;
  }
  static bool OnCoreMessage(void* u, int32_t id, const GxaContainer*) {
    Self(u)->coreMessages.push_back(id);
    return true;
  }
  static int32_t OnMessage(void* u, const GxaContainer* msg, GxaContainer* result) {
    TestArea* self = Self(u);
    if (self->message) {
      const int32_t r = self->message(*FromHandle(msg), *FromHandle(result));
      if (r) return r;
    }
    return Ua().default_message(self->handle, msg, result);
  }
  static constexpr GxaUserAreaCallbacks kCallbacks = {
      sizeof(GxaUserAreaCallbacks),
      nullptr,
      &Init,
      nullptr,
      &MinSize,
      &Sized,
      nullptr,
      &DrawMsg,
      &Input,
      &OnCoreMessage,
      nullptr,
      &OnMessage,
  };
};

// Adds a user area gadget and attaches area to it.
inline void AddArea(GxaDialog* h, int32_t id, int32_t align, const TestArea& area, int32_t flags = 0) {
  Dlg().add_user_area(h, id, align, 0, 0);
  Dlg().attach_user_area(h, id, area.handle, flags);
}

// A layout of area alone, as gadget 5.
inline std::function<void(GxaDialog*)> AreaAlone(const TestArea& area, int32_t align) {
  return [&area, align](GxaDialog* h) { AddArea(h, 5, align, area); };
}

// A fresh headless screen per test.
class GuiFixture {
 public:
  explicit GuiFixture(Size window = {320, 240}, int scale = 1) {
    auto frontend = std::make_unique<HeadlessFrontend>(window, scale);
    headless = frontend.get();
    Gui::Get().SetFrontend(std::move(frontend));
    Gui::Get().Answers().Clear();
  }
  ~GuiFixture() { Gui::Get().SetFrontend(std::make_unique<HeadlessFrontend>()); }

  Screen& screen() { return Gui::Get().GetScreen(); }
  InputQueue& queue() { return headless->Queue(); }
  // Shows dialog as the window's content and draws a first frame.
  Layer& Show(TestDialog& d) {
    Layer& layer = screen().ShowWindow(*Dialog::FromHandle(d.handle));
    screen().Render();
    return layer;
  }
  // Queues events and handles them as the main loop would.
  void Run(const std::vector<InputEvent>& events) {
    queue().Push(events);
    screen().Pump();
  }
  Rect FrameOf(TestDialog& d, int32_t id) {
    Widget* w = Dialog::FromHandle(d.handle)->Find(id);
    return w ? w->GlobalFrame() : Rect{};
  }
  Point Centre(TestDialog& d, int32_t id) {
    const Rect r = FrameOf(d, id);
    return {r.x + r.w / 2, r.y + r.h / 2};
  }

  HeadlessFrontend* headless;
};

}  // namespace host::testkit
