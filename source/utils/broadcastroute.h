#pragma once
// Which part of a chooser a broadcast between choosers reaches: the event
// code names the receiver, the sender never hears its own broadcast, and a
// panel hears only while it is shown.
#include <cstdint>

enum class BroadcastTarget
{
  None,
  Preferences,
  WheelOptions,
  WheelStrip,
  Spectrum,
  PictureStrip,
  SwatchDocument,
  SwatchRefresh,
  SwatchDisplay
};

struct BroadcastReceiver
{
  std::int64_t chooser = 0;       // the receiving chooser as a sender ID
  std::int64_t swatchesArea = 0;  // its swatches area, the sender of swatch events
  std::int32_t layoutMode = 0;
  bool compact = false;
  bool wheel = false;
  bool spectrum = false;
  bool picture = false;
  bool swatches = false;
};

BroadcastTarget RouteBroadcast(std::int64_t code, std::int64_t sender, const BroadcastReceiver& receiver);
