#pragma once
// A group of gadgets laid out in a grid: a fixed number of columns filled row
// by row, or (columns 0) a fixed number of rows filled column by column.
// Spacing separates cells; the border space surrounds them; a title or a
// border draws a frame around the group.
#include <memory>
#include <string>
#include <vector>

#include "gui/widget.h"

namespace host {

struct Insets {
  int left = 0, top = 0, right = 0, bottom = 0;
  constexpr bool operator==(const Insets&) const = default;
};

// The grid the layout engine worked out at the last measure.
struct GridTracks {
  std::vector<int> columns;  // minimum widths
  std::vector<int> rows;     // minimum heights
  std::vector<bool> columnScales;
  std::vector<bool> rowScales;
  std::vector<Point> cells;  // per shown child: (column, row)
};

class Group : public Widget {
 public:
  static constexpr int kDefaultSpacing = 4;

  Group(int32_t id, int32_t flags, int columns, int rows);
  ~Group() override;

  Group* AsGroup() override { return this; }
  size_t ChildCount() const override { return children_.size(); }
  Widget* ChildAt(size_t i) const override { return children_[i].get(); }

  Widget& Add(std::unique_ptr<Widget> child);
  // Takes every child out (their widgets go to the caller).
  std::vector<std::unique_ptr<Widget>> TakeChildren();

  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  void SetGrid(int columns, int rows);
  Point Spacing() const { return spacing_; }
  void SetSpacing(int x, int y);
  const Insets& BorderSpace() const { return borderSpace_; }
  void SetBorderSpace(const Insets& space);
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title);
  bool HasBorder() const { return border_ || !title_.empty(); }
  void SetBorder(bool border);

  // Room the frame and title take on each side.
  Insets FrameInsets(const TextMeasure& measure) const;
  GridTracks& Tracks() { return tracks_; }

  void Paint(PaintContext& ctx) override;

 private:
  int columns_;
  int rows_;
  Point spacing_{kDefaultSpacing, kDefaultSpacing};
  Insets borderSpace_;
  std::string title_;
  bool border_ = false;
  std::vector<std::unique_ptr<Widget>> children_;
  GridTracks tracks_;
};

}  // namespace host
