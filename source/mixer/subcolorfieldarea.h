#pragma once
// One of the mixer's two colour fields: shows a colour (in the host's space),
// can be selected so that it follows the chooser's colour, opens the host's
// colour dialog on a double click, drags its colour out (type 203) and takes
// dropped colours in.
#include <cstdint>
#include <memory>

#include "geuserarea.h"
#include "result.h"
#include "utils/colordisplayconversion.h"
#include "vector.h"

class ChooserView;

class SubColorFieldArea : public GeUserArea
{
public:
  explicit SubColorFieldArea(const Vector& color = Vector());
  ~SubColorFieldArea() override;

  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  bool InputEvent(const BaseContainer& msg) override;
  std::int32_t Message(const BaseContainer& msg, BaseContainer& result) override;

  // The chooser whose profile mode and linear flag the field follows.
  void SetChooser(const ChooserView* chooser) { _chooser = chooser; }

  void SetColor(const Vector& color) { _color = color; }
  const Vector& GetColor() const { return _color; }
  bool IsSelected() const { return _selected; }
  // Redraws only when the field was selected.
  void Deselect();

private:
  void DrawFrame(std::int32_t inset, std::int32_t colorId);
  void SendColor();
  bool HandleDoubleClick();
  bool HandleClick();
  // True when the drag carries colours the field takes.
  Result<bool> ReceiveDrag(const BaseContainer& msg);
  String Tooltip() const;

  Vector _color;
  bool _selected = false;
  std::unique_ptr<ColorDisplayConversion> _conversion;
  bool _displayReady = false;
  const ChooserView* _chooser = nullptr;
};
