#pragma once
// The chooser's colour field: the current colour, over a checkerboard when
// transparency is shown, split while a drag is under way so that the colour
// from before the drag stays visible at the right. Dragging it out offers
// the colour, a click opens the host's colour dialog, the right button a
// menu with display options and copy and paste, and colours dropped on it
// become the chooser's colour.
#include <cstdint>
#include <memory>

#include "basecontainer.h"
#include "geuserarea.h"
#include "result.h"
#include "utils/colordisplayconversion.h"
#include "utils/colorutils.h"
#include "vector.h"

class ChooserView;

class ColorFieldArea : public GeUserArea
{
public:
  // A size specification: pixels in bits 14 and up, tenths of a text
  // measure (a digit's width, a line's height) in the low 14 bits.
  static constexpr std::int32_t kDefaultWidthSpec = 0x50050;
  // The width in the chooser's expanded layout.
  static constexpr std::int32_t kWideWidthSpec = 0x50050;
  static constexpr std::int32_t kDefaultHeightSpec = 0x800A;
  static constexpr std::int32_t kCheckerCell = 7;

  // The two colours of the field's checker cells; equal for a flat colour.
  struct Cells
  {
    Vector first;
    Vector second;
    bool IsFlat() const { return first == second; }
  };

  explicit ColorFieldArea(ChooserView& chooser);
  ~ColorFieldArea() override;

  // 0 restores a default.
  void SetSize(std::int32_t widthSpec, std::int32_t heightSpec);

  // Pixels of a specification for a text measure, halves rounded up.
  static std::int32_t SpecToPixels(std::int32_t spec, std::int32_t measure);
  // Where the part showing the previous colour begins in a field of width;
  // on the checker grid when that part shows a checkerboard.
  static std::int32_t SplitX(std::int32_t width, bool previousFlat);
  // The checker greys blended toward color by alpha; both the colour itself
  // when alpha is not shown or the colour is opaque. In the field's own space.
  static Cells BlendCells(const Vector& color, double alpha, bool showAlpha, const CheckerLevels& checker);

  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  bool InputEvent(const BaseContainer& msg) override;
  std::int32_t Message(const BaseContainer& msg, BaseContainer& result) override;

private:
  // Drawing.
  Result<void> PrepareConversion(bool& ready);
  Cells DisplayCells(const Vector& color, double alpha, bool ready) const;
  void DrawCheckerPart(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const Cells& cells);
  bool IsTransparencyShown() const;

  // Mouse.
  Result<void> LeftClick();
  // True when the press became a drag, wherever it ended.
  Result<bool> OfferDrag(std::int32_t pressX, std::int32_t pressY);
  Result<void> OpenColorDialog();
  Result<void> ShowMenu();
  BaseContainer BuildMenu() const;
  Result<void> ChooseMenuEntry(std::int32_t id);
  Result<void> SendColor(const Vector& hostColor, double alpha);

  // Messages.
  std::int32_t DragReceive(const BaseContainer& msg, BaseContainer& result);
  bool IsOutside(const BaseContainer& msg) const;
  String Tooltip() const;
  void PreferencesChanged();

  ChooserView& _chooser;
  std::int32_t _widthSpec = kDefaultWidthSpec;
  std::int32_t _heightSpec = kDefaultHeightSpec;
  std::unique_ptr<ColorDisplayConversion> _conversion;
  std::int32_t _theme = 0;
};
