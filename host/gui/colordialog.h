#pragma once
// The host's colour dialog: a preview of the new colour beside the old one,
// red, green and blue (and alpha) as 0-255 sliders with number fields, hue,
// saturation and value, and the colour as a hexadecimal text. OK confirms,
// Cancel leaves the colour as it was. The colours it draws are shown as the
// chooser that opened it shows them: from the profile its colour-profile mode
// names to the display profile. What it edits stays unconverted.
#include <array>
#include <optional>
#include <string>

#include "color/displayconversion.h"
#include "gui/dialogdelegate.h"

namespace host {

class ColorDialog : public DialogDelegate {
 public:
  enum : int32_t {
    kOk = 1,
    kCancel = 2,
    kPreview = 100,
    kHex = 180,
    kRedSlider = 110,
    kRed = 111,
    kGreenSlider = 120,
    kGreen = 121,
    kBlueSlider = 130,
    kBlue = 131,
    kAlphaSlider = 140,
    kAlpha = 141,
    kHueSlider = 150,
    kHue = 151,
    kSatSlider = 160,
    kSat = 161,
    kValSlider = 170,
    kVal = 171,
  };

  // The display profile and the active document are the current host's.
  ColorDialog(std::array<double, 4> rgba, bool withAlpha, int32_t profileMode);

  bool Confirmed() const { return confirmed_; }
  const std::array<double, 4>& Rgba() const { return rgba_; }

  bool CreateLayout(Dialog& dialog) override;
  bool InitValues(Dialog& dialog) override;
  bool Command(Dialog& dialog, int32_t id, const Container& msg) override;

  // Hue, saturation, value (each 0..1) of an RGB colour; hue 0 for greys.
  static std::array<double, 3> RgbToHsv(double r, double g, double b);
  static std::array<double, 3> HsvToRgb(double h, double s, double v);
  static std::string ToHex(const std::array<double, 4>& rgba);
  // "#RRGGBB" or "RRGGBB" (also three digits); false for anything else.
  static bool FromHex(const std::string& text, std::array<double, 4>& rgba);

 private:
  void AddRow(Dialog& dialog, const char* label, int32_t slider, int32_t field, int channel);
  void SetRgb(double r, double g, double b);
  void SetHsv(double h, double s, double v);
  void Refresh(Dialog& dialog);
  bool Apply(Dialog& dialog, int32_t id, double value);
  // rgba as it is drawn.
  std::array<double, 4> Displayed(std::array<double, 4> rgba) const;

  std::array<double, 4> original_;
  std::array<double, 4> rgba_;
  std::array<double, 3> hsv_;
  bool withAlpha_;
  bool confirmed_ = false;
  std::optional<DisplayConversion> display_;
};

}  // namespace host
