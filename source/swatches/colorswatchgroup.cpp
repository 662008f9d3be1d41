#include "swatches/colorswatchgroup.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "gedata.h"
#include "moduleresource.h"
#include "swatches/swatchorder.h"

namespace
{
constexpr std::int32_t kDefaultGroupNameString = 20078;

double Clamp01(double v)
{
  return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
}

void PutDouble(std::uint8_t* at, double value)
{
  std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  for (int i = 0; i < 8; ++i)
    at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

double GetDouble(const std::uint8_t* at)
{
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i)
    bits |= static_cast<std::uint64_t>(at[i]) << (8 * i);
  return std::bit_cast<double>(bits);
}

// The bytes of a byte-array entry; empty when absent or of another type.
BaseArray<std::uint8_t> BytesOf(const BaseContainer& stored, std::int32_t id)
{
  const GxaData* data = stored.GetDataPointer(id);
  if (!data)
    return {};
  Result<BaseArray<std::uint8_t>> bytes = GeData::CopyOf(data).GetBytes();
  return bytes.IsOk() ? std::move(bytes).GetValue() : BaseArray<std::uint8_t>();
}

Result<std::unique_ptr<ColorSwatch>> NewSwatch(const ColorSwatch& value)
{
  return CatchErrors([&] { return std::make_unique<ColorSwatch>(value); });
}
}  // namespace

ColorSwatchGroup::ColorSwatchGroup() : _name(DefaultName()) {}

String ColorSwatchGroup::DefaultName()
{
  return ModuleResource::LoadString(kDefaultGroupNameString);
}

void ColorSwatchGroup::SetName(const String& name)
{
  _name = name.IsBlank() ? DefaultName() : name;
}

ColorSwatch* ColorSwatchGroup::GetSwatch(std::int32_t index)
{
  auto* slot = index < 0 ? nullptr : _swatches.GetPointer(static_cast<std::size_t>(index));
  return slot ? slot->get() : nullptr;
}

const ColorSwatch* ColorSwatchGroup::GetSwatch(std::int32_t index) const
{
  auto* slot = index < 0 ? nullptr : _swatches.GetPointer(static_cast<std::size_t>(index));
  return slot ? slot->get() : nullptr;
}

Result<void> ColorSwatchGroup::CopyFrom(const ColorSwatchGroup& other)
{
  if (&other == this)
    return Ok();
  BaseArray<std::unique_ptr<ColorSwatch>> copies;
  RETURN_IF_ERROR(copies.EnsureCapacity(other._swatches.GetCount()));
  for (const auto& swatch : other._swatches)
  {
    ASSIGN_OR_RETURN(auto copy, NewSwatch(*swatch));
    RETURN_IF_ERROR(copies.Append(std::move(copy)));
  }
  _swatches = std::move(copies);
  _name = other._name;
  _selected = other._selected;
  return Ok();
}

Result<void> ColorSwatchGroup::Append(const ColorSwatchGroup& other)
{
  // Copies first, so that appending a group to itself sees the old count.
  BaseArray<std::unique_ptr<ColorSwatch>> copies;
  RETURN_IF_ERROR(copies.EnsureCapacity(other._swatches.GetCount()));
  for (const auto& swatch : other._swatches)
  {
    ASSIGN_OR_RETURN(auto copy, NewSwatch(*swatch));
    RETURN_IF_ERROR(copies.Append(std::move(copy)));
  }
  RETURN_IF_ERROR(_swatches.EnsureCapacity(_swatches.GetCount() + copies.GetCount()));
  for (auto& copy : copies)
    RETURN_IF_ERROR(_swatches.Append(std::move(copy)));
  return Ok();
}

Result<BaseArray<SwatchColor>> ColorSwatchGroup::GetColors(bool selectedOnly) const
{
  BaseArray<SwatchColor> colors;
  for (const auto& s : _swatches)
  {
    if (selectedOnly && !s->selected)
      continue;
    RETURN_IF_ERROR(colors.Append({s->red, s->green, s->blue, s->alpha}));
  }
  return colors;
}

