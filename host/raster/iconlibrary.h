#pragma once

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "raster/bitmap.h"
#include "raster/iconartwork.h"

namespace host {

// The host's icons by ID, drawn on first use and cached. Each bitmap is
// 32-bit with alpha, side x scale pixels for a logical side (22 for the
// chooser's mode buttons, 20 for toolbar buttons). "On" icons of toggles sit
// on an accent plate; "off" icons are greyed for a dark or a light background.
class IconLibrary {
 public:
  enum class Look {
    On,        // full colour, the icon's own look
    OffDark,   // inactive, for a dark background
    OffLight,  // inactive, for a light background
    Off,       // inactive, readable on either background
  };

  static IconLibrary& Shared();

  // Null for an unknown ID or a scale other than 1 or 2.
  std::shared_ptr<const Bitmap> Get(int id, int scale);
  bool Has(int id) const { return Table().count(id) != 0; }
  // Logical side of the icon, 0 for an unknown ID.
  int LogicalSize(int id) const;
  std::vector<int> Ids() const;
  // What the icon shows and in which look; false for an unknown ID.
  bool Describe(int id, IconSymbol& symbol, Look& look) const;

 private:
  struct Entry {
    IconSymbol symbol;
    Look look;
    int side;
    bool plate;
  };

  static const std::map<int, Entry>& Table();
  static std::shared_ptr<Bitmap> Render(const Entry& entry, int scale);
  static void Dim(Bitmap& bitmap, Look look);

  std::map<std::pair<int, int>, std::shared_ptr<const Bitmap>> cache_;
};

}  // namespace host
