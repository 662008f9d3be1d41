#pragma once
// The chooser's numbers as the tests meet them: settings keys, description
// flags, world preferences, parent message entries, state entries and gadget
// IDs. Written out here rather than taken from the module, so that a wrong
// number on either side shows.
#include <cstdint>

namespace choosertest
{
constexpr std::int32_t Code(char a, char b, char c, char d)
{
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(b) << 16) |
                                   (static_cast<std::uint32_t>(c) << 8) | static_cast<std::uint32_t>(d));
}

// Settings keys of a colour parameter.
constexpr std::int32_t kContextKind = Code('r', 'e', 't', 'T');
constexpr std::int32_t kFlags = Code('c', 'f', 'l', 'd');
constexpr std::int32_t kLayoutMode = Code('l', 'a', 'y', 'm');
constexpr std::int32_t kAlphaSetting = Code('a', 'c', 'o', 'l');
constexpr std::int32_t kStoredState = Code('s', 'l', 'd', 'a');
constexpr std::int32_t kNoLinearDetection = Code('n', 'o', 'l', 's');

// Description flags.
constexpr std::int32_t kNoBrightness = 0x1;
constexpr std::int32_t kNoModeButtons = 0x20;
constexpr std::int32_t kNoKelvin = 0x800;
constexpr std::int32_t kNoScreenPicker = 0x4000;
constexpr std::int32_t kAllNineHidden = 0x7FC0;
constexpr std::int32_t kEnableWheel = 0x8000;
constexpr std::int32_t kEnableSpectrum = 0x10000;
constexpr std::int32_t kHideHex = 0x800000;

// What the chooser tells its parent.
constexpr std::int32_t kAction = Code('b', 'A', 'C', 'T');
constexpr std::int32_t kMessageId = Code('m', 'e', 'i', 'd');
constexpr std::int32_t kMessageValue = Code('m', 'e', 'v', 'a');
constexpr std::int32_t kMessageDrag = Code('m', 'e', 'd', 'r');

// World preferences.
constexpr std::int32_t kPrefColorUnit = 1102;
constexpr std::int32_t kPrefRgb = 1110;
constexpr std::int32_t kPrefHex = 1111;
constexpr std::int32_t kPrefPureGradients = 1112;
constexpr std::int32_t kPrefHsv = 1113;
constexpr std::int32_t kPrefKelvin = 1114;
constexpr std::int32_t kPrefMixer = 1115;
constexpr std::int32_t kPrefSwatches = 1116;
constexpr std::int32_t kPrefStartMode = 1119;
constexpr std::int32_t kPrefCompact = 1124;
constexpr std::int32_t kPrefRememberModes = 1129;
constexpr std::int32_t kPrefAlpha = 1133;
constexpr std::int32_t kPrefTheme = 1134;
constexpr std::int32_t kPrefLinearDisplay = 1139;
constexpr std::int32_t kPrefGlobalState = 1035669;

// The chooser's own state entries.
constexpr std::int32_t kTallField = 0x3E80003;
constexpr std::int32_t kStateHsv = 0x3E8000A;
constexpr std::int32_t kShowAlpha = 0x3E8000B;
constexpr std::int32_t kLinearContext = 0x3E8000E;

// Mode entries of the state; the mode buttons report the same IDs.
constexpr std::int32_t kWheel = 0x3E90001;
constexpr std::int32_t kSpectrum = 0x3E90002;
constexpr std::int32_t kPicture = 0x3E90003;
constexpr std::int32_t kRgb = 0x3E90004;
constexpr std::int32_t kHsv = 0x3E90005;
constexpr std::int32_t kKelvin = 0x3E90006;
constexpr std::int32_t kMixer = 0x3E90007;
constexpr std::int32_t kSwatches = 0x3E90008;
constexpr std::int32_t kCompact = 0x3E9000A;
constexpr std::int32_t kAlphaMode = 0x3E9000B;
constexpr std::int32_t kHex = 0x3E9000C;

// The chooser's gadgets and groups.
constexpr std::int32_t kColorField = 0x3E80002;
constexpr std::int32_t kBrightnessSlider = 0x3E80005;
constexpr std::int32_t kBrightnessField = 0x3E80006;
constexpr std::int32_t kModeButtonRow = 0x3E8000C;
constexpr std::int32_t kModeButtonsGroup = 0x3E8000F;
constexpr std::int32_t kPickerButton = 0x3E90009;

// The panels' gadgets and groups.
constexpr std::int32_t kRedField = 0x3ED0001;
constexpr std::int32_t kGreenField = 0x3ED0002;
constexpr std::int32_t kRedSlider = 0x3ED0004;
constexpr std::int32_t kGreenSlider = 0x3ED0005;
constexpr std::int32_t kRgbGroup = 0x3ED0007;
constexpr std::int32_t kHueField = 0x3EE0001;
constexpr std::int32_t kSaturationField = 0x3EE0002;
constexpr std::int32_t kValueField = 0x3EE0003;
constexpr std::int32_t kHueSlider = 0x3EE0004;
constexpr std::int32_t kValueSlider = 0x3EE0006;
constexpr std::int32_t kMixerFieldA = 0x3EF0001;
constexpr std::int32_t kMixerFieldB = 0x3EF0002;
constexpr std::int32_t kMixerRatio = 0x3EF0003;
constexpr std::int32_t kMixerSlider = 0x3EF0004;
constexpr std::int32_t kTemperatureField = 0x3F00001;
constexpr std::int32_t kTemperatureSlider = 0x3F00002;
constexpr std::int32_t kTintField = 0x3F00004;
constexpr std::int32_t kTintSlider = 0x3F00005;
constexpr std::int32_t kSwatchesGroup = 0x3F1000F;
constexpr std::int32_t kCompactSquare = 0x3F20001;
constexpr std::int32_t kAlphaField = 0x3F30001;
constexpr std::int32_t kAlphaSlider = 0x3F30002;
constexpr std::int32_t kAlphaGroup = 0x3F30003;
constexpr std::int32_t kHexField = 0x3F40001;
constexpr std::int32_t kHexGroup = 0x3F40002;
}  // namespace choosertest
