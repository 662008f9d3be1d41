#pragma once
// The preset browser's grid: a thumbnail a cell with the preset's name under
// it, in a fixed number of columns so that a scroll group around it scrolls
// only up and down. Thumbnails are asked for while painting, so only the
// cells in view cost a read from the library.
#include <functional>
#include <string>
#include <vector>

#include "gui/itemview.h"
#include "raster/bitmap.h"

namespace host {

class PresetGrid : public ItemView {
 public:
  static constexpr int kColumns = 5;
  static constexpr int kThumbnail = 96;  // logical pixels a side
  static constexpr int kCellWidth = 124;
  static constexpr int kCellHeight = 138;
  static constexpr int kPadding = 6;

  // The thumbnail of cell index at pixels a side, or null while there is none.
  using ThumbnailSource = std::function<const Bitmap*(size_t index, int pixels)>;

  // Cells are selected and activated as an ItemView's items; the arrows
  // move through rows and columns.
  PresetGrid(int32_t id, int32_t flags, int32_t activateId, ThumbnailSource thumbnails);

  // Keeps the selection on the same name when it is still there.
  void SetNames(std::vector<std::string> names, std::string emptyText);
  size_t Count() const override { return names_.size(); }

  // Where cell index draws its thumbnail, in layer coordinates.
  Rect ThumbnailRect(size_t index) const;

  Size NaturalSize(const TextMeasure&) override;
  void Paint(PaintContext& ctx) override;
  CursorInfo Cursor(Point global) override;

 protected:
  int ItemAt(Point local) const override;
  std::optional<int> Step(int32_t key, int selected) const override;
  void Reveal(size_t index) override;

 private:
  Rect CellRect(size_t index) const;
  void PaintCell(PaintContext& ctx, size_t index, const Rect& cell);

  ThumbnailSource thumbnails_;
  std::vector<std::string> names_;
  std::string emptyText_;
};

}  // namespace host
