#pragma once
// The file dialog's list: one row an entry, folders first, in bold and
// marked with a trailing slash; selected and activated as an ItemView.
#include <string>
#include <vector>

#include "gui/folderlisting.h"
#include "gui/itemview.h"

namespace host {

class FileList : public ItemView {
 public:
  static constexpr int kRowHeight = 20;
  static constexpr int kRows = 12;  // shown at least
  static constexpr int kWidth = 440;

  FileList(int32_t id, int32_t flags, int32_t activateId) : ItemView(id, flags, activateId) {}

  // Nothing is selected afterwards; emptyText shows when there are no entries.
  void SetEntries(std::vector<FolderEntry> entries, std::string emptyText);
  const std::vector<FolderEntry>& Entries() const { return entries_; }
  size_t Count() const override { return entries_.size(); }
  // Where row index is, in layer coordinates.
  Rect RowRect(size_t index) const;

  Size NaturalSize(const TextMeasure&) override;
  void Paint(PaintContext& ctx) override;

 protected:
  int ItemAt(Point local) const override;
  void Reveal(size_t index) override;

 private:
  std::vector<FolderEntry> entries_;
  std::string emptyText_;
};

}  // namespace host
