#include "swatches/swatchgridlayout.h"

#include <algorithm>

#include "swatches/icolorswatchdata.h"

namespace
{
constexpr std::int32_t kEmptyGlobalExtra = 3;
}  // namespace

std::int32_t SwatchGridLayout::Columns(std::int32_t width, std::int32_t cellSize)
{
  if (width < 2)
    return 1;
  return std::max(1, (width - 1) / (cellSize + 1));
}

std::int32_t SwatchGridLayout::Rows(std::int32_t count, std::int32_t columns)
{
  const std::int32_t cells = std::max(0, count) + 1;
  return (cells + columns - 1) / std::max(1, columns);
}

void SwatchGridLayout::Build(const iColorSwatchData& data, std::int32_t width, std::int32_t cellSize,
                             std::int32_t titleHeight)
{
  _columns = Columns(width, cellSize);
  _cell = cellSize;
  _title = titleHeight;
  _groups.clear();
  _totalRows = 0;
  std::int32_t y = 0;
  for (std::int32_t c = 0; c < kCollections; ++c)
  {
    const ColorSwatchCollection* collection = data.GetCollection(c);
    const std::int32_t count = collection ? collection->GetCount() : 0;
    if (c == iColorSwatchData::kGlobal)
      _globalEmpty = count == 0;
    for (std::int32_t g = 0; g < count; ++g)
    {
      Group group;
      group.collection = c;
      group.index = g;
      group.count = collection->GetGroup(g)->GetCount();
      group.top = y;
      group.rows = Rows(group.count, _columns);
      _totalRows += group.rows;
      y = GroupBottom(group);
      _groups.push_back(group);
    }
  }
  if (_globalEmpty)
    ++_totalRows;
  _bottom = y;
}

std::int32_t SwatchGridLayout::GetMinHeight() const
{
  return (_cell + 1) * _totalRows + (_title + 1) * GetGroupCount() + (_globalEmpty ? kEmptyGlobalExtra : 0) + _cell + 2;
}

void SwatchGridLayout::CellOrigin(const Group& g, std::int32_t i, std::int32_t& x, std::int32_t& y) const
{
  x = 1 + i % _columns * (_cell + 1);
  y = CellsTop(g) + i / _columns * (_cell + 1);
}

const SwatchGridLayout::Group* SwatchGridLayout::Find(std::int32_t collection, std::int32_t group) const
{
  for (const Group& g : _groups)
    if (g.collection == collection && g.index == group)
      return &g;
  return nullptr;
}

SwatchGridLayout::Hit SwatchGridLayout::HitTest(std::int32_t x, std::int32_t y) const
{
  Hit hit;
  const auto found =
      std::find_if(_groups.begin(), _groups.end(), [&](const Group& g) { return y >= g.top && y < GroupBottom(g); });
  if (found == _groups.end())
    return hit;
  const Group& g = *found;
  hit.collection = g.collection;
  hit.group = g.index;
  hit.upperHalf = y < (g.top + GroupBottom(g)) / 2;
  if (y < CellsTop(g))
  {
    hit.kind = HitKind::Title;
    return hit;
  }
  const std::int32_t pitch = _cell + 1;
  const std::int32_t column = (x - 1) / pitch;
  if (x < 1 || column >= _columns)
    return hit;
  const std::int32_t i = (y - CellsTop(g)) / pitch * _columns + column;
  hit.leftHalf = (x - 1) % pitch <= pitch / 2;
  if (i < g.count)
  {
    hit.kind = HitKind::Swatch;
    hit.swatch = i;
  }
  else if (i == g.count)
  {
    hit.kind = HitKind::AddCell;
    hit.swatch = i;
  }
  return hit;
}
