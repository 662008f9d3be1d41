#pragma once
// One icon button (the chooser's screen-picker button). It shows its main
// icon when on and an off icon that suits the background when off, tells its
// dialog about a click with an action message, and can track the press so
// that it acts only when released over the button.
#include <cstdint>

#include "basecontainer.h"
#include "geuserarea.h"
#include "result.h"
#include "utils/buttonicons.h"
#include "utils/buttonsettings.h"

class SpecialBitmapButton : public GeUserArea
{
public:
  using GeUserArea::Init;

  SpecialBitmapButton() = default;

  // Reads the button settings. False without an error when the main icon is
  // -1; the error "No icon found" when an icon ID is unknown, "Icons sizes
  // mismatch" when an off icon differs in size from the main one.
  Result<bool> Init(std::int32_t id, const BaseContainer& settings);

  bool GetState() const { return _state; }
  // Only a checkable button has a state; true when it changed.
  bool SetState(bool state, bool redraw);
  std::int32_t GetButtonId() const { return _id; }
  void SetTooltip(const String& tooltip) { _settings.tooltip = tooltip; }

  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  bool InputEvent(const BaseContainer& msg) override;
  std::int32_t Message(const BaseContainer& msg, BaseContainer& result) override;

private:
  // Follows the press until release; true when released over the button.
  bool TrackPress(std::int32_t channel, std::int32_t x, std::int32_t y);
  bool Contains(double x, double y) const;
  void SetPressed(bool pressed);
  void Act();
  void DrawMissingIcon(bool dark);

  std::int32_t _id = 0;
  ButtonSettings _settings;
  ButtonIcons _icons;
  std::int32_t _width = 0;
  std::int32_t _height = 0;
  bool _state = false;
  bool _pressed = false;
};
