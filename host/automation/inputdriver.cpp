#include "automation/inputdriver.h"

#include "core/modulecall.h"
#include "core/value.h"
#include "gui/draganddrop.h"
#include "gui/headlessfrontend.h"
#include "gui/screen.h"
#include "gui/widget.h"
#include "gui/widgetstyle.h"
#include "gxa_api.h"

namespace host {

Point InputDriver::Global(Widget& w, std::optional<Point> at) {
  screen_.Render();  // lays out whatever changed
  const Rect f = w.GlobalFrame();
  const Point local = at.value_or(Point{f.w / 2, f.h / 2});
  return {f.x + local.x, f.y + local.y};
}

void InputDriver::Run(const std::vector<InputEvent>& events) {
  frontend_.Queue().Push(events);
  screen_.Pump();
}

void InputDriver::Click(Widget& w, std::optional<Point> at, int32_t channel, int32_t qualifiers, bool doubleClick) {
  const Point p = Global(w, at);
  std::vector<InputEvent> events = {InputEvent::MouseMove(p, qualifiers), InputEvent::MouseDown(p, channel, qualifiers),
                                    InputEvent::MouseUp(p, channel, qualifiers)};
  if (doubleClick) {
    events.push_back(InputEvent::MouseDown(p, channel, qualifiers, true));
    events.push_back(InputEvent::MouseUp(p, channel, qualifiers));
  }
  Run(events);
}

void InputDriver::Drag(Widget& w, const std::vector<Point>& path, int32_t channel, int32_t qualifiers, bool cancel) {
  if (path.empty()) return;
  const Point origin = Global(w, Point{0, 0});
  auto at = [&](Point local) { return Point{origin.x + local.x, origin.y + local.y}; };
  std::vector<InputEvent> events = {InputEvent::MouseMove(at(path.front()), qualifiers),
                                    InputEvent::MouseDown(at(path.front()), channel, qualifiers)};
  for (size_t i = 1; i < path.size(); ++i) events.push_back(InputEvent::MouseMove(at(path[i]), qualifiers));
  if (cancel) {
    events.push_back(InputEvent::KeyDown(GXA_KEY_ESC, qualifiers));
    events.push_back(InputEvent::KeyUp(GXA_KEY_ESC, qualifiers));
  }
  events.push_back(InputEvent::MouseUp(at(path.back()), channel, qualifiers));
  Run(events);
}

void InputDriver::Wheel(Widget& w, std::optional<Point> at, double dx, double dy, int32_t qualifiers) {
  const Point p = Global(w, at);
  Run({InputEvent::MouseMove(p, qualifiers), InputEvent::Wheel(p, dx, dy, qualifiers)});
}

void InputDriver::Hover(Widget& w, std::optional<Point> at) { Run({InputEvent::MouseMove(Global(w, at))}); }

int32_t InputDriver::Cursor() const { return frontend_.Cursor(); }

const std::string& InputDriver::Tooltip() const { return frontend_.Tooltip(); }

void InputDriver::Key(Widget* w, int32_t key, int32_t qualifiers) {
  if (w && w != screen_.Router().Focus()) screen_.Router().SetFocus(w);
  Run({InputEvent::KeyDown(key, qualifiers), InputEvent::KeyUp(key, qualifiers)});
}

InputDriver::DragIn InputDriver::DragData(Widget& to, std::optional<Point> at, int32_t type, const Value& data) {
  const Point p = Global(to, at);
  // The press that began it lies outside the window's gadgets: only the
  // input state knows the button is held, a start distance away.
  const Point start{p.x, p.y - DragAndDrop::kStartDistance - 1};
  screen_.Input().Update(InputEvent::MouseMove(start));
  screen_.Input().Update(InputEvent::MouseDown(start));
  DragIn outcome;
  // The release is the first event after the last hover set the cursor.
  screen_.SetNestedFilter([&](const InputEvent& e) {
    if (e.type == InputEvent::Type::MouseUp) outcome.hoverCursor = frontend_.Cursor();
    return false;
  });
  frontend_.Queue().Push({InputEvent::MouseMove(p), InputEvent::MouseUp(p)});
  {
    ModuleCall call;
    outcome.taken = screen_.RunDrag(type, data);
  }
  screen_.SetNestedFilter(nullptr);
  screen_.Input().Update(InputEvent::MouseUp(p));
  screen_.Pump();
  return outcome;
}

void InputDriver::DropFiles(Widget& to, std::optional<Point> at, const std::vector<std::string>& files) {
  Run({InputEvent::FileDrop(Global(to, at), files)});
}

void InputDriver::Type(Widget& field, const std::string& text, Commit commit) {
  // Into the text, clear of the arrows a number field has on its right.
  const Rect f = field.GlobalFrame();
  const Point p = Global(field, Point{WidgetStyle::kTextInset + 2, f.h / 2});
  std::vector<InputEvent> events = {InputEvent::MouseMove(p), InputEvent::MouseDown(p), InputEvent::MouseUp(p),
                                    InputEvent::MouseDown(p, GXA_CHANNEL_LEFT, 0, true), InputEvent::MouseUp(p)};
  for (const InputEvent& e : InputEvent::Typing(text)) {
    events.push_back(e);
    // Released again: a typed 'z' or space must not leave the zoom or pan hotkey held.
    events.push_back(InputEvent::KeyUp(e.key, e.qualifiers));
  }
  if (commit != Commit::None) {
    const int32_t key = commit == Commit::Enter ? GXA_KEY_ENTER : GXA_KEY_TAB;
    events.push_back(InputEvent::KeyDown(key));
    events.push_back(InputEvent::KeyUp(key));
  }
  Run(events);
}

}  // namespace host
