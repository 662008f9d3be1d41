#pragma once
// A gadget of items of which one (or none) is selected, as the preset grid
// and the file list are: a click selects an item and tells the dialog (an
// action of the gadget's ID with the index), a double click or Enter on the
// selection activates it (an action of activateId), and the keys that
// Step knows move the selection. A scroll group around it follows.
#include <optional>

#include "gui/widget.h"

namespace host {

class ItemView : public Widget {
 public:
  ItemView(int32_t id, int32_t flags, int32_t activateId) : Widget(id, flags), activateId_(activateId) {}

  virtual size_t Count() const = 0;
  // -1 for none.
  int Selected() const { return selected_; }
  void Select(int index);

  bool AcceptsFocus() const override { return true; }
  bool OnMouseDown(const InputEvent& e, EventContext& ctx) override;
  bool OnKey(const InputEvent& e, EventContext& ctx) override;

 protected:
  // The item under a point local to the gadget, -1 for none.
  virtual int ItemAt(Point local) const = 0;
  // Where key moves the selection from selected (-1 for none) among
  // Count() items; none for a key that moves nothing. Up, Down, Home, End.
  virtual std::optional<int> Step(int32_t key, int selected) const;
  // Shows item index, scrolling as needed.
  virtual void Reveal(size_t index) = 0;
  // Without scrolling or telling anyone: for a new set of items.
  void SetSelection(int index) { selected_ = index; }

 private:
  void Announce(int32_t id);

  int32_t activateId_;
  int selected_ = -1;
};

}  // namespace host