bool ColorSwatchGroup::SetColor(std::int32_t index, const SwatchColor& color, std::int32_t selection)
{
  ColorSwatch* swatch = GetSwatch(index);
  if (!swatch)
    return false;
  swatch->red = color.red;
  swatch->green = color.green;
  swatch->blue = color.blue;
  swatch->alpha = color.alpha;
  if (selection == 0)
  {
    swatch->selected = false;
    ClearGroupFlag();
  }
  else if (selection == 1)
  {
    swatch->selected = true;
  }
  return true;
}

Result<std::int32_t> ColorSwatchGroup::AddColor(const SwatchColor& color, bool selected, std::int32_t index)
{
  const ColorSwatch value{Clamp01(color.red), Clamp01(color.green), Clamp01(color.blue), Clamp01(color.alpha),
                          selected};
  ASSIGN_OR_RETURN(auto swatch, NewSwatch(value));
  const std::size_t at = (index < 0 || index > GetCount()) ? _swatches.GetCount() : static_cast<std::size_t>(index);
  RETURN_IF_ERROR(_swatches.Insert(at, std::move(swatch)));
  if (!selected)
    ClearGroupFlag();
  return static_cast<std::int32_t>(at);
}

Result<std::int32_t> ColorSwatchGroup::AddColors(std::span<const SwatchColor> colors, bool selected, bool insert,
                                                 std::int32_t index)
{
  if (colors.empty())
    return IllegalArgumentError("no colours given");
  BaseArray<std::unique_ptr<ColorSwatch>> added;
  RETURN_IF_ERROR(added.EnsureCapacity(colors.size()));
  for (const SwatchColor& c : colors)
  {
    ASSIGN_OR_RETURN(auto swatch, NewSwatch({c.red, c.green, c.blue, c.alpha, selected}));
    RETURN_IF_ERROR(added.Append(std::move(swatch)));
  }
  std::size_t at = 0;
  if (!insert)
  {
    _swatches = std::move(added);
  }
  else
  {
    at = (index < 0 || index > GetCount()) ? _swatches.GetCount() : static_cast<std::size_t>(index);
    RETURN_IF_ERROR(_swatches.EnsureCapacity(_swatches.GetCount() + added.GetCount()));
    for (std::size_t i = 0; i < added.GetCount(); ++i)
      RETURN_IF_ERROR(_swatches.Insert(at + i, std::move(added[i])));
  }
  if (!selected)
    ClearGroupFlag();
  return static_cast<std::int32_t>(at);
}

void ColorSwatchGroup::Reset()
{
  _swatches.Reset();
  ClearGroupFlag();
}

bool ColorSwatchGroup::RemoveColors(std::int32_t start, std::int32_t count)
{
  if (start < 0 || start >= GetCount() || count < 0)
    return false;
  const std::int32_t clipped = std::min(count, GetCount() - start);
  return _swatches.Erase(static_cast<std::size_t>(start), static_cast<std::size_t>(clipped)).IsOk();
}

bool ColorSwatchGroup::RemoveSelectedColors()
{
  const std::size_t before = _swatches.GetCount();
  auto kept = std::remove_if(_swatches.begin(), _swatches.end(), [](const auto& s) { return s->selected; });
  const auto removed = static_cast<std::size_t>(_swatches.end() - kept);
  (void)_swatches.Erase(before - removed, removed);
  ClearGroupFlag();
  return removed != 0;
}

