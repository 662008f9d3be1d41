#include "keyreport.h"

#include "automation/entrykey.h"
#include "automation/transcriptjson.h"
#include "page/keycatalog.h"
#include "textwrap.h"

namespace host::cli {

using nlohmann::json;

namespace {

json EntryJson(const KeyEntry& e) {
  json values = json::array();
  for (const KeyValueMeaning& v : e.values) values.push_back({{"value", v.value}, {"meaning", v.meaning}});
  json j = {{"id", e.id}, {"kind", e.kind}, {"meaning", e.meaning}, {"values", values}};
  if (e.otherValues) j["other_values"] = e.otherValues;
  return j;
}

constexpr size_t kMeaningColumn = 22;

}  // namespace

json KeyReport::Gather(const Container& prefs) {
  json settings = json::array();
  for (const KeyEntry& e : KeyCatalog::Settings()) {
    json j = EntryJson(e);
    j["key"] = KeyCatalog::SettingName(e.id);
    settings.push_back(j);
  }
  json preferences = json::array();
  for (const KeyEntry& e : KeyCatalog::Preferences()) {
    json j = EntryJson(e);
    if (const Value* v = prefs.Find(e.id)) j["now"] = TranscriptJson::FromValue(*v);
    preferences.push_back(j);
  }
  json panels = json::object();
  for (int32_t owner = 0x3E8; !KeyCatalog::PanelOf(owner << 16).empty(); ++owner) {
    panels[EntryKey::Format(owner << 16).substr(0, 5) + "...."] = KeyCatalog::PanelOf(owner << 16);
  }
  return {{"settings_keys", settings}, {"world_preferences", preferences}, {"gadget_panels", panels}};
}

void KeyReport::PrintEntry(const json& e, const std::string& name, std::FILE* out) {
  char head[64];
  std::snprintf(head, sizeof head, "  %-8s %-10s ", name.c_str(), e["kind"].get<std::string>().c_str());
  std::fprintf(out, "%s%s\n", head,
               TextWrap::Lines(e["meaning"].get<std::string>(), kMeaningColumn, kMeaningColumn).c_str());
  std::string values;
  for (const auto& v : e["values"]) {
    values +=
        (values.empty() ? "" : ", ") + std::to_string(v["value"].get<int>()) + " " + v["meaning"].get<std::string>();
  }
  if (e.contains("other_values")) values += "; any other: " + e["other_values"].get<std::string>();
  if (!values.empty()) values = "values: " + values;
  if (e.contains("now")) values += (values.empty() ? "" : "\n") + ("now: " + e["now"].dump());
  if (values.empty()) return;
  std::fprintf(out, "%*s%s\n", int(kMeaningColumn), "",
               TextWrap::Lines(values, kMeaningColumn, kMeaningColumn).c_str());
}

void KeyReport::PrintText(const json& r, std::FILE* out) {
  std::fprintf(out,
               "\nsettings keys of a chooser's parameter (run: \"settings\" of an open step; render: --settings):\n");
  for (const auto& e : r["settings_keys"]) PrintEntry(e, e["key"].get<std::string>(), out);
  std::fprintf(out, "\nworld preferences the chooser reads (run: \"prefs\"; render: --prefs ID=V):\n");
  for (const auto& e : r["world_preferences"]) PrintEntry(e, std::to_string(e["id"].get<int>()), out);
  std::string panels = "gadget IDs: the upper half names the panel (run: a 'gadgets' step; render --list-gadgets):";
  for (const auto& [prefix, panel] : r["gadget_panels"].items())
    panels += " " + prefix + " " + panel.get<std::string>() + ",";
  panels.back() = '.';
  panels +=
      " An expanded chooser's mode buttons are one gadget, the strip 0x3E8000C, which reports the 0x3E9.... "
      "IDs of its buttons in its messages and the state.";
  std::fprintf(out, "\n%s\n", TextWrap::Lines(panels, 2, 0).c_str());
}

}  // namespace host::cli
