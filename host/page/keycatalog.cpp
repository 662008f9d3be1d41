#include "page/keycatalog.h"

#include "core/container.h"
#include "core/fourcc.h"
#include "core/value.h"

namespace host {

namespace {

std::vector<KeyEntry> BuildSettings() {
  return {
      {FourCC("cfld"), "int32",
       "chooser flags: the description flags of the parameter, a sum of the bits listed with the custom GUI plug-in "
       "(in a scenario also a list of their names)"},
      {FourCC("retT"),
       "int32",
       "context kind: what the parameter holds",
       {{0, "a plain colour (with alpha when acol is 1)"},
        {1, "a compact colour field"},
        {2, "a colour with brightness"}},
       "a colour field and picker only, no modes"},
      {FourCC("acol"),
       "int32",
       "alpha (context kind 0 only)",
       {{0, "no alpha"}, {1, "the colour carries alpha"}},
       "no alpha"},
      {FourCC("iccc"),
       "int32",
       "colour-profile mode (context kind 0 only): the profile the colours are in",
       {{0, "shown as they are"}, {8, "the document's colour management"}, {16, "the paint texture's profile"}}},
      {FourCC("posw"), "int32", "colour field width in pixels (context kind 1 or other, without brightness row)"},
      {FourCC("posh"), "int32", "colour field height in pixels (as posw)"},
      {FourCC("algn"), "int32", "layout flags of the colour field (context kind 1)"},
      {FourCC("laym"),
       "int32",
       "layout mode",
       {{0, "collapsed: colour field and picker"},
        {1, "collapsed, switchable"},
        {2, "expanded: mode buttons and panels"}},
       "stored as 0"},
      {FourCC("defh"), "int32", "default height (default 10)"},
      {FourCC("ngpu"), "bool",
       "no parent query: linear colour is taken from the stored state, the parent is not asked"},
      {FourCC("nols"), "bool", "no linear detection"},
      {FourCC("slda"), "container", "stored layout state: the chooser's state container (what a 'state' step prints)"},
  };
}

std::vector<KeyEntry> BuildPreferences() {
  const std::vector<KeyValueMeaning> sizes{{0, "small"}, {1, "medium"}, {2, "large"}};
  return {
      {1086, "colour profile", "display profile the colours are shown on; empty for sRGB"},
      {1102,
       "int32",
       "colour unit of the number fields",
       {{0, "percent"}, {1, "8-bit (0 to 255)"}, {2, "16-bit (0 to 65535)"}},
       "8-bit"},
      {1110, "bool", "a new chooser shows the RGB sliders"},
      {1111, "bool", "a new chooser shows the hex field"},
      {1112, "bool", "pure gradients: the red slider runs from black to pure red whatever green and blue are"},
      {1113, "bool", "a new chooser shows the HSV sliders (also when no mode is chosen at all)"},
      {1114, "bool", "a new chooser shows colour temperature (Kelvin)"},
      {1115, "bool", "a new chooser shows the mixer"},
      {1116, "bool", "a new chooser shows the swatches"},
      {1117, "bool", "swatch group names are shown"},
      {1118,
       "int32",
       "swatch size",
       {{0, "small (14 pixels)"}, {1, "medium (21 pixels)"}, {2, "large (28 pixels)"}},
       "small"},
      {1119,
       "int32",
       "the picture area of a new chooser",
       {{0, "none"}, {1, "colour wheel"}, {2, "spectrum"}, {3, "picture"}}},
      {1120, "int32", "wheel size", {{0, "140 pixels"}, {1, "215 pixels"}, {2, "290 pixels"}}, "215 pixels"},
      {1122, "int32", "spectrum size", {{0, "130 pixels"}, {1, "210 pixels"}, {2, "290 pixels"}}},
      {1124, "bool", "a new chooser shows the compact form"},
      {1127, "container", "the global swatch collection"},
      {1129, "bool", "a new chooser starts with the modes last used in this process"},
      {1133, "bool", "a new chooser with alpha shows the alpha slider"},
      {1134, "int32", "interface theme", {{0, "light"}, {1, "dark"}}},
      {1139, "bool", "linear display: the number fields of a linear colour show linear values"},
      {1039500, "bool",
       "perceptual colour tools: the mode strip gains an OKLCh button for the OKLCh panel (state entry "
       "0x3E9000E), the wheel's menu a Perceptual (OKLCh) scheme, the picture strip's menu the picture's "
       "palette, the screen picker a loupe on X11, the colour field's tooltip names the colour and measures its "
       "contrast with the colour the chooser opened with, the mixer the contrast of its ends, the menus of the "
       "swatches, colour strips and wheel a Color Vision submenu, and a swatch exported to a palette without a "
       "name of its own is given the nearest CSS colour name; off, a chooser shows and stores what it does "
       "without the preference"},
      {1039510,
       "int32",
       "the text a copied colour puts on the system clipboard, read by the host only",
       {{0, "#RRGGBB"}, {1, "rgb(R, G, B)"}, {2, "hsl(H, S%, L%)"}, {3, "three numbers from 0 to 1"}},
       "#RRGGBB"},
      {1035669, "container",
       "a chooser's state kept while the host's colour dialog is open (chooser flag bit 0x1000000 reads it)"},
  };
}

std::string Check(const KeyEntry& entry, const std::string& name, const Value& value) {
  const std::string kind = entry.kind;
  if (kind == "bool") {
    if (!value.AsBool()) return name + " expects true or false";
    return {};
  }
  if (kind != "int32") return {};
  if (!value.AsInt32()) return name + " expects a whole number";
  if (entry.values.empty()) return {};
  const int32_t v = *value.AsInt32();
  for (const KeyValueMeaning& m : entry.values) {
    if (m.value == v) return {};
  }
  std::string known;
  for (const KeyValueMeaning& m : entry.values) known += (known.empty() ? "" : ", ") + std::to_string(m.value);
  return name + " is " + std::to_string(v) + ", none of " + known +
         (entry.otherValues ? "; the chooser takes it as any other value: " + std::string(entry.otherValues) : "");
}

}  // namespace

const std::vector<KeyEntry>& KeyCatalog::Settings() {
  static const std::vector<KeyEntry> entries = BuildSettings();
  return entries;
}

const std::vector<KeyEntry>& KeyCatalog::Preferences() {
  static const std::vector<KeyEntry> entries = BuildPreferences();
  return entries;
}

const std::vector<LibraryName>& KeyCatalog::Libraries() {
  static const std::vector<LibraryName> libraries{
      {1000492, "chooser", "the chooser custom GUI's table: a chooser's value, set and read by the host"},
      {1036596, "colortools", "colour conversions and harmony generators (gxa-host call colortools)"},
      {1036600, "swatchdata", "the swatch collections of the preferences and the document"},
      {1036601, "swatchgroup", "one swatch group"},
  };
  return libraries;
}

const KeyEntry* KeyCatalog::FindSetting(int32_t id) {
  for (const KeyEntry& e : Settings()) {
    if (e.id == id) return &e;
  }
  return nullptr;
}

const KeyEntry* KeyCatalog::FindPreference(int32_t id) {
  for (const KeyEntry& e : Preferences()) {
    if (e.id == id) return &e;
  }
  return nullptr;
}

const LibraryName* KeyCatalog::FindLibrary(int32_t id) {
  for (const LibraryName& l : Libraries()) {
    if (l.id == id) return &l;
  }
  return nullptr;
}

std::string KeyCatalog::PanelOf(int32_t gadgetId) {
  static const char* const kPanels[] = {"chooser", "mode buttons", "wheel",    "spectrum", "picture", "RGB", "HSV",
                                        "mixer",   "Kelvin",       "swatches", "compact",  "alpha",   "hex", "OKLCh"};
  constexpr int32_t kFirst = 0x3E8;
  const int32_t owner = static_cast<int32_t>(static_cast<uint32_t>(gadgetId) >> 16);
  const int32_t index = owner - kFirst;
  if (index < 0 || index >= static_cast<int32_t>(std::size(kPanels))) return {};
  return kPanels[index];
}

std::string KeyCatalog::SettingName(int32_t id) {
  const std::string code = FourCCText(id);
  return code[0] == '\'' ? code.substr(1, 4) : std::to_string(id);
}

std::string KeyCatalog::ValuesText(const KeyEntry& entry) {
  std::string out;
  for (const KeyValueMeaning& m : entry.values) {
    out += (out.empty() ? "" : ", ") + std::to_string(m.value) + " " + m.meaning;
  }
  if (entry.otherValues && !out.empty()) out += "; other: " + std::string(entry.otherValues);
  return out;
}

std::string KeyCatalog::CheckSetting(int32_t id, const Value& value) {
  const KeyEntry* entry = FindSetting(id);
  if (!entry) return "setting '" + SettingName(id) + "' is not one the chooser reads ('gxa-host info' lists them)";
  return Check(*entry, "setting '" + SettingName(id) + "'", value);
}

std::string KeyCatalog::CheckPreference(int32_t id, const Value& value) {
  const KeyEntry* entry = FindPreference(id);
  if (!entry) return "preference " + std::to_string(id) + " is not one the chooser reads ('gxa-host info' lists them)";
  return Check(*entry, "preference " + std::to_string(id), value);
}

std::vector<std::string> KeyCatalog::CheckSettings(const Container& settings) {
  std::vector<std::string> out;
  for (const auto& e : settings.Entries()) {
    if (std::string problem = CheckSetting(e.id, e.value); !problem.empty()) out.push_back(problem);
  }
  return out;
}

std::vector<std::string> KeyCatalog::CheckPreferences(const Container& prefs) {
  std::vector<std::string> out;
  for (const auto& e : prefs.Entries()) {
    if (std::string problem = CheckPreference(e.id, e.value); !problem.empty()) out.push_back(problem);
  }
  return out;
}

}  // namespace host
