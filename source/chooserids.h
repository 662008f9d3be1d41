#pragma once
// Numbers shared by the chooser and its panels: description flag bits of
// 'cfld', settings keys, state container IDs and gadget IDs. A gadget or
// state ID shifted right by 16 names the panel that owns it.
#include <cstdint>

#include "gxa_api.h"

namespace chooser
{
// Description flags (bits of the chooser flags, settings key 'cfld').
constexpr std::int32_t kFlagNoBrightness = 0x1;
constexpr std::int32_t kFlagNoColor = 0x2;
constexpr std::int32_t kFlagIccBaseDocument = 0x8;
constexpr std::int32_t kFlagIccVxTexture = 0x10;
constexpr std::int32_t kFlagNoModeButtons = 0x20;
constexpr std::int32_t kFlagNoColorWheel = 0x40;
constexpr std::int32_t kFlagNoSpectrum = 0x80;
constexpr std::int32_t kFlagNoPicture = 0x100;
constexpr std::int32_t kFlagNoRgb = 0x200;
constexpr std::int32_t kFlagNoHsv = 0x400;
constexpr std::int32_t kFlagNoKelvin = 0x800;
constexpr std::int32_t kFlagNoMixer = 0x1000;
constexpr std::int32_t kFlagNoSwatches = 0x2000;
constexpr std::int32_t kFlagNoScreenPicker = 0x4000;
constexpr std::int32_t kFlagEnableColorWheel = 0x8000;
constexpr std::int32_t kFlagEnableSpectrum = 0x10000;
constexpr std::int32_t kFlagEnablePicture = 0x20000;
constexpr std::int32_t kFlagEnableRgb = 0x40000;
constexpr std::int32_t kFlagEnableHsv = 0x80000;
constexpr std::int32_t kFlagEnableKelvin = 0x100000;
constexpr std::int32_t kFlagEnableMixer = 0x200000;
constexpr std::int32_t kFlagEnableSwatches = 0x400000;
constexpr std::int32_t kFlagHideHex = 0x800000;
constexpr std::int32_t kFlagGlobalState = 0x1000000;
constexpr std::int32_t kFlagNoCompact = 0x2000000;
constexpr std::int32_t kFlagEnableCompact = 0x4000000;
// The nine mode-hiding flags NOCOLORWHEEL .. NOSCREENPICKER.
constexpr std::int32_t kFlagsAllHidden = 0x7FC0;
// Any of these bits means the flags, not the preferences, choose the modes.
constexpr std::int32_t kFlagsChoosingModes = 0xFF8000;
constexpr std::int32_t kFlagsProfileMode = 0x18;

// Settings keys.
constexpr std::int32_t kKeyFlags = GXA_FOURCC('c', 'f', 'l', 'd');
constexpr std::int32_t kKeyContextKind = GXA_FOURCC('r', 'e', 't', 'T');
constexpr std::int32_t kKeyAlpha = GXA_FOURCC('a', 'c', 'o', 'l');
constexpr std::int32_t kKeyProfileMode = GXA_FOURCC('i', 'c', 'c', 'c');
constexpr std::int32_t kKeyFieldWidth = GXA_FOURCC('p', 'o', 's', 'w');
constexpr std::int32_t kKeyFieldHeight = GXA_FOURCC('p', 'o', 's', 'h');
constexpr std::int32_t kKeyStoredState = GXA_FOURCC('s', 'l', 'd', 'a');
constexpr std::int32_t kKeyFieldAlign = GXA_FOURCC('a', 'l', 'g', 'n');
constexpr std::int32_t kKeyNoParentQuery = GXA_FOURCC('n', 'g', 'p', 'u');
constexpr std::int32_t kKeyNoLinear = GXA_FOURCC('n', 'o', 'l', 's');

// The chooser's own state entries.
constexpr std::int32_t kStateFieldOption = 0x3E80003;
constexpr std::int32_t kStateFlags = 0x3E80004;
constexpr std::int32_t kStateBrightness = 0x3E80007;
constexpr std::int32_t kStateBrightnessMax = 0x3E80008;
constexpr std::int32_t kStateHsv = 0x3E8000A;
constexpr std::int32_t kStateFieldShowAlpha = 0x3E8000B;
constexpr std::int32_t kStateLinearContext = 0x3E8000E;
// The colour-vision view of the swatches, the strips and the wheel's handles
// (a ColorDeficiency and a severity, 0..1), shown only with the perceptual
// colour tools on.
constexpr std::int32_t kStateVisionKind = 0x3E80020;
constexpr std::int32_t kStateVisionSeverity = 0x3E80021;

// Mode entries of the state; the mode buttons report the same IDs.
constexpr std::int32_t kModeWheel = 0x3E90001;
constexpr std::int32_t kModeSpectrum = 0x3E90002;
constexpr std::int32_t kModePicture = 0x3E90003;
constexpr std::int32_t kModeRgb = 0x3E90004;
constexpr std::int32_t kModeHsv = 0x3E90005;
constexpr std::int32_t kModeKelvin = 0x3E90006;
constexpr std::int32_t kModeMixer = 0x3E90007;
constexpr std::int32_t kModeSwatches = 0x3E90008;
constexpr std::int32_t kModeCompact = 0x3E9000A;
constexpr std::int32_t kModeAlpha = 0x3E9000B;
constexpr std::int32_t kModeHex = 0x3E9000C;
constexpr std::int32_t kModeLinearDisplay = 0x3E9000D;
// Only with the perceptual colour tools preference on.
constexpr std::int32_t kModeOklch = 0x3E9000E;

// Gadgets and groups.
constexpr std::int32_t kGroupOuter = 0x3E80001;
constexpr std::int32_t kGadgetColorField = 0x3E80002;
constexpr std::int32_t kGadgetBrightnessSlider = 0x3E80005;
constexpr std::int32_t kGadgetBrightnessField = 0x3E80006;
constexpr std::int32_t kGadgetModeButtons = 0x3E8000C;
constexpr std::int32_t kGadgetOverflowButton = 0x3E8000D;
constexpr std::int32_t kGroupModeButtons = 0x3E8000F;
constexpr std::int32_t kGadgetPicker = 0x3E90009;
constexpr std::int32_t kGroupRgb = 0x3ED0007;
constexpr std::int32_t kGroupAlpha = 0x3F30003;
constexpr std::int32_t kGroupHex = 0x3F40002;
constexpr std::int32_t kGroupSwatches = 0x3F1000F;

// Owners: an ID shifted right by 16.
constexpr std::int32_t kOwnerChooser = 0x3E8;
constexpr std::int32_t kOwnerModeButtons = 0x3E9;
constexpr std::int32_t kOwnerWheel = 0x3EA;
constexpr std::int32_t kOwnerSpectrum = 0x3EB;
constexpr std::int32_t kOwnerPicture = 0x3EC;
constexpr std::int32_t kOwnerRgb = 0x3ED;
constexpr std::int32_t kOwnerHsv = 0x3EE;
constexpr std::int32_t kOwnerMixer = 0x3EF;
constexpr std::int32_t kOwnerKelvin = 0x3F0;
constexpr std::int32_t kOwnerSwatches = 0x3F1;
constexpr std::int32_t kOwnerCompact = 0x3F2;
constexpr std::int32_t kOwnerAlpha = 0x3F3;
constexpr std::int32_t kOwnerHex = 0x3F4;
constexpr std::int32_t kOwnerOklch = 0x3F5;

// World preferences the chooser reads.
constexpr std::int32_t kPrefStartMode = 1119;  // 1 wheel, 2 spectrum, 3 picture
constexpr std::int32_t kPrefRgb = 1110;
constexpr std::int32_t kPrefHex = 1111;
constexpr std::int32_t kPrefRgbFlag = 1112;
constexpr std::int32_t kPrefHsv = 1113;
constexpr std::int32_t kPrefKelvin = 1114;
constexpr std::int32_t kPrefMixer = 1115;
constexpr std::int32_t kPrefSwatches = 1116;
constexpr std::int32_t kPrefCompact = 1124;
constexpr std::int32_t kPrefRememberModes = 1129;
constexpr std::int32_t kPrefAlpha = 1133;
constexpr std::int32_t kPrefLinearDisplay = 1139;
constexpr std::int32_t kPrefGlobalState = 1035669;
// Off by default; every tool it brings stays out of sight while it is off.
constexpr std::int32_t kPrefPerceptualTools = 1039500;

// The broadcast event between choosers and its codes (argument 1).
constexpr std::int32_t kBroadcastEvent = 1000492;
constexpr std::int32_t kBroadcastPrefsChanged = 0;
constexpr std::int32_t kBroadcastWheelOptions = 0x3EA0002;
constexpr std::int32_t kBroadcastWheelStrip = 0x3EA001B;
constexpr std::int32_t kBroadcastSpectrum = 0x3EB0004;
constexpr std::int32_t kBroadcastPictureStrip = 0x3EC001B;
constexpr std::int32_t kBroadcastSwatchDocument = 0x3F10009;
constexpr std::int32_t kBroadcastSwatchRefresh = 0x3F10010;
constexpr std::int32_t kBroadcastSwatchDisplay = 0x3F10011;

// Host object type of an object that works in linear colour.
constexpr std::int32_t kLinearObjectType = 300001078;

constexpr std::int32_t OwnerOf(std::int32_t id)
{
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(id) >> 16);
}
}  // namespace chooser
