#pragma once
// The samples taken from the picture, in the strip's entry form: the
// position in picture pixels in the two links (-1 for a colour dropped on
// the strip, which has none), the colour (RGB) and the selection. There is always at least one sample once a picture is
// shown; the first is the main one.
#include <cstdint>
#include <vector>

#include "basecontainer.h"
#include "utils/colorlistentry.h"

class PictureSamples
{
public:
  static constexpr std::size_t kMaxSamples = 64;

  std::vector<ColorListEntry>& Entries() { return _entries; }
  const std::vector<ColorListEntry>& Entries() const { return _entries; }
  std::size_t Count() const { return _entries.size(); }
  bool IsFull() const { return _entries.size() >= kMaxSamples; }

  // The selected sample that counts as the chooser's colour: the one made
  // current while it stays selected, else the last selected one, else the
  // first; -1 without samples.
  std::int64_t Current() const;
  void MakeCurrent(std::size_t index) { _current = static_cast<std::int64_t>(index); }
  // A colour dropped on the strip has no place on the picture.
  static bool IsPlaced(const ColorListEntry& sample) { return sample.link1 >= 0 && sample.link2 >= 0; }
  // Adds a sample and makes it the only selected one; false when full.
  bool Add(std::int64_t x, std::int64_t y);
  void SelectOnly(std::size_t index);
  // Ctrl-click rule: selects an unselected sample; deselects a selected one
  // only while another stays selected.
  void ToggleSelection(std::size_t index);
  // Deletes the selected samples but never the last one left.
  bool DeleteSelected();
  // Keeps the main sample only.
  void ReduceToOne();
  // Starts over with one sample at (x, y).
  void Reset(std::int64_t x, std::int64_t y);

  // Stored as a count (0x3EC0012) and a container of positions and
  // selections (0x3EC0013).
  void Store(BaseContainer& state) const;
  void Read(const BaseContainer& state, std::int64_t width, std::int64_t height);

private:
  std::vector<ColorListEntry> _entries;
  std::int64_t _current = -1;
};
