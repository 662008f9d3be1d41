#include "prefs/preferencecatalog.h"

#include "core/worldpreferences.h"

namespace host {

namespace {

using P = WorldPreferences;
using Kind = PreferenceItem::Kind;

// Broadcast codes the choosers know for a part that must refresh.
constexpr int64_t kWheelOptions = 0x3EA0002;
constexpr int64_t kSpectrum = 0x3EB0004;
constexpr int64_t kSwatchCells = 0x3F10010;
constexpr int64_t kSwatchNames = 0x3F10011;

const char* const kValues = "Values";
const char* const kModes = "Modes shown in a new chooser";
const char* const kPanels = "Panels";
const char* const kDisplay = "Display";
const char* const kTools = "Tools";

PreferenceItem Toggle(int32_t id, const char* label, const char* section, int64_t code = 0) {
  return {id, Kind::Toggle, label, section, {}, code};
}

PreferenceItem Choice(int32_t id, const char* label, const char* section, std::vector<PreferenceChoice> choices,
                      int64_t code = 0) {
  return {id, Kind::Choice, label, section, std::move(choices), code};
}

std::vector<PreferenceItem> Build() {
  const std::vector<PreferenceChoice> sizes{{0, "Small"}, {1, "Medium"}, {2, "Large"}};
  return {
      Choice(P::kColorUnit, "Colour unit", kValues,
             {{0, "Percent (0-100 %)"}, {1, "8 bit (0-255)"}, {2, "16 bit (0-65535)"}}),
      Toggle(P::kPureGradients, "Pure gradients in the RGB sliders", kValues),
      Toggle(P::kLinearDisplay, "Show linear values for linear colours", kValues),
      Toggle(P::kShowRgb, "RGB", kModes),
      Toggle(P::kShowHsv, "HSV", kModes),
      Toggle(P::kShowHex, "Hex", kModes),
      Toggle(P::kShowAlpha, "Alpha", kModes),
      Toggle(P::kShowKelvin, "Colour temperature", kModes),
      Toggle(P::kShowMixer, "Mixer", kModes),
      Toggle(P::kShowSwatches, "Swatches", kModes),
      Toggle(P::kShowCompact, "Compact", kModes),
      Choice(P::kWheelMode, "Picture area", kModes,
             {{0, "None"}, {1, "Colour wheel"}, {2, "Spectrum"}, {3, "Picture"}}),
      Toggle(P::kRememberModes, "New choosers start with the last modes used", kModes),
      Choice(P::kWheelSize, "Wheel size", kPanels, sizes, kWheelOptions),
      Choice(P::kSpectrumSize, "Spectrum size", kPanels, sizes, kSpectrum),
      Choice(P::kSwatchCellSize, "Swatch size", kPanels, sizes, kSwatchCells),
      Toggle(P::kSwatchGroupNames, "Show swatch group names", kPanels, kSwatchNames),
      Choice(P::kTheme, "Theme", kDisplay, {{0, "Light"}, {1, "Dark"}}),
      {P::kDisplayProfile, Kind::Profile, "Display profile (ICC, empty for sRGB)", kDisplay, {}, 0},
      Toggle(P::kPerceptualTools, "Perceptual colour tools", kTools),
      Choice(P::kClipboardFormat, "Copied colours read as", kTools,
             {{0, "#RRGGBB"}, {1, "rgb(R, G, B)"}, {2, "hsl(H, S%, L%)"}, {3, "Numbers 0-1 (R, G, B)"}}),
  };
}

}  // namespace

const std::vector<std::string>& PreferenceCatalog::Sections() {
  static const std::vector<std::string> sections{kValues, kModes, kPanels, kDisplay, kTools};
  return sections;
}

const std::vector<PreferenceItem>& PreferenceCatalog::Items() {
  static const std::vector<PreferenceItem> items = Build();
  return items;
}

const PreferenceItem* PreferenceCatalog::Find(int32_t id) {
  for (const PreferenceItem& item : Items()) {
    if (item.id == id) return &item;
  }
  return nullptr;
}

}  // namespace host
