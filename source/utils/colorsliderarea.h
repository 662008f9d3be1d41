#pragma once
// The gradient slider gadget: a bar filled with the colours its value would
// produce along its length, a handle at the current position, and mouse,
// wheel and key input that moves the handle and reports each change to the
// dialog as an action message ('bACT' with 'meid' = the gadget ID, 'meva' =
// t or the value in display units, 'medr' = 1 while dragging, 0 for a final
// or single change). Subclasses say which colour lies at each position.
//
// Vertical sliders count t from the top: the gradient, the handle, a drag,
// the wheel and the arrow keys all agree on it. A cancelled drag reports the
// restored t in that same form (not 1 - t), negated when a drag-start
// callback is installed, so the spectrum and wheel owners of vertical
// sliders read a cancel exactly as they read a drag step.
#include <cstdint>
#include <memory>

#include "basecontainer.h"
#include "geuserarea.h"
#include "result.h"
#include "utils/colordisplayconversion.h"
#include "utils/colorsliderareageometry.h"
#include "utils/colorsliderarearange.h"
#include "utils/colorutils.h"
#include "vector.h"

class ColorSliderArea : public GeUserArea
{
public:
  // Called when a drag begins; an error cancels the drag before it starts.
  using DragStartCallback = Result<void> (*)(void* argument);

  // Entries of a configuration container (Configure).
  static constexpr std::int32_t kConfigMinimum = 0;     // real, default 0.0
  static constexpr std::int32_t kConfigMaximum = 1;     // real, default 0.1
  static constexpr std::int32_t kConfigStep = 2;        // real, default 0.01
  static constexpr std::int32_t kConfigNormalized = 3;  // bool
  static constexpr std::int32_t kConfigVertical = 4;    // bool
  static constexpr std::int32_t kConfigReset = 5;       // bool

  ColorSliderArea();
  ~ColorSliderArea() override;

  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  bool InputEvent(const BaseContainer& msg) override;

  // The colour at position t along the bar, before display conversion.
  virtual Vector GetSliderColor(double t) const = 0;
  // Runs before every draw; subclasses prepare their end colours here.
  virtual void PrepareGradient();
  // Positions whose colour no screen shows are drawn hatched over the
  // nearest colour one does.
  virtual bool IsHatched(double t) const;

  // None of the setters redraw unless they say so.
  void SetRange(double minimum, double maximum, double step);
  const ColorSliderAreaRange& GetRange() const { return _range; }
  // t from a value in display units, clamped to the bar.
  void SetUnitValue(double value);
  void SetPosition(double t);  // redraws
  void SetPositionNoRedraw(double t) { _t = t; }
  double GetPosition() const { return _t; }
  void SetResetOnRightClick(bool on) { _reset = on; }
  void SetNormalizedMessages(bool on) { _normalized = on; }
  bool HasNormalizedMessages() const { return _normalized; }
  void SetVertical(bool on);
  bool IsVertical() const { return _vertical; }
  // The checkerboard blend computes in the chooser's space.
  void SetChooserSpace(bool on) { _chooserSpace = on; }
  void SetHandleHidden(bool hidden) { _handleHidden = hidden; }
  bool IsHandleHidden() const { return _handleHidden; }
  void SetDragStartCallback(DragStartCallback callback, void* argument);
  // Flags from booleans 3 (normalised), 4 (vertical), 5 (reset) and the
  // range from reals 0, 1 and 2.
  void Configure(const BaseContainer& settings);

  // What the last draw saw.
  const ColorSliderAreaGeometry& GetDrawnGeometry() const { return _geometry; }

protected:
  void SetCheckerboard(bool on) { _checkerboard = on; }
  // Re-reads the interface theme; true when it changed.
  bool RefreshTheme();
  // The value a message carries now: t, or the value in display units.
  double MessageValue() const;
  void SendValue(double value, bool dragging);

private:
  using LineDrawer = void (*)(ColorSliderArea& area, std::int32_t along, std::int32_t from, std::int32_t to);
  static void DrawLineAcrossHorizontal(ColorSliderArea& area, std::int32_t along, std::int32_t from, std::int32_t to);
  static void DrawLineAcrossVertical(ColorSliderArea& area, std::int32_t along, std::int32_t from, std::int32_t to);

  std::int32_t HolderProfileMode() const;
  // A rectangle or line in (along, across) coordinates.
  void DrawAxisRect(std::int32_t along1, std::int32_t across1, std::int32_t along2, std::int32_t across2);
  void DrawAxisLine(std::int32_t along1, std::int32_t across1, std::int32_t along2, std::int32_t across2);
  void DrawAxisBorder(std::int32_t along1, std::int32_t across1, std::int32_t along2, std::int32_t across2);
  void DrawBar();
  void DrawGradient();
  void DrawCheckerGradient();
  // Diagonal stripes across the line at along, in a grey that stands out
  // from color.
  void DrawHatch(std::int32_t along, std::int32_t from, std::int32_t to, const Vector& color);
  void DrawHandle();

  bool HandleReset();
  bool HandleWheel(const BaseContainer& msg);
  bool HandleDrag(const BaseContainer& msg, std::int32_t channel);
  bool HandleKey(const BaseContainer& msg);
  // Moves the handle to t; false when it was there already.
  bool MoveTo(double t);
  void StoreMousePosition(const BaseContainer& msg);
  double DragPosition(std::int32_t qualifier, std::int32_t channel) const;

  double _t = 0.0;
  ColorSliderAreaRange _range{0.0, 1.0, 0.01};
  bool _reset = false;
  bool _normalized = true;
  double _mouseX = 0.0;
  double _mouseY = 0.0;
  bool _checkerboard = false;
  bool _chooserSpace = false;
  LineDrawer _lineDrawer = &DrawLineAcrossHorizontal;
  ColorSliderAreaGeometry _geometry;
  bool _drawnDisabled = false;
  bool _drawnHandleHidden = false;
  double _invGradientLength = 0.0;
  std::int32_t _theme = 0;
  CheckerLevels _checker;
  bool _displayReady = false;
  bool _vertical = false;
  std::unique_ptr<ColorDisplayConversion> _conversion;
  bool _handleHidden = false;
  DragStartCallback _dragStart = nullptr;
  void* _dragStartArgument = nullptr;
};
