#pragma once
// The gadgets of a chooser as a script names them: every gadget with an ID
// in the chooser and in its panels, in layout order, with its kind, the
// panel its ID belongs to, its frame (logical pixels from the chooser's top
// left corner) and its text.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "automation/transcriptjson.h"
#include "gui/guitypes.h"

namespace host {

class Dialog;

struct GadgetEntry {
  int32_t id = 0;
  std::string kind;
  std::string panel;
  Rect frame;
  std::optional<std::string> text;
  bool shown = true;
};

class GadgetList {
 public:
  static std::vector<GadgetEntry> Of(Dialog& chooser);
  // Up to count gadgets (not groups) whose IDs lie closest to id, those of
  // the same panel first.
  static std::vector<GadgetEntry> Nearest(const std::vector<GadgetEntry>& list, int32_t id, size_t count);
  // {"gadget": "0x3E80002", "kind": ..., "panel": ..., "frame": [x, y, w, h], "text": ...}
  static OrderedJson Json(const GadgetEntry& e);
  // One line: "0x3E80002  UserAreaWidget  chooser  [0, 0, 80, 40]  text".
  static std::string Line(const GadgetEntry& e);
};

}  // namespace host
