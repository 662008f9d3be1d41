#pragma once
// Choosers in swatches mode on the host's page, with what the swatch data
// holds read back through the published swatch libraries, as another module
// would read it. Group names are off unless a test turns them on, so the
// first group's cells start three pixels down.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "chooserpagetest.h"
#include "core/host.h"
#include "gxa_api.h"

namespace swatchtest {
using namespace choosertest;

constexpr std::int32_t kArea = 0x3F10005;
constexpr std::int32_t kNewGroupButton = 0x3F10003;
constexpr std::int32_t kDeleteButton = 0x3F10004;
constexpr std::int32_t kLoadButton = 0x3F10006;
constexpr std::int32_t kSaveButton = 0x3F10007;
constexpr std::int32_t kPrefNames = 1117;
constexpr std::int32_t kPrefCellSize = 1118;
constexpr std::int32_t kPrefGlobalSwatches = 1127;
constexpr std::int32_t kCell = 14;
constexpr std::int32_t kCellsTop = 3;

struct Swatch {
  std::array<double, 4> rgba{};
  bool selected = false;
};
struct Group {
  std::string name;
  bool selected = false;
  std::vector<Swatch> swatches;
};
// Collection 0 (global) and 1 (document).
using Collections = std::array<std::vector<Group>, 2>;

inline Pixel Rgb(const Swatch& s) { return Of(s.rgba[0], s.rgba[1], s.rgba[2]); }

// What the swatch data of the preferences and the active document holds,
// read as another module would.
inline Collections StoredSwatches(host::AutomationHost& automation) {
  Collections out;
  host::Host& h = automation.GetHost();
  const auto* data = static_cast<const GxaSwatchDataTable*>(
      h.Registrations().FindLibrary(GXA_LIB_SWATCHDATA, 1000, sizeof(GxaSwatchDataTable)));
  const auto* group = static_cast<const GxaSwatchGroupTable*>(
      h.Registrations().FindLibrary(GXA_LIB_SWATCHGROUP, 1000, sizeof(GxaSwatchGroupTable)));
  EXPECT_TRUE(data && group);
  if (!data || !group) return out;
  GxaSwatchData* loaded = data->load(reinterpret_cast<GxaDocument*>(h.ActiveDocument()), true);
  for (int c = 0; c < 2; ++c)
    for (int g = 0; g < data->group_count(loaded, c); ++g) {
      const GxaSwatchGroup* stored = data->group_at(loaded, g, c);
      Group read;
      std::string name(size_t(group->get_name(stored, nullptr, 0)) + 1, '\0');
      group->get_name(stored, name.data(), name.size());
      name.pop_back();
      read.name = name;
      read.selected = group->is_group_selected(stored);
      for (int i = 0; i < group->color_count(stored); ++i) {
        Swatch s;
        group->get_color(stored, i, s.rgba.data(), &s.selected);
        read.swatches.push_back(s);
      }
      out[c].push_back(read);
    }
  data->free(&loaded);
  return out;
}

class SwatchesModeTest : public ChooserPageTest {
 protected:
  // Swatches mode alone, names off; more preferences on top.
  void StartSwatches(const host::Container& extra = host::Container(), int scale = 1, int width = 0) {
    host::Container prefs = Modes({kPrefSwatches});
    prefs.SetBool(kPrefNames, false);
    prefs.Merge(extra);
    Start(prefs, width, scale);
  }
  void OpenChooser(const std::string& key) { Open(key, Settings(0, kNoBrightness), Plain(0.5, 0.5, 0.5)); }

  // What the swatch data of the preferences and the active document holds.
  Collections Stored() { return StoredSwatches(Host()); }

  // Columns of the area as the chooser laid it out.
  int Columns() { return std::max(1, (Gadget("a", kArea).Frame().w - 1) / (kCell + 1)); }
  // Local centre and top left corner of cell i of the first group.
  host::Point CellCentre(int i, int columns) { return {1 + i % columns * 15 + 7, kCellsTop + i / columns * 15 + 7}; }
  host::Point CellCorner(int i, int columns) { return {1 + i % columns * 15, kCellsTop + i / columns * 15}; }

  std::vector<int> SelectedIn(const Group& g) {
    std::vector<int> selected;
    for (size_t i = 0; i < g.swatches.size(); ++i)
      if (g.swatches[i].selected) selected.push_back(int(i));
    return selected;
  }

  // The module's diagnostic lines that contain text.
  int DiagnosticsWith(const std::string& text) {
    int n = 0;
    for (const host::DiagnosticLine& line : Host().GetHost().Diag().ModuleLines())
      if (host::Diagnostics::Format(line).find(text) != std::string::npos) ++n;
    return n;
  }
};
}  // namespace swatchtest
