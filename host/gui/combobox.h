#pragma once
// A drop-down list of child entries (ID and text); the value is the chosen
// child's ID. A click opens the entries as a popup menu; the arrow keys step
// through them while it has the focus.
#include <vector>

#include "gui/menumodel.h"
#include "gui/pressable.h"

namespace host {

class ComboBox : public Pressable {
 public:
  ComboBox(int32_t id, int32_t flags) : Pressable(id, flags) {}

  void AddChild(int32_t childId, const std::string& text);
  void ClearChildren();
  const std::vector<MenuEntry>& Children() const { return children_; }
  int32_t Selected() const { return selected_; }
  // The menu the combo box shows: its entries, the chosen one checked.
  MenuModel Menu() const;

  Size NaturalSize(const TextMeasure& m) override;
  void Paint(PaintContext& ctx) override;
  bool OnKey(const InputEvent& e, EventContext& ctx) override;
  bool SetNumber(const NumberSetting& s) override;
  bool SetData(const Value& value) override;
  std::optional<double> Number() const override { return selected_; }
  std::optional<std::string> Text() const override;
  std::optional<Value> Data() const override { return Value::Int32(selected_); }

 protected:
  void Activate(const InputEvent& e, EventContext& ctx) override;

 private:
  void Choose(int32_t childId);
  const MenuEntry* SelectedEntry() const;

  std::vector<MenuEntry> children_;
  int32_t selected_ = 0;
};

}  // namespace host
