#pragma once
// The chooser gadget that the host shows for a colour parameter. It owns the
// colour (in its own, display-encoded space), an HSV triple that survives
// greys, alpha and brightness, a state container in which every panel keeps
// its options, the colour field, the brightness row, the picker button and
// one panel per enabled mode. Panels add their gadgets to this dialog and
// call back into it through the public operations below.
#include <array>
#include <cstdint>
#include <memory>

#include "basecontainer.h"
#include "panelset.h"
#include "result.h"
#include "tristatedata.h"
#include "utils/chooserview.h"
#include "vector.h"

class ColorInterface;
class ColorInterfaceModeButtons;
class ColorInterfaceRGB;
class ColorInterfaceMixer;
class ColorInterfaceSwatchSystem;
class ColorUnit;
class GeUserArea;

class ColorChooserGui : public ChooserView
{
public:
  using Panel = PanelSet::Panel;
  // Picker callback states.
  enum PickerState : std::int32_t
  {
    kPickerHovering = 0,
    kPickerPicked = 1,
    kPickerCancelled = 2
  };

  ColorChooserGui(const BaseContainer& settings, GxaPluginRecord* record);
  ~ColorChooserGui() override;

  // Dialog operations.
  bool CreateLayout() override;
  bool InitValues() override;
  bool CoreMessage(std::int32_t id, const BaseContainer& msg) override;
  bool Command(std::int32_t id, const BaseContainer& msg) override;
  std::int32_t Message(const BaseContainer& msg, BaseContainer& result) override;

  // Custom GUI operations.
  bool SetData(const TriStateData& value) override;
  bool GetData(TriStateData& out) override;
  bool LayoutModeChanged() override;

  // Colour record, in the chooser's space.
  const Vector& GetColor() const override { return _color; }
  void SetColor(const Vector& rgb) override { _color = rgb; }
  const Vector& GetHSV() const override { return _hsv; }
  // Stores hsv and makes the colour its RGB form.
  void SetHSV(const Vector& hsv) override;
  void SetHSVOnly(const Vector& hsv) { _hsv = hsv; }
  double GetAlpha() const override { return _alpha; }
  void SetAlpha(double alpha) override { _alpha = alpha; }
  const Vector& GetInitialColor() const { return _initialColor; }
  double GetInitialAlpha() const override { return _initialAlpha; }
  void SetInitialColor(const Vector& rgb) override { _initialColor = rgb; }
  void SetInitialAlpha(double alpha) override { _initialAlpha = alpha; }
  const Vector& GetPickerBackup() const { return _pickerBackup; }
  bool HasAlpha() const override { return _alphaEnabled; }
  bool IsAmbiguous() const override { return _ambiguous; }
  bool IsLiveChange() const override { return _liveChange; }
  void SetLiveChange(bool on) override { _liveChange = on; }
  bool IsLinearActive() const override { return _linearActive; }
  bool IsLinearContext() const override { return _linearContext; }
  bool IsLinearDisplayActive() const;
  bool IsRebuildPending() const { return _rebuildPending; }
  void SetRebuildPending(bool on) override { _rebuildPending = on; }
  double GetBrightness() const override { return _brightness; }
  double GetBrightnessMax() const override { return _brightnessMax; }
  ColorUnit* GetColorUnit() const override { return _colorUnit.get(); }

  // Settings and state.
  BaseContainer& GetState() override { return _state; }
  const BaseContainer& GetState() const override { return _state; }
  const BaseContainer& GetSettings() const { return _settings; }
  std::int32_t GetProfileMode() const override { return _profileMode; }
  std::int32_t GetChooserFlags() const override { return _flags; }
  bool HasFlag(std::int32_t flag) const { return (_flags & flag) != 0; }
  std::int32_t GetContextKind() const { return _contextKind; }
  bool IsExpandedAllowed() const { return _expandedAllowed; }
  // The mode buttons and panels are shown (layout mode 2, expanded allowed).
  bool IsExpandedShown();
  bool IsCompact() const override;
  bool IsModeOn(std::int32_t modeId) const;
  bool HasBrightnessRow() const { return _brightnessRow; }
  bool IsPlainValue() const { return _plainValue; }

  // Space helpers: code 1 leaves the chooser's space, code 2 enters it, only
  // while linear is active.
  Vector GetColorInHostSpace() const override;
  void SetColorFromHostSpace(const Vector& rgb) override;
  Vector ToHostSpace(const Vector& rgb) const;
  Vector ToChooserSpace(const Vector& rgb) const override;
  Vector GetDisplayColor() const override;
  Vector GetInitialDisplayColor() const override;
  Vector GetOpeningDisplayColor() const override;
  Vector GetDisplayColorInHostSpace() const;

