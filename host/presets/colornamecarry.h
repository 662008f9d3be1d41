#pragma once
// The colour names of a swatch preset that the module stores again (a
// chooser's Save Preset over the same name): its data has no room for them,
// so the host carries them over from the item it replaces. A swatch that is
// still the same colour in the same group (groups by position) keeps its
// name; a changed or new one has none, and the names of swatches that are
// gone go with them.
#include <string>
#include <vector>

#include "core/outcome.h"
#include "presets/colornamescodec.h"
#include "presets/palette.h"
#include "presets/presetitem.h"
#include "presets/presetlibrary.h"
#include "presets/preseturl.h"

namespace host {

class Host;

class ColorNameCarry {
 public:
  struct Kept {
    ColorNames names;
    std::string notice;  // for the user when names could not be kept; empty when all went well
  };

  // The names of the item at url that next, about to replace it, keeps;
  // none from a damaged item.
  static Kept Replacing(Host& host, const PresetLibrary& library, const PresetUrl& url, const PresetItem& next);

  // For each colour of now, the name of the same colour in the same group
  // of before: first where it kept its place, then for moved ones in order,
  // each colour of before giving its name once.
  static ColorNames Match(const Palette& before, const Palette& now);

 private:
  // Both items' colours as the module reads them.
  static Outcome<ColorNames> Across(Host& host, const PresetUrl& url, const PresetItem& stored, const PresetItem& next);
  static std::vector<std::string> MatchGroup(const PaletteGroup& before, const PaletteGroup& now);
};

}  // namespace host
