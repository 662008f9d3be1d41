#include "presets/colornamecarry.h"

#include <algorithm>

#include "core/host.h"
#include "presets/stageditem.h"
#include "presets/swatchpalettes.h"

namespace host {

namespace {

// Exact: a swatch that went through a chooser unchanged keeps its doubles.
bool SameColor(const PaletteColor& a, const PaletteColor& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

}  // namespace

ColorNameCarry::Kept ColorNameCarry::Replacing(Host& host, const PresetLibrary& library, const PresetUrl& url,
                                               const PresetItem& next) {
  // A damaged item has none to give; the write sets it aside and says so.
  auto stored = library.Read(url, false);
  if (!stored || ColorNamesCodec::IsBlank(stored->color_names)) return Kept{};
  auto names = Across(host, url, stored.Value(), next);
  if (!names) return Kept{{}, "saved " + url.Text() + " without its colour names: " + names.Error()};
  return Kept{names.Value(), ""};
}

Outcome<ColorNames> ColorNameCarry::Across(Host& host, const PresetUrl& url, const PresetItem& stored,
                                           const PresetItem& next) {
  using R = Outcome<ColorNames>;
  auto palettes = SwatchPalettes::Find(host);
  if (!palettes) return R::Fail(palettes.Error());
  auto before = palettes->PresetColors(url.Text());
  if (!before) return R::Fail(before.Error());
  SwatchPalettes::Name(before.Value(), stored.color_names);
  // The module reads the new data by the URL the old item still has.
  StagedItem staged(url, next);
  auto now = palettes->PresetColors(url.Text());
  if (!now) return R::Fail(now.Error());
  return Match(before.Value(), now.Value());
}

ColorNames ColorNameCarry::Match(const Palette& before, const Palette& now) {
  ColorNames names;
  for (size_t g = 0; g < now.groups.size(); ++g) {
    names.push_back(g < before.groups.size() ? MatchGroup(before.groups[g], now.groups[g])
                                             : std::vector<std::string>(now.groups[g].colors.size()));
  }
  return names;
}

std::vector<std::string> ColorNameCarry::MatchGroup(const PaletteGroup& before, const PaletteGroup& now) {
  const auto& was = before.colors;
  const auto& is = now.colors;
  std::vector<std::string> names(is.size());
  std::vector<bool> given(was.size()), named(is.size());
  // In place first, so that of two swatches of one colour each keeps its own name.
  for (size_t i = 0; i < std::min(was.size(), is.size()); ++i) {
    if (!SameColor(was[i], is[i])) continue;
    names[i] = was[i].name;
    given[i] = named[i] = true;
  }
  for (size_t i = 0; i < is.size(); ++i) {
    for (size_t j = 0; j < was.size() && !named[i]; ++j) {
      if (given[j] || !SameColor(was[j], is[i])) continue;
      names[i] = was[j].name;
      given[j] = named[i] = true;
    }
  }
  return names;
}

}  // namespace host
