#pragma once
// The settings container of an icon button, shared by the buttons of a
// ColorButtonsArea row and by SpecialBitmapButton, and its parsed form.
#include <cstdint>

#include "basecontainer.h"
#include "gxastring.h"

struct ButtonSettings
{
  // Entries of the container.
  static constexpr std::int32_t kState = 0;          // bool: initial state of a checkable button
  static constexpr std::int32_t kTrackPress = 1;     // bool: pressed frame, act on release inside
  static constexpr std::int32_t kCheckable = 2;      // bool
  static constexpr std::int32_t kToggle = 3;         // bool, ignored for radio buttons
  static constexpr std::int32_t kRadio = 4;          // bool
  static constexpr std::int32_t kRadioGroup = 5;     // int32, default -1
  static constexpr std::int32_t kPassive = 6;        // bool: ignores input
  static constexpr std::int32_t kKeepState = 7;      // bool: a click leaves the state alone
  static constexpr std::int32_t kTooltip = 8;        // string
  static constexpr std::int32_t kIcon = 9;           // int32: main icon, shown when on
  static constexpr std::int32_t kIconOffLight = 10;  // int32: off on a light background
  static constexpr std::int32_t kIconOffDark = 11;   // int32: off on a dark background
  static constexpr std::int32_t kMaxSize = 12;       // int32: caps width and height
  static constexpr std::int32_t kNoIcon = -1;

  bool state = false;
  bool trackPress = false;
  bool checkable = false;
  bool toggle = false;
  bool radio = false;
  std::int32_t radioGroup = -1;
  bool passive = false;
  bool keepState = false;
  String tooltip;
  std::int32_t icon = kNoIcon;
  // kNoIcon when the container leaves them out.
  std::int32_t iconOffLight = kNoIcon;
  std::int32_t iconOffDark = kNoIcon;
  std::int32_t maxSize = 0;

  static ButtonSettings Read(const BaseContainer& settings);
};