bool ColorSwatchGroup::HasDuplicates() const
{
  for (std::size_t i = 1; i < _swatches.GetCount(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (_swatches[i]->SameColor(*_swatches[j]))
        return true;
  return false;
}

bool ColorSwatchGroup::RemoveDuplicates()
{
  // Keeps the first of each colour: a later swatch goes when an earlier kept one matches.
  std::size_t kept = 0;
  const std::size_t count = _swatches.GetCount();
  for (std::size_t i = 0; i < count; ++i)
  {
    bool duplicate = false;
    for (std::size_t j = 0; j < kept && !duplicate; ++j)
      duplicate = _swatches[i]->SameColor(*_swatches[j]);
    if (!duplicate)
      std::swap(_swatches[kept++], _swatches[i]);
  }
  (void)_swatches.Erase(kept, count - kept);
  return kept != count;
}

void ColorSwatchGroup::InvertSelection()
{
  for (auto& s : _swatches)
    s->selected = !s->selected;
  ClearGroupFlag();
}

bool ColorSwatchGroup::SetColorSelected(std::int32_t index, bool value)
{
  ColorSwatch* swatch = GetSwatch(index);
  if (!swatch)
    return false;
  swatch->selected = value;
  if (!value)
    ClearGroupFlag();
  return true;
}

bool ColorSwatchGroup::IsColorSelected(std::int32_t index) const
{
  const ColorSwatch* swatch = GetSwatch(index);
  return swatch && swatch->selected;
}

void ColorSwatchGroup::SelectGroup(bool value)
{
  _selected = value;
  for (auto& s : _swatches)
    s->selected = value;
}

void ColorSwatchGroup::SortColors()
{
  if (_swatches.GetCount() < 2)
    return;
  std::sort(_swatches.begin(), _swatches.end(), [](const auto& a, const auto& b) { return SwatchComesBefore(*a, *b); });
}

Result<void> ColorSwatchGroup::Resize(std::size_t count)
{
  const std::size_t old = _swatches.GetCount();
  RETURN_IF_ERROR(_swatches.Resize(count));
  for (std::size_t i = old; i < count; ++i)
  {
    ASSIGN_OR_RETURN(_swatches[i], NewSwatch({}));
  }
  return Ok();
}

Result<void> ColorSwatchGroup::ReadFrom(const BaseContainer& stored)
{
  SetName(stored.GetString(kName));
  _selected = stored.GetBool(kSelected, false);
  return ReadRecords(stored);
}

Result<void> ColorSwatchGroup::ReadRecords(const BaseContainer& stored)
{
  const BaseArray<std::uint8_t> records = BytesOf(stored, kRecords);
  if (records.GetCount() < kRecordSize)
    return Ok();
  const std::size_t count = records.GetCount() / kRecordSize;
  RETURN_IF_ERROR(Resize(count));
  for (std::size_t i = 0; i < count; ++i)
  {
    const std::uint8_t* r = records.GetData() + i * kRecordSize;
    *_swatches[i] = ColorSwatch{GetDouble(r), GetDouble(r + 8), GetDouble(r + 16), 1.0, r[24] != 0};
  }
  ReadAlphas(stored);
  return Ok();
}

void ColorSwatchGroup::ReadAlphas(const BaseContainer& stored)
{
  const BaseArray<std::uint8_t> alphas = BytesOf(stored, kAlphas);
  // Alphas of another length belong to another swatch list: keep 1.0.
  if (alphas.IsEmpty() || alphas.GetCount() / 8 != _swatches.GetCount())
    return;
  for (std::size_t i = 0; i < _swatches.GetCount(); ++i)
    _swatches[i]->alpha = GetDouble(alphas.GetData() + i * 8);
}

Result<void> ColorSwatchGroup::WriteTo(BaseContainer& target) const
{
  BaseArray<std::uint8_t> records;
  BaseArray<std::uint8_t> alphas;
  RETURN_IF_ERROR(records.Resize(_swatches.GetCount() * kRecordSize));
  RETURN_IF_ERROR(alphas.Resize(_swatches.GetCount() * 8));
  target.FlushAll();
  target.SetString(kName, _name);
  target.SetBool(kSelected, _selected);
  for (std::size_t i = 0; i < _swatches.GetCount(); ++i)
  {
    const ColorSwatch& s = *_swatches[i];
    std::uint8_t* r = records.GetData() + i * kRecordSize;
    PutDouble(r, s.red);
    PutDouble(r + 8, s.green);
    PutDouble(r + 16, s.blue);
    r[24] = s.selected ? 1 : 0;
    PutDouble(alphas.GetData() + i * 8, s.alpha);
  }
  GeData bytes;
  bytes.SetBytes(records.GetData(), records.GetCount());
  target.SetData(kRecords, bytes);
  bytes.SetBytes(alphas.GetData(), alphas.GetCount());
  target.SetData(kAlphas, bytes);
  return Ok();
}
