#pragma once
// The wheel of the wheel mode: the colour list drawn as handles on the
// wheel, edited by dragging them, with a harmony rule keeping the colours
// related. The area owns the wheel, the rules, the list, the slider of the
// fixed component and the toolbar; the strip's selected colour is the
// chooser's colour, and every change is reported to the chooser's dialog.
#include <cstddef>
#include <cstdint>

#include "basecontainer.h"
#include "colorwheel/colorwheel.h"
#include "colorwheel/colorwheelharmonies.h"
#include "colorwheel/colorwheeltoolbar.h"
#include "geuserarea.h"
#include "result.h"
#include "swatches/colorswatchespreviewarea.h"
#include "utils/colorlist.h"
#include "utils/colorsliderareablend.h"

class ChooserView;

class ColorWheelArea : public GeUserArea
{
public:
  static constexpr std::int32_t kArea = 0x3EA0001;
  static constexpr std::int32_t kOptionSize = 0x3EA0002;
  static constexpr std::int32_t kSlider = 0x3EA0003;
  static constexpr std::int32_t kOptionScheme = 0x3EA0004;
  static constexpr std::int32_t kWheelGroup = 0x3EA0005;
  static constexpr std::int32_t kOptionRadius = 0x3EA0006;
  static constexpr std::int32_t kOptionLock = 0x3EA0007;
  static constexpr std::int32_t kOptionHarmony = 0x3EA0008;
  static constexpr std::int32_t kOptionAnalogMode = 0x3EA0010;
  static constexpr std::int32_t kStrip = 0x3EA0018;
  static constexpr std::int32_t kStripGroup = 0x3EA0019;
  // The colour list as the strip stores it: its length and its entries.
  static constexpr std::int32_t kOptionListCount = 0x3EA001C;
  static constexpr std::int32_t kOptionColors = 0x3EA001D;
  static constexpr std::int32_t kOptionMonoFactors = 0x3EA001E;
  static constexpr std::int32_t kOptionCount = 0x3EA0020;
  static constexpr std::int32_t kPrefSize = 1120;
  static constexpr std::int32_t kMaxColors = 256;

  explicit ColorWheelArea(ChooserView& chooser);

  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  bool InputEvent(const BaseContainer& msg) override;
  std::int32_t Message(const BaseContainer& msg, BaseContainer& result) override;

  // The chooser's dialog hands over presses and cursor requests that lie on
  // the wheel before its gadget sees them; true when the wheel took one.
  bool TakeInput(const BaseContainer& msg);
  bool TakeCursorInfo(const BaseContainer& msg, BaseContainer& result);
  // Another chooser asked every wheel to show its strip afresh.
  void RefreshStrip();

  // The panel's operations.
  Result<void> CreateLayout();
  static void WriteDefaults(BaseContainer& state);
  // The stored colour list through the host's colour-space transform.
  static Result<void> ConvertStoredColors(BaseContainer& state, std::int32_t code);
  static std::int32_t SizeFromPreference();
  Result<void> LoadOptions();
  // Another chooser changed the wheel size: take it; true when it changed.
  bool FollowSize();
  void StoreOptions();
  Result<void> SetColorFromChooser(const Vector& hsv);
  Result<bool> Command(std::int32_t id, const BaseContainer& msg);
  // Redraws wheel, slider and the colour count.
  void RedrawAll();

  ColorList& GetList() { return _list; }
  const ColorWheel& GetWheel() const { return _wheel; }
  std::int32_t GetHarmonyId() const { return _harmony; }
  bool IsLocked() const { return _lock; }
  std::int32_t GetSize() const { return _size; }
  ColorSliderAreaBlend& GetSlider() { return _slider; }
  // The slider's drag start: the list as it was, for a cancel.
  Result<void> BackUpList();

private:
  struct Hit
  {
    std::int64_t index = -1;
    bool line = false;
  };

  // Whether the message's global position lies on the enabled wheel.
  bool Contains(const BaseContainer& msg);
  // Drawing and hit tests (logical pixels).
  Result<void> DrawWheel();
  void DrawDisabled();
  Hit HitTest(const Vector& p) const;
  String Tooltip(const Vector& p) const;

  // Mouse.
  Result<void> MouseDown(const BaseContainer& msg);
  Result<void> AddColorAt(const Vector& p);
  // The press, and the point the dragged handle moves from.
  struct Grab
  {
    Vector press;
    Vector handle;
  };
  // False when the drag was cancelled.
  Result<bool> Drag(std::size_t index, const Grab& grab, ColorWheelHarmony& rule, bool all, bool moved);
  ColorWheelHarmony& MoveRule(bool lineHit, bool groupMove);

  // Edits.
  Result<void> SetHarmony(std::int32_t harmony, bool recompute);
  Result<void> ApplyHarmonyCount();
  // An index beyond the list becomes 0, with the main colour selected.
  void KeepSelectionInList();
  Result<void> AddColor();
  Result<void> DeleteSelected();
  Result<void> DeleteByKey();
  Result<void> ReduceToOne();
  void SetFixedComponent(double fixed);
  Result<void> ComputeFromSelected();
  // With the lock on, the other colours follow each component's change.
  void FollowLock(const Vector& previous, const Vector& hsv);
  void TakeIntoChooser();
  void PushToStrip();
  Result<void> PullFromStrip();
  void SelectLast();
  void UpdateSlider();
  bool SelectedFixedComponentsDiffer() const;
  // The selected colour becomes the chooser's, and the dialog hears of it.
  void Report(bool dragging);

  // Options and the context menu.
  Result<void> HandleMenu();
  Result<void> ChooseMenuItem(std::int32_t item);
  Result<void> SetSizeIndex(std::int32_t index);
  Result<void> LoadColors(const BaseContainer& state);
  void StoreColors(BaseContainer& state);
  void ApplyOptions();

  ChooserView& _chooser;
  bool _updateAllowed = true;
  bool _lock = false;
  std::int64_t _colorCount = 1;
  std::int32_t _size = 215;
  std::int32_t _sizeIndex = 1;
  std::int32_t _harmony = ColorWheelHarmony::kFree;
  std::int64_t _activeHandle = -1;
  ColorWheel _wheel;
  ColorWheelHarmonies _harmonies;
  ColorSliderAreaBlend _slider;
  // The list the rules work on; the strip under the wheel shows a copy and
  // hands back what the user did to it.
  ColorList _list;
  ColorSwatchesPreviewArea _strip{ColorSwatchesPreviewArea::Content::Hsv};
  // The list as a slider drag found it, for a cancel.
  ColorList _backup;
  std::int32_t _layoutState = 0;
  ColorWheelToolbar _toolbar;
};
