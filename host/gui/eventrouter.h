#pragma once
// Hands each input event to the gadget it is meant for: presses, moves and
// the wheel to the gadget under the cursor in the top layer (or the gadget
// holding the mouse capture), keys to the focused gadget. Tab moves the
// focus; in a modal dialog Return presses button 1 (OK) and Escape button 2
// (Cancel), also from a text field, which commits its text first; a press outside a popup dismisses it. It also keeps
// the cursor and tooltip of the gadget under the pointer.
#include <set>
#include <vector>

#include "gui/eventcontext.h"
#include "gui/inputevent.h"

namespace host {

class Layer;
class Screen;

class EventRouter : public EventContext {
 public:
  explicit EventRouter(Screen& screen) : screen_(screen) {}

  // True when some gadget handled the event.
  bool Dispatch(const InputEvent& e);
  // A widget is going away: no pointer to it is kept.
  void Forget(Widget* widget);
  // A layer opened or closed: the focus moves to it or back.
  void LayerPushed(Layer& layer);
  void LayerPopped(Layer& layer);
  void SwallowRelease(int32_t channel) { swallow_.insert(channel); }
  // Moves the focus to the next (or previous) focusable gadget of the layer.
  void CycleFocus(Layer& layer, bool backwards);

  void CaptureMouse(Widget& widget) override { capture_ = &widget; }
  void ReleaseMouse() override { capture_ = nullptr; }
  void SetFocus(Widget* widget) override;
  Widget* Focus() const override { return focus_; }
  // The gadget under the pointer, null for none.
  Widget* Hovered() const { return hover_; }
  bool FocusFromKeyboard() const override { return keyboardFocus_; }
  bool KeysAnswerDialog() const override;
  // The first text field of the layer takes the focus, else its first gadget.
  void FocusFirstField(Layer& layer);
  int32_t RunMenu(const MenuModel& menu, Point global) override;
  std::optional<std::string> AskFile(const std::string& title, const std::string& current) override;

 private:
  bool MouseDown(const InputEvent& e, Layer& layer);
  bool MouseUp(const InputEvent& e);
  bool MouseMove(const InputEvent& e, Layer& layer);
  bool Wheel(const InputEvent& e, Layer& layer);
  bool Key(const InputEvent& e, Layer& layer);
  bool ModalKey(const InputEvent& e, Layer& layer);
  Widget* Hit(Layer& layer, Point global);
  void UpdateHover(Widget* hit, Point global);
  static Widget* FocusTarget(Widget* hit);
  void MoveFocus(Widget* widget, bool keyboard);

  Screen& screen_;
  Widget* focus_ = nullptr;
  Widget* capture_ = nullptr;
  Widget* hover_ = nullptr;
  std::vector<Widget*> savedFocus_;
  bool keyboardFocus_ = false;
  std::set<int32_t> swallow_;
};

}  // namespace host
