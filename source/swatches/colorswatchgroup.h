#pragma once
// A named, ordered group of swatches. Each swatch is allocated on its own so
// that a record handed out for editing stays put while others are added.
#include <cstdint>
#include <memory>
#include <span>

#include "basearray.h"
#include "basecontainer.h"
#include "gxastring.h"
#include "result.h"
#include "swatches/colorswatch.h"

class ColorSwatchGroup
{
public:
  // Container IDs of a stored group.
  static constexpr std::int32_t kName = 0;
  static constexpr std::int32_t kSelected = 1;
  static constexpr std::int32_t kRecords = 2;
  static constexpr std::int32_t kAlphas = 3;
  static constexpr std::size_t kRecordSize = 32;
  // The index that appends.
  static constexpr std::int32_t kAppend = -1;

  ColorSwatchGroup();

  // Module string 20078.
  static String DefaultName();

  const String& GetName() const { return _name; }
  // Blank names (only blanks and tabs) take the default name.
  void SetName(const String& name);
  bool IsSelected() const { return _selected; }
  std::int32_t GetCount() const { return static_cast<std::int32_t>(_swatches.GetCount()); }
  ColorSwatch* GetSwatch(std::int32_t index);
  const ColorSwatch* GetSwatch(std::int32_t index) const;

  // Name, selected flag and deep copies of the swatches; onto itself a no-op.
  Result<void> CopyFrom(const ColorSwatchGroup& other);
  Result<void> Append(const ColorSwatchGroup& other);
  // The colours (of the selected swatches only, when asked), in order.
  Result<BaseArray<SwatchColor>> GetColors(bool selectedOnly) const;
  // selection 0 deselects, 1 selects, anything else keeps it.
  bool SetColor(std::int32_t index, const SwatchColor& color, std::int32_t selection);
  // Components clamped to 0..1; kAppend (or any index past the end) appends.
  Result<std::int32_t> AddColor(const SwatchColor& color, bool selected, std::int32_t index);
  // Replaces all swatches, or inserts at index; the first new index.
  Result<std::int32_t> AddColors(std::span<const SwatchColor> colors, bool selected, bool insert, std::int32_t index);
  void Reset();
  bool RemoveColors(std::int32_t start, std::int32_t count);
  bool RemoveSelectedColors();
  bool HasDuplicates() const;
  bool RemoveDuplicates();
  void InvertSelection();
  bool SetColorSelected(std::int32_t index, bool value);
  bool IsColorSelected(std::int32_t index) const;
  void SelectGroup(bool value);
  // Transparent first, then by hue, saturation and descending value.
  void SortColors();

  // Replaces this group by the stored one; short or mismatched arrays are
  // read as far as the stored layout allows.
  Result<void> ReadFrom(const BaseContainer& stored);
  // Clears target and stores the group in it.
  Result<void> WriteTo(BaseContainer& target) const;

private:
  Result<void> ReadRecords(const BaseContainer& stored);
  void ReadAlphas(const BaseContainer& stored);
  Result<void> Resize(std::size_t count);
  void ClearGroupFlag() { _selected = false; }

  String _name;
  bool _selected = false;
  BaseArray<std::unique_ptr<ColorSwatch>> _swatches;
};
