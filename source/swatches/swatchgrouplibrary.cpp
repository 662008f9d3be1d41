#include "swatches/swatchgrouplibrary.h"

#include <cstring>

#include "entryguard.h"
#include "hosttext.h"

namespace
{
std::span<const SwatchColor> ColorsOf(const double* rgba, std::int32_t count)
{
  if (!rgba || count <= 0)
    return {};
  return {reinterpret_cast<const SwatchColor*>(rgba), static_cast<std::size_t>(count)};
}

SwatchColor ColorOf(const double rgba[4])
{
  return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

GxaSwatchGroup* Alloc(const char* name, bool selected, const double* rgba, std::int32_t count)
{
  return GuardEntry("ColorSwatchGroup::Alloc()", static_cast<GxaSwatchGroup*>(nullptr), [&]() -> GxaSwatchGroup* {
    auto group = std::make_unique<ColorSwatchGroup>();
    group->SetName(String(name));
    const auto colors = ColorsOf(rgba, count);
    if (!colors.empty() && group->AddColors(colors, selected, false, 0).IsError())
      return nullptr;
    group->SelectGroup(selected);
    return ToHandle(group.release());
  });
}

void Free(GxaSwatchGroup** group)
{
  if (!group)
    return;
  delete FromHandle(*group);
  *group = nullptr;
}

bool Append(GxaSwatchGroup* group, const GxaSwatchGroup* other)
{
  return group && other && FromHandle(group)->Append(*FromHandle(other)).IsOk();
}

bool Copy(GxaSwatchGroup* group, const GxaSwatchGroup* other)
{
  return group && other && FromHandle(group)->CopyFrom(*FromHandle(other)).IsOk();
}

std::int64_t GetName(const GxaSwatchGroup* group, char* buf, std::size_t cap)
{
  if (!group)
    return -1;
  return WriteHostText(FromHandle(group)->GetName(), buf, cap);
}

bool SetName(GxaSwatchGroup* group, const char* name)
{
  if (!group)
    return false;
  return GuardEntry("ColorSwatchGroup::SetName()", false, [&] {
    FromHandle(group)->SetName(String(name));
    return true;
  });
}

std::int32_t ColorCount(const GxaSwatchGroup* group)
{
  return group ? FromHandle(group)->GetCount() : 0;
}

bool GetColor(const GxaSwatchGroup* group, std::int32_t index, double rgba[4], bool* selected)
{
  const ColorSwatch* s = group ? FromHandle(group)->GetSwatch(index) : nullptr;
  if (!s)
    return false;
  if (rgba)
  {
    rgba[0] = s->red;
    rgba[1] = s->green;
    rgba[2] = s->blue;
    rgba[3] = s->alpha;
  }
  if (selected)
    *selected = s->selected;
  return true;
}

GxaSwatchRecord* GetColorEdit(GxaSwatchGroup* group, std::int32_t index, bool* selected)
{
  ColorSwatch* s = group ? FromHandle(group)->GetSwatch(index) : nullptr;
  if (s && selected)
    *selected = s->selected;
  return reinterpret_cast<GxaSwatchRecord*>(s);
}

std::int32_t GetColors(const GxaSwatchGroup* group, double* rgba, std::int32_t cap, bool selectedOnly)
{
  if (!group)
    return 0;
  return GuardEntry("ColorSwatchGroup::GetColors()", std::int32_t{0}, [&] {
    Result<BaseArray<SwatchColor>> colors = FromHandle(group)->GetColors(selectedOnly);
    if (colors.IsError())
      return std::int32_t{0};
    const auto& list = colors.GetValue();
    const std::size_t n = rgba && cap > 0 ? std::min<std::size_t>(static_cast<std::size_t>(cap), list.GetCount()) : 0;
    if (n > 0)
      std::memcpy(rgba, list.GetData(), n * sizeof(SwatchColor));
    return static_cast<std::int32_t>(list.GetCount());
  });
}

bool SetColor(GxaSwatchGroup* group, std::int32_t index, const double rgba[4], std::int32_t selection)
{
  return group && rgba && FromHandle(group)->SetColor(index, ColorOf(rgba), selection);
}

std::int32_t AddColor(GxaSwatchGroup* group, const double rgba[4], bool selected, std::int32_t index)
{
  if (!group || !rgba)
    return -1;
  return FromHandle(group)->AddColor(ColorOf(rgba), selected, index).ValueOr(-1);
}

std::int32_t AddColors(GxaSwatchGroup* group, const double* rgba, std::int32_t count, bool selected, bool insert,
                       std::int32_t index)
{
  if (!group)
    return -1;
  return FromHandle(group)->AddColors(ColorsOf(rgba, count), selected, insert, index).ValueOr(-1);
}

void Reset(GxaSwatchGroup* group)
{
  if (group)
    FromHandle(group)->Reset();
}

bool RemoveColors(GxaSwatchGroup* group, std::int32_t start, std::int32_t count)
{
  return group && FromHandle(group)->RemoveColors(start, count);
}

bool RemoveSelectedColors(GxaSwatchGroup* group)
{
  return group && FromHandle(group)->RemoveSelectedColors();
}

bool HasDuplicates(const GxaSwatchGroup* group)
{
  return group && FromHandle(group)->HasDuplicates();
}

bool RemoveDuplicates(GxaSwatchGroup* group)
{
  return group && FromHandle(group)->RemoveDuplicates();
}

void InvertSelection(GxaSwatchGroup* group)
{
  if (group)
    FromHandle(group)->InvertSelection();
}

bool SetColorSelected(GxaSwatchGroup* group, std::int32_t index, bool value)
{
  return group && FromHandle(group)->SetColorSelected(index, value);
}

bool IsColorSelected(const GxaSwatchGroup* group, std::int32_t index)
{
  return group && FromHandle(group)->IsColorSelected(index);
}

void SelectGroup(GxaSwatchGroup* group, bool value)
{
  if (group)
    FromHandle(group)->SelectGroup(value);
}

bool IsGroupSelected(const GxaSwatchGroup* group)
{
  return group && FromHandle(group)->IsSelected();
}

void SortColors(GxaSwatchGroup* group)
{
  if (group)
    FromHandle(group)->SortColors();
}
}  // namespace

void FillSwatchGroupTable(GxaSwatchGroupTable& t)
{
  t.alloc = Alloc;
  t.free = Free;
  t.append = Append;
  t.copy = Copy;
  t.get_name = GetName;
  t.set_name = SetName;
  t.color_count = ColorCount;
  t.get_color = GetColor;
  t.get_color_edit = GetColorEdit;
  t.get_colors = GetColors;
  t.set_color = SetColor;
  t.add_color = AddColor;
  t.add_colors = AddColors;
  t.reset = Reset;
  t.remove_colors = RemoveColors;
  t.remove_selected_colors = RemoveSelectedColors;
  t.has_duplicates = HasDuplicates;
  t.remove_duplicates = RemoveDuplicates;
  t.invert_selection = InvertSelection;
  t.set_color_selected = SetColorSelected;
  t.is_color_selected = IsColorSelected;
  t.select_group = SelectGroup;
  t.is_group_selected = IsGroupSelected;
  t.sort_colors = SortColors;
}
