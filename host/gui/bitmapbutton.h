#pragma once
// The host's bitmap button (custom GUI 1000479): an icon that acts as a
// button. Settings: 'butt' behaves as a button (1), 'nbrd' no border,
// 'mirr' mirrored icon, 'ttip' tooltip text, 'ico1' the icon ID.
#include "core/container.h"
#include "gui/pressable.h"
#include "gxa_api.h"

namespace host {

class BitmapButton : public Pressable {
 public:
  static constexpr int32_t kPluginId = 1000479;
  static constexpr int32_t kButtonKey = GXA_FOURCC('b', 'u', 't', 't');
  static constexpr int32_t kNoBorderKey = GXA_FOURCC('n', 'b', 'r', 'd');
  static constexpr int32_t kMirrorKey = GXA_FOURCC('m', 'i', 'r', 'r');
  static constexpr int32_t kTooltipKey = GXA_FOURCC('t', 't', 'i', 'p');
  static constexpr int32_t kIconKey = GXA_FOURCC('i', 'c', 'o', '1');

  BitmapButton(int32_t id, int32_t flags, const Container& settings);

  int32_t Icon() const { return icon_; }
  bool AcceptsFocus() const override { return false; }
  Size NaturalSize(const TextMeasure& m) override;
  void Paint(PaintContext& ctx) override;
  CursorInfo Cursor(Point global) override;

 protected:
  void Activate(const InputEvent& e, EventContext& ctx) override;

 private:
  int32_t icon_;
  bool button_;
  bool border_;
  bool mirror_;
  std::string tooltip_;
};

}  // namespace host
