#pragma once
// Gradient sliders and the slider panels in choosers on the host's
// attribute page: the built module, the host's event path, and pictures of
// what the sliders drew.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "automation/automationhost.h"
#include "gui/widget.h"
#include "raster/bitmap.h"

namespace slidertest
{
constexpr std::int32_t Code(char a, char b, char c, char d)
{
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(b) << 16) |
                                   (static_cast<std::uint32_t>(c) << 8) | static_cast<std::uint32_t>(d));
}
constexpr std::int32_t kAction = Code('b', 'A', 'C', 'T');
constexpr std::int32_t kMessageValue = Code('m', 'e', 'v', 'a');
constexpr std::int32_t kMessageDrag = Code('m', 'e', 'd', 'r');

// World preferences of the modes shown at start.
constexpr std::int32_t kPrefRgb = 1110;
constexpr std::int32_t kPrefHex = 1111;
constexpr std::int32_t kPrefPureGradients = 1112;
constexpr std::int32_t kPrefHsv = 1113;
constexpr std::int32_t kPrefKelvin = 1114;
constexpr std::int32_t kPrefMixer = 1115;
constexpr std::int32_t kPrefAlpha = 1133;
constexpr std::int32_t kPrefLinearDisplay = 1139;
constexpr std::int32_t kPrefColorUnit = 1102;

// Gadgets.
constexpr std::int32_t kRedField = 0x3ED0001;
constexpr std::int32_t kGreenField = 0x3ED0002;
constexpr std::int32_t kRedSlider = 0x3ED0004;
constexpr std::int32_t kGreenSlider = 0x3ED0005;
constexpr std::int32_t kHueField = 0x3EE0001;
constexpr std::int32_t kSaturationField = 0x3EE0002;
constexpr std::int32_t kHueSlider = 0x3EE0004;
constexpr std::int32_t kValueSlider = 0x3EE0006;
constexpr std::int32_t kHexField = 0x3F40001;
constexpr std::int32_t kAlphaField = 0x3F30001;
constexpr std::int32_t kAlphaSlider = 0x3F30002;
constexpr std::int32_t kTemperatureField = 0x3F00001;
constexpr std::int32_t kTemperatureSlider = 0x3F00002;
constexpr std::int32_t kTintField = 0x3F00004;
constexpr std::int32_t kTintSlider = 0x3F00005;
constexpr std::int32_t kMixerFieldA = 0x3EF0001;
constexpr std::int32_t kMixerFieldB = 0x3EF0002;
constexpr std::int32_t kMixerRatio = 0x3EF0003;
constexpr std::int32_t kMixerSlider = 0x3EF0004;
constexpr std::int32_t kBrightnessSlider = 0x3E80005;

// Every mode off but those given on.
host::Container Modes(std::initializer_list<std::int32_t> on);

class SliderTest : public ::testing::Test
{
protected:
  void TearDown() override;

  void Start(const host::Container& prefs, int scale = 1);
  // The user picks the colour unit in the preferences (0 percent, 1 8-bit,
  // 2 16-bit) while the choosers are open.
  void ChooseUnit(std::int32_t preference);
  host::AutomationHost& Host() { return *_host; }

  // A chooser of context kind 0 editing one object.
  void Open(const std::string& key, const host::Vector3& color, bool linear = false);
  // The same with alpha.
  void OpenWithAlpha(const std::string& key, const host::Vector3& color, double alpha);
  // A chooser of context kind 2 with the brightness row.
  void OpenWithBrightness(const std::string& key, const host::Vector3& color, double brightness);
  void Open(const std::string& key, const host::Container& settings, const host::ColorValue& value, bool linear);

  host::Widget& Gadget(const std::string& key, std::int32_t id);
  host::Container State(const std::string& key);
  // Action messages that key's chooser sent its parent since the last clear.
  std::vector<host::Container> Sent(const std::string& key);
  // The colour of the last one.
  host::Vector3 LastColor(const std::string& key);
  // The colour the host reads back now.
  host::Vector3 Value(const std::string& key);

  // Input at gadget-local logical positions.
  void Drag(const std::string& key, std::int32_t id, const std::vector<host::Point>& path, std::int32_t qualifiers = 0,
            bool cancel = false, std::int32_t channel = 1);
  void Click(const std::string& key, std::int32_t id, std::int32_t channel = 1, bool doubleClick = false);
  void Wheel(const std::string& key, std::int32_t id, double dx, double dy, std::int32_t qualifiers = 0);
  void Key(const std::string& key, std::int32_t id, std::int32_t code, std::int32_t qualifiers = 0);
  void Type(const std::string& key, std::int32_t id, const std::string& text, bool enter = true);
  double Number(const std::string& key, std::int32_t id);
  std::string Text(const std::string& key, std::int32_t id);

  // A picture of the gadget in physical pixels.
  host::Bitmap Picture(const std::string& key, std::int32_t id);

private:
  std::unique_ptr<host::AutomationHost> _host;
};

// Components of a pixel, and of a colour 0..1 in 8-bit steps.
struct Pixel
{
  int r = 0, g = 0, b = 0;
  bool operator==(const Pixel&) const = default;
};
Pixel At(const host::Bitmap& bitmap, int x, int y);
Pixel Of(double r, double g, double b);
::testing::AssertionResult Near(const Pixel& actual, const Pixel& expected, int tolerance = 1);
std::ostream& operator<<(std::ostream& out, const Pixel& p);

// The sRGB curve the host's transform codes use.
double SrgbToLinear(double c);
double LinearToSrgb(double c);
}  // namespace slidertest
