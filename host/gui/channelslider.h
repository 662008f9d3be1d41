#pragma once
// A colour channel slider of the host's colour dialog: a bar showing the
// colours along the channel and a handle at the value (0..1). Dragging or
// clicking moves the handle and reports the value as a drag ('medr').
#include <functional>

#include "gui/widget.h"
#include "raster/rastertypes.h"

namespace host {

class ChannelSlider : public Widget {
 public:
  using Gradient = std::function<Rgba(double t)>;

  ChannelSlider(int32_t id, int32_t flags, Gradient gradient, bool checker = false)
      : Widget(id, flags), gradient_(std::move(gradient)), checker_(checker) {}

  double Value() const { return value_; }
  void SetValue(double t);

  bool AcceptsFocus() const override { return IsEnabled(); }
  Size NaturalSize(const TextMeasure&) override { return {160, 18}; }
  void Paint(PaintContext& ctx) override;
  bool OnMouseDown(const InputEvent& e, EventContext& ctx) override;
  void OnMouseDrag(const InputEvent& e, EventContext& ctx) override;
  void OnMouseUp(const InputEvent& e, EventContext& ctx) override;
  bool OnKey(const InputEvent& e, EventContext& ctx) override;
  std::optional<double> Number() const override { return value_; }

 private:
  Rect Track() const;
  double ValueAt(Point global) const;
  void Report(double t, std::optional<bool> dragging);

  Gradient gradient_;
  bool checker_;
  double value_ = 0.0;
  bool dragging_ = false;
};

}  // namespace host