  // Operations offered to panels and gadgets.
  Result<void> SendValue(BaseContainer msg) override;
  Result<void> UpdateValues();
  void StoreLayoutState() override;
  bool RebuildLayout() override;
  void VisionChanged() override;
  void SetKeepPicture(bool keep) override { _keepPicture = keep; }
  bool GetKeepPicture() const { return _keepPicture; }
  Result<void> SetLinearDisplay(bool on) override;
  void StartScreenPicker() override;
  // The screen picker reports the colour under the cursor (hovering), the
  // picked colour, or the backup when cancelled.
  void PickerUpdate(const Vector& color, std::int32_t state);
  static void PickerCallback(const Vector& color, void* chooser, std::int32_t state);
  void PickingEnded();
  // Switches swatches mode on (unless hidden) and hands argument on.
  Result<void> ShowSwatches(const BaseContainer& argument) override;

  // Panels, null while their mode is off, and the chooser's own gadgets.
  ColorInterface* GetPanel(Panel panel) const { return _panels.Get(panel); }
  ColorInterfaceModeButtons* GetModeButtons() const;
  ColorInterfaceRGB* GetRGBPanel() const;
  ColorInterfaceMixer* GetMixerPanel() const;
  ColorInterfaceSwatchSystem* GetSwatchesPanel() const;
  GeUserArea* GetColorField() const { return _colorField.get(); }
  GeUserArea* GetPickerButton() const { return _pickerButton.get(); }
  GeUserArea* GetBrightnessSlider() const { return _brightnessSlider.get(); }

private:
  // Construction.
  void ReadContextKind();
  void ReadFieldSize();
  void BuildDefaultState();
  void ApplyModeMemory();
  void ReadStoredState();
  void TakeLinearFromState();

  // Layout.
  Result<void> LayoutBody();
  Result<void> LayoutBrightnessRow();
  Result<void> LayoutColorRow();
  Result<void> LayoutPicker(std::int32_t flags, std::int32_t height);
  PanelSet::Shape PanelShape();

  // Values.
  void RetainHsv();
  Result<void> UpdateBrightnessRow(bool createSlider);
  Result<bool> ChooserCommand(std::int32_t id, const BaseContainer& msg);
  GeData GetHostValue() const;
  void TakeValue(const GeData& value);

  // Messages.
  bool IsWheelShown();
  std::int32_t SetValueMessage(const BaseContainer& msg);
  std::int32_t GetValueMessage(const BaseContainer& msg, BaseContainer& result);
  std::int32_t GetLayoutMessage(BaseContainer& result);
  Result<void> DragReceive(const BaseContainer& msg, BaseContainer& result);
  Result<void> DropPicture(const BaseContainer& msg);
  Result<bool> ChooseColorUnit();
  Result<void> PreferencesChanged();
  Result<void> ReceiveBroadcast(std::int64_t code, std::int64_t sender);

  // Linear detection.
  void DetectLinear();
  Result<void> RelayoutModeButtons();

  bool _ambiguous = false;
  bool _alphaEnabled = false;
  BaseContainer _state;
  BaseContainer _settings;
  std::int32_t _profileMode = 0;
  std::int32_t _flags = 0;
  std::int32_t _contextKind = 0;
  Vector _color;
  Vector _hsv;
  Vector _initialColor;
  // The first value the chooser was given, for the contrast readout.
  Vector _openingColor;
  bool _hasOpeningColor = false;
  Vector _pickerBackup;
  double _alpha = 1.0;
  double _initialAlpha = 1.0;
  double _brightness = 1.0;
  double _brightnessMax = 1.0;
  bool _liveChange = false;
  bool _rebuildPending = true;
  bool _globalState = false;
  GxaDocument* _lastDocument = nullptr;
  bool _plainValue = false;
  bool _suppressUpdate = false;
  bool _brightnessRow = false;
  bool _expandedAllowed = false;
  bool _linearActive = false;
  bool _linearContext = false;
  bool _linearDetected = false;
  bool _noParentQuery = false;
  std::int32_t _fieldWidth = 0;
  std::int32_t _fieldHeight = 0;
  std::unique_ptr<GeUserArea> _colorField;
  std::unique_ptr<GeUserArea> _brightnessSlider;
  std::unique_ptr<ColorUnit> _colorUnit;
  std::unique_ptr<GeUserArea> _pickerButton;
  PanelSet _panels{*this};
  bool _keepPicture = false;
  // The perceptual colour tools preference as the last layout saw it.
  bool _perceptualLaidOut = false;
};
