#pragma once
// A row of icon buttons with gaps between them. Buttons that do not fit are
// hidden behind an overflow button at the right end; before that happens the
// wider gaps that end a group of buttons shrink. The row draws each button
// with its main icon when on and with the off icon that suits the
// background when off, and answers the host's tooltip requests.
#include <cstddef>
#include <cstdint>

#include "basearray.h"
#include "basecontainer.h"
#include "geuserarea.h"
#include "gxastring.h"
#include "result.h"
#include "utils/buttonicons.h"

class ColorButtonsArea : public GeUserArea
{
public:
  struct Button
  {
    std::int32_t id = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t x = 0;
    // Space after the button; a group end's gap shrinks when the row is short.
    std::int32_t gap = 0;
    bool groupEnd = false;
    bool hidden = false;
    bool state = false;
    bool checkable = false;
    bool toggle = false;
    bool radio = false;
    std::int32_t radioGroup = -1;
    ButtonIcons icons;
    String tooltip;
  };

  struct RowLayout
  {
    std::int32_t groupGap = 0;
    bool overflow = false;
    // Buttons whose right edge passes it are hidden.
    std::int32_t limit = 0;
    std::int32_t overflowX = 0;
    // Every gap is at most this wide in a squeezed row; -1 when not squeezed.
    std::int32_t squeezedGap = -1;
  };

  static constexpr std::int32_t kOverflowId = 0x3E8000D;
  static constexpr std::int32_t kGroupGap = 25;
  static constexpr std::int32_t kMinGroupGap = 6;
  // Free space kept before the overflow button.
  static constexpr std::int32_t kOverflowMargin = 6;
  static constexpr std::int32_t kOverflowWidth = 14;
  // How far every gap may shrink in a row that lets its plain gaps shrink too.
  static constexpr std::int32_t kMinSqueezedGap = 3;

  ColorButtonsArea() = default;

  // False without an error when the ID is taken, an icon is missing or the
  // icons differ in size.
  Result<bool> AddButton(std::int32_t id, const BaseContainer& settings, std::int32_t gap);
  void FlushButtons();
  std::size_t GetButtonCount() const { return _buttons.GetCount(); }
  const Button* GetButton(std::size_t index) const { return _buttons.GetPointer(index); }
  // -1 when no button has that ID.
  std::int32_t IndexOf(std::int32_t id) const;
  bool GetButtonState(std::int32_t id) const;
  // Only checkable buttons have a state; true when it changed.
  bool SetButtonState(std::int32_t id, bool on, bool redraw);
  void SetMinWidth(std::int32_t width) { _minWidth = width; }
  void SetOverflowTooltip(const String& tooltip) { _overflowTooltip = tooltip; }
  bool IsOverflowShown() const { return _layout.overflow; }
  // Left edge of the overflow button in the row.
  std::int32_t GetOverflowX() const { return _layout.overflowX; }

  // Places the buttons in a row of width: gaps, x positions and the hidden
  // flags; the overflow button is overflowWidth wide. With squeeze, a row
  // that overflows even at the smallest group gaps narrows every gap down
  // to kMinSqueezedGap before it overflows.
  static RowLayout LayoutRow(BaseArray<Button>& buttons, std::int32_t width, std::int32_t overflowWidth,
                             bool squeeze = false);
  // Lets every gap shrink before buttons are hidden (a row with the optional
  // perceptual button, so that it does not push stated buttons away).
  void SetSqueezable(bool squeeze) { _squeeze = squeeze; }

  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void Sized(std::int32_t w, std::int32_t h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  std::int32_t Message(const BaseContainer& msg, BaseContainer& result) override;

protected:
  static constexpr std::int32_t kHitNone = -1;
  static constexpr std::int32_t kHitOverflow = -2;

  // Index of the visible button at a local point, kHitOverflow or kHitNone.
  std::int32_t HitTest(std::int32_t x, std::int32_t y) const;
  BaseArray<Button>& Buttons() { return _buttons; }
  const BaseArray<Button>& Buttons() const { return _buttons; }
  // The tooltip of what lies at a global point; empty over nothing.
  String TooltipAt(std::int32_t globalX, std::int32_t globalY) const;
  void ArrangeRow(std::int32_t width);

private:
  std::int32_t RowHeight() const;
  std::int32_t ButtonTop(const Button& button) const;
  void DrawOverflowButton(bool dark);

  BaseArray<Button> _buttons;
  RowLayout _layout;
  std::int32_t _width = 0;
  std::int32_t _height = 0;
  std::int32_t _minWidth = 0;
  bool _squeeze = false;
  String _overflowTooltip;
};
