#pragma once
// A number gadget, integer or real, with optional arrows. Typed values are
// read in the field's unit and limited to the input limits; arrow clicks step
// (ten steps with shift) within the value limits, and dragging up or down on
// the arrows scrubs the value, reported as a drag ('medr' 1, then 0). A mixed
// value shows as "<<Mixed>>" ("<< >>" where that does not fit) until the
// user gives it one.
#include "gui/textfield.h"

namespace host {

class NumberField : public TextField {
 public:
  static constexpr const char* kMixedText = "<<Mixed>>";
  static constexpr const char* kMixedShortText = "<< >>";
  static constexpr int kScrubPixels = 2;  // drag distance per step

  NumberField(int32_t id, int32_t flags, bool arrows);

  bool HasArrows() const { return arrows_; }
  bool IsMixed() const { return setting_.mixed; }
  const NumberSetting& Setting() const { return setting_; }
  std::string FormattedValue() const;

  bool SetNumber(const NumberSetting& s) override;
  bool SetData(const Value& value) override;
  std::optional<double> Number() const override { return setting_.value; }
  std::optional<std::string> Text() const override { return DisplayText(); }
  std::optional<Value> Data() const override;

  Size NaturalSize(const TextMeasure& m) override;
  bool OnMouseDown(const InputEvent& e, EventContext& ctx) override;
  void OnMouseDrag(const InputEvent& e, EventContext& ctx) override;
  void OnMouseUp(const InputEvent& e, EventContext& ctx) override;
  bool OnKey(const InputEvent& e, EventContext& ctx) override;
  bool OnWheel(const InputEvent& e, EventContext& ctx) override;
  CursorInfo Cursor(Point global) override;

 protected:
  std::string DisplayText() const override;
  bool Commit(const std::string& text) override;
  Rect TextArea() const override;
  void PaintExtras(PaintContext& ctx) override;
  bool ShowsPlaceholder() const override { return setting_.mixed; }

 private:
  Rect ArrowArea() const;
  double Limit(double v) const;
  double Normalize(double v) const;
  // Sets a value the user chose and reports it.
  void Apply(double v, std::optional<bool> dragging);
  void Step(double steps);

  NumberSetting setting_;
  bool arrows_;
  bool scrubbing_ = false;
  bool scrubMoved_ = false;
  int pressedArrow_ = 0;  // 1 up, -1 down
  int scrubStartY_ = 0;
  double scrubBase_ = 0.0;
};

}  // namespace host
