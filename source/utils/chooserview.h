#pragma once
// What a panel or gadget sees of its chooser: the dialog it lays out into,
// the colour record in the chooser's own space, the state container, flags
// and display unit, the linear state, and the ways to report a change or to
// ask for a new layout. The chooser implements it; panels know nothing else
// of the chooser, so the chooser may know every panel.
#include <cstdint>

#include "basecontainer.h"
#include "icustomgui.h"
#include "result.h"
#include "vector.h"

class ColorUnit;

class ChooserView : public iCustomGui
{
public:
  using iCustomGui::iCustomGui;

  // The colour record, in the chooser's space.
  virtual const Vector& GetColor() const = 0;
  virtual void SetColor(const Vector& rgb) = 0;
  virtual const Vector& GetHSV() const = 0;
  // Stores hsv and makes the colour its RGB form.
  virtual void SetHSV(const Vector& hsv) = 0;
  virtual double GetAlpha() const = 0;
  virtual void SetAlpha(double alpha) = 0;
  virtual double GetInitialAlpha() const = 0;
  virtual void SetInitialColor(const Vector& rgb) = 0;
  virtual void SetInitialAlpha(double alpha) = 0;
  virtual double GetBrightness() const = 0;
  virtual double GetBrightnessMax() const = 0;
  // The colour and the initial colour as the colour field shows them.
  virtual Vector GetDisplayColor() const = 0;
  virtual Vector GetInitialDisplayColor() const = 0;
  // The colour the chooser was first given, as the colour field would show
  // it: what the contrast readout compares the colour with.
  virtual Vector GetOpeningDisplayColor() const = 0;
  virtual bool HasAlpha() const = 0;
  virtual bool IsAmbiguous() const = 0;
  virtual bool IsLiveChange() const = 0;
  virtual void SetLiveChange(bool on) = 0;
  virtual void SetRebuildPending(bool on) = 0;

  // Linear colour: code 1 leaves the chooser's space, code 2 enters it, only
  // while linear is active.
  virtual bool IsLinearActive() const = 0;
  virtual bool IsLinearContext() const = 0;
  virtual Vector ToChooserSpace(const Vector& rgb) const = 0;
  virtual Vector GetColorInHostSpace() const = 0;
  virtual void SetColorFromHostSpace(const Vector& rgb) = 0;
  virtual Result<void> SetLinearDisplay(bool on) = 0;

  // State, flags and unit.
  virtual BaseContainer& GetState() = 0;
  virtual const BaseContainer& GetState() const = 0;
  virtual std::int32_t GetProfileMode() const = 0;
  virtual std::int32_t GetChooserFlags() const = 0;
  virtual bool IsCompact() const = 0;
  // Null until the host's init message.
  virtual ColorUnit* GetColorUnit() const = 0;

  // Reports a change of the colour record to the host and every panel.
  virtual Result<void> SendValue(BaseContainer msg) = 0;
  virtual void StoreLayoutState() = 0;
  // The modes or a panel's rows changed: the chooser lays out again.
  virtual bool RebuildLayout() = 0;
  virtual void SetKeepPicture(bool keep) = 0;
  virtual void StartScreenPicker() = 0;
  // The colour-vision view in the state changed: every gadget that shows it
  // draws again.
  virtual void VisionChanged() = 0;
  // Switches swatches mode on (unless hidden) and hands argument on.
  virtual Result<void> ShowSwatches(const BaseContainer& argument) = 0;

  // Tells every chooser (the sender too, which ignores it) that something
  // changed: event 1000492 with the code and the sender's address.
  static void PostBroadcast(std::int32_t code, const void* sender);
  // The common label width, pixels << 14, ready as a width hint.
  static std::int32_t GetLabelWidth();
};
