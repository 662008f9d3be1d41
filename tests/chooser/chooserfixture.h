#pragma once
// Choosers on the host's attribute page, loaded from the built module and
// driven through the host's own event path.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/automationhost.h"
#include "gui/dialog.h"
#include "gui/widget.h"

namespace choosertest
{
// Description flags and numbers the chooser reads.
constexpr std::int32_t kNoBrightness = 0x1;
constexpr std::int32_t kNoModeButtons = 0x20;
constexpr std::int32_t kAllNineHidden = 0x7FC0;
constexpr std::int32_t kNoScreenPicker = 0x4000;
constexpr std::int32_t kEnableWheel = 0x8000;
constexpr std::int32_t kEnableSpectrum = 0x10000;
constexpr std::int32_t kHideHex = 0x800000;

constexpr std::int32_t Code(char a, char b, char c, char d)
{
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(b) << 16) |
                                   (static_cast<std::uint32_t>(c) << 8) | static_cast<std::uint32_t>(d));
}
constexpr std::int32_t kFlags = Code('c', 'f', 'l', 'd');
constexpr std::int32_t kContextKind = Code('r', 'e', 't', 'T');
constexpr std::int32_t kAlpha = Code('a', 'c', 'o', 'l');
constexpr std::int32_t kLayoutMode = Code('l', 'a', 'y', 'm');
constexpr std::int32_t kStoredState = Code('s', 'l', 'd', 'a');
constexpr std::int32_t kMessageId = Code('m', 'e', 'i', 'd');
constexpr std::int32_t kMessageValue = Code('m', 'e', 'v', 'a');
constexpr std::int32_t kAction = Code('b', 'A', 'C', 'T');

// Mode entries of the state.
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

// Gadgets.
constexpr std::int32_t kColorField = 0x3E80002;
constexpr std::int32_t kBrightnessSlider = 0x3E80005;
constexpr std::int32_t kBrightnessField = 0x3E80006;
constexpr std::int32_t kModeButtonRow = 0x3E8000C;
constexpr std::int32_t kModeButtonsGroup = 0x3E8000F;
constexpr std::int32_t kPickerButton = 0x3E90009;
constexpr std::int32_t kRgbGroup = 0x3ED0007;
constexpr std::int32_t kRedField = 0x3ED0001;
constexpr std::int32_t kRedSlider = 0x3ED0004;
constexpr std::int32_t kHueField = 0x3EE0001;
constexpr std::int32_t kValueField = 0x3EE0003;
constexpr std::int32_t kAlphaGroup = 0x3F30003;
constexpr std::int32_t kHexGroup = 0x3F40002;
constexpr std::int32_t kHexField = 0x3F40001;
constexpr std::int32_t kSwatchesGroup = 0x3F1000F;
constexpr std::int32_t kCompactSquare = 0x3F20001;

// Every mode preference off (start mode 1119, RGB 1110, hex 1111, HSV 1113,
// Kelvin 1114, mixer 1115, swatches 1116, compact 1124, alpha 1133).
host::Container AllModesOff();

class ChooserTest : public ::testing::Test
{
protected:
  void TearDown() override;

  // Starts the host with these world preferences; width 0 fits the page.
  void Start(const host::Container& prefs = AllModesOff(), int width = 0);
  host::AutomationHost& Host() { return *_host; }

  // A chooser for a parameter whose objects hold values.
  void Open(const std::string& key, const host::Container& settings, const std::vector<host::ColorValue>& values,
            const std::vector<bool>& linear = {});
  void Set(const std::string& key, const host::ColorValue& value);
  host::Dialog& Chooser(const std::string& key);
  host::Widget* Gadget(const std::string& key, std::int32_t id);
  bool Shows(const std::string& key, std::int32_t id);
  host::Container State(const std::string& key);
  host::ColorValue Data(const std::string& key);
  // Parent messages that came from key's chooser.
  std::vector<host::Container> MessagesFrom(const std::string& key);

  static host::Container Settings(std::int32_t contextKind, std::int32_t flags, std::int32_t layoutMode = 2);
  static host::ColorValue Plain(double r, double g, double b);
  static host::ColorValue WithAlpha(double r, double g, double b, double a);

private:
  std::unique_ptr<host::AutomationHost> _host;
};

// Components of a vector value, for comparisons.
host::Vector3 VectorOf(const host::Value* value);
}  // namespace choosertest
