#pragma once
// Where the chooser meets the concrete panel and gadget classes: creation of
// the chooser's own gadgets, the panels' option defaults, and the few
// operations the chooser calls on one kind of panel in particular.
#include <memory>

#include "basecontainer.h"
#include "result.h"
#include "vector.h"

class ChooserView;

class ColorInterface;
class GeUserArea;

class ChooserPanels
{
public:
  // The option defaults that panels keep in a new chooser's state.
  static void WriteDefaults(BaseContainer& state);

  // The chooser's own gadgets. Sizes are specifications (0: the default).
  static Result<std::unique_ptr<GeUserArea>> CreateColorField(ChooserView& chooser, std::int32_t width,
                                                              std::int32_t height);
  static Result<std::unique_ptr<GeUserArea>> CreateBrightnessSlider();
  // Null without error when the settings name no icon (-1).
  static Result<std::unique_ptr<GeUserArea>> CreatePickerButton(const BaseContainer& settings);

  // The picker button shows on (idle) or off (picking).
  static void SetPickerButtonState(GeUserArea* button, bool on);
  // The brightness slider runs from black to the colour, up to the
  // brightness maximum.
  static void UpdateBrightnessSlider(GeUserArea* slider, const ChooserView& chooser);
  static void TellPickingEnded(ColorInterface* modeButtons);
  // The spectrum's size preference changed: the square takes it and the
  // chooser lays out again.
  static void FollowSpectrumSize(ColorInterface* spectrum);
  // The wheel reads its options and the size preference again and redraws.
  static Result<void> ReloadWheel(ColorInterface* wheel);
  // A press or cursor request over the wheel, answered by the wheel.
  static bool WheelTakesInput(ColorInterface* wheel, const BaseContainer& msg);
  static bool WheelCursor(ColorInterface* wheel, const BaseContainer& msg, BaseContainer& result);
  static void RefreshWheelStrip(ColorInterface* wheel);
  static void RefreshPictureStrip(ColorInterface* picture);
  // The picture's scroll group moved.
  static void PictureScrolled(ColorInterface* picture);
  static void StoreWheelOptions(ColorInterface* wheel);
  // The linear display switched: the wheel's stored colours take the
  // transform code too, and the wheel reads them again.
  static Result<void> ConvertWheelColors(ColorInterface* wheel, BaseContainer& state, std::int32_t code);
  // The colour changed elsewhere: the mixer's selected field follows it.
  static void FollowColor(ColorInterface* mixer, ChooserView& chooser);
  // The perceptual colour tools came or went since the mixer was laid out.
  static bool MixerReadoutStale(ColorInterface* mixer);
  // The wheel and its strip draw again.
  static void RedrawWheel(ColorInterface* wheel);
};
