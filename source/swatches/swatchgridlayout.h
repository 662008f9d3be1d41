#pragma once
// Where everything of the swatches area lies: a title band per group, then
// its cells row by row with one spare cell (the add cell) after the last
// swatch, groups of the global collection first. Also what lies under a
// point and where a drop there would land. No host calls.
#include <cstdint>
#include <vector>

class iColorSwatchData;

class SwatchGridLayout
{
public:
  static constexpr std::int32_t kCollections = 2;

  struct Group
  {
    std::int32_t collection = 0;
    std::int32_t index = 0;  // within its collection
    std::int32_t count = 0;  // swatches
    std::int32_t top = 0;    // of the title band
    std::int32_t rows = 0;
  };

  enum class HitKind
  {
    None,
    Swatch,
    Title,
    AddCell
  };
  struct Hit
  {
    HitKind kind = HitKind::None;
    std::int32_t collection = -1;
    std::int32_t group = -1;
    std::int32_t swatch = -1;
    bool leftHalf = false;   // within the swatch's cell
    bool upperHalf = false;  // within the group
  };

  // Columns for a width: at least 1.
  static std::int32_t Columns(std::int32_t width, std::int32_t cellSize);
  // Rows of a group of count swatches, the add cell included.
  static std::int32_t Rows(std::int32_t count, std::int32_t columns);

  // Lays out the groups of data for a width.
  void Build(const iColorSwatchData& data, std::int32_t width, std::int32_t cellSize, std::int32_t titleHeight);

  std::int32_t GetColumns() const { return _columns; }
  std::int32_t GetCellSize() const { return _cell; }
  std::int32_t GetTitleHeight() const { return _title; }
  std::int32_t GetTotalRows() const { return _totalRows; }
  std::int32_t GetGroupCount() const { return static_cast<std::int32_t>(_groups.size()); }
  const std::vector<Group>& GetGroups() const { return _groups; }
  bool IsGlobalEmpty() const { return _globalEmpty; }
  // Where the groups end: the new-group cell goes here.
  std::int32_t GetBottom() const { return _bottom; }
  std::int32_t GetMinHeight() const;

  // Top left corner of swatch cell i of laid-out group g (an index into GetGroups()).
  void CellOrigin(const Group& g, std::int32_t i, std::int32_t& x, std::int32_t& y) const;
  std::int32_t CellsTop(const Group& g) const { return g.top + _title + 1; }
  std::int32_t GroupBottom(const Group& g) const { return CellsTop(g) + g.rows * (_cell + 1); }
  // The laid-out group, null when absent.
  const Group* Find(std::int32_t collection, std::int32_t group) const;

  Hit HitTest(std::int32_t x, std::int32_t y) const;

private:
  std::vector<Group> _groups;
  std::int32_t _columns = 1;
  std::int32_t _cell = 14;
  std::int32_t _title = 2;
  std::int32_t _totalRows = 0;
  std::int32_t _bottom = 0;
  bool _globalEmpty = true;
};
