#include "picture/picturesamples.h"

#include <algorithm>

namespace
{
constexpr std::int32_t kCount = 0x3EC0012;
constexpr std::int32_t kList = 0x3EC0013;
// Per sample in the list container: x, y and selected at 3i, 3i + 1, 3i + 2.
constexpr std::int32_t kFields = 3;
// The colours of samples without a place, from this ID on.
constexpr std::int32_t kColours = 10000;
}  // namespace

std::int64_t PictureSamples::Current() const
{
  if (_current >= 0 && static_cast<std::size_t>(_current) < _entries.size() &&
      _entries[static_cast<std::size_t>(_current)].selected)
    return _current;
  for (std::size_t i = _entries.size(); i-- > 0;)
  {
    if (_entries[i].selected)
      return static_cast<std::int64_t>(i);
  }
  return _entries.empty() ? -1 : 0;
}

bool PictureSamples::Add(std::int64_t x, std::int64_t y)
{
  if (IsFull())
    return false;
  ColorListEntry entry;
  entry.link1 = x;
  entry.link2 = y;
  _entries.push_back(entry);
  SelectOnly(_entries.size() - 1);
  return true;
}

void PictureSamples::SelectOnly(std::size_t index)
{
  _current = static_cast<std::int64_t>(index);
  for (std::size_t i = 0; i < _entries.size(); ++i)
    _entries[i].selected = i == index;
}

void PictureSamples::ToggleSelection(std::size_t index)
{
  if (index >= _entries.size())
    return;
  if (!_entries[index].selected)
  {
    _entries[index].selected = true;
    _current = static_cast<std::int64_t>(index);
    return;
  }
  const auto selected = std::count_if(_entries.begin(), _entries.end(), [](const auto& e) { return e.selected; });
  if (selected > 1)
    _entries[index].selected = false;
}

bool PictureSamples::DeleteSelected()
{
  const std::size_t before = _entries.size();
  std::vector<ColorListEntry> kept;
  for (const ColorListEntry& entry : _entries)
  {
    if (!entry.selected)
      kept.push_back(entry);
  }
  if (kept.empty() && !_entries.empty())
    kept.push_back(_entries.front());
  _entries = std::move(kept);
  if (!_entries.empty())
    SelectOnly(_entries.size() - 1);
  return _entries.size() != before;
}

void PictureSamples::ReduceToOne()
{
  if (_entries.size() > 1)
    _entries.resize(1);
  if (!_entries.empty())
    _entries[0].selected = true;
}

void PictureSamples::Reset(std::int64_t x, std::int64_t y)
{
  _entries.clear();
  Add(x, y);
}

void PictureSamples::Store(BaseContainer& state) const
{
  state.SetInt32(kCount, static_cast<std::int32_t>(_entries.size()));
  BaseContainer list;
  for (std::size_t i = 0; i < _entries.size(); ++i)
  {
    const auto at = static_cast<std::int32_t>(i) * kFields;
    list.SetInt64(at, _entries[i].link1);
    list.SetInt64(at + 1, _entries[i].link2);
    list.SetBool(at + 2, _entries[i].selected);
    if (!IsPlaced(_entries[i]))
      list.SetVector(kColours + static_cast<std::int32_t>(i), _entries[i].color);
  }
  state.SetContainer(kList, list);
}

void PictureSamples::Read(const BaseContainer& state, std::int64_t width, std::int64_t height)
{
  _entries.clear();
  const std::int32_t count = std::clamp(state.GetInt32(kCount, 0), 0, static_cast<std::int32_t>(kMaxSamples));
  const BaseContainer list = state.GetContainer(kList);
  for (std::int32_t i = 0; i < count; ++i)
  {
    ColorListEntry entry;
    entry.selected = list.GetBool(i * kFields + 2, false);
    if (list.GetInt64(i * kFields, 0) < 0 || list.GetInt64(i * kFields + 1, 0) < 0)
    {
      entry.color = list.GetVector(kColours + i).Clamp01();
      _entries.push_back(entry);
      continue;
    }
    entry.link1 =
        std::clamp<std::int64_t>(list.GetInt64(i * kFields, width / 2), 0, std::max<std::int64_t>(width - 1, 0));
    entry.link2 =
        std::clamp<std::int64_t>(list.GetInt64(i * kFields + 1, height / 2), 0, std::max<std::int64_t>(height - 1, 0));
    _entries.push_back(entry);
  }
  if (_entries.empty())
    Reset(width / 2, height / 2);
}
