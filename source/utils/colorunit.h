#pragma once
// The unit in which red, green and blue are shown in number fields: whole
// 8-bit or 16-bit steps, or percent. Chosen from world preference 1102.
#include <cstdint>
#include <memory>
#include <optional>

class GeDialog;

// How a field shows one component.
struct ColorUnitField
{
  bool whole = true;  // integer field; otherwise a real field
  double value = 0.0;
  double minimum = 0.0;
  double maximum = 0.0;
  double step = 1.0;
  std::int32_t format = 0;  // real fields only: the host's number unit (GXA_UNIT_*)
};

class ColorUnit
{
public:
  virtual ~ColorUnit() = default;

  // Shows a component 0..1 in number field id; ambiguous shows the field's
  // mixed-value state. False when the dialog has no such field.
  bool SetDialogValue(std::int32_t id, double component, GeDialog& dialog, bool ambiguous) const;
  // The component that field id stands for; nothing when it cannot be read.
  std::optional<double> GetDialogValue(std::int32_t id, const GeDialog& dialog) const;

  virtual double GetMaximum() const = 0;
  virtual double GetStep() const = 0;
  virtual bool IsWholeNumber() const = 0;

  // The field showing a component 0..1.
  virtual ColorUnitField FieldFor(double component) const = 0;
  // The component that a field's value stands for.
  virtual double ComponentFrom(double fieldValue) const = 0;

  // The maximum of the unit that a preference value selects, to tell whether
  // the current unit already matches.
  static double MaximumFor(std::int32_t preference);
  // Null when out of memory.
  static std::unique_ptr<ColorUnit> Create(std::int32_t preference);

protected:
  // A whole field value, saturated so that any double is safe to convert.
  static std::int64_t WholeValue(double fieldValue);
};
