#include "inforeport.h"

#include "core/fourcc.h"
#include "core/jsonexport.h"
#include "core/jsontext.h"
#include "keyreport.h"
#include "page/keycatalog.h"

namespace host::cli {

using nlohmann::json;

namespace {

std::string Hex(int32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%x", static_cast<unsigned>(v));
  return buf;
}

std::string Join(const json& list, const char* sep) {
  std::string out;
  for (const auto& item : list) {
    if (!out.empty()) out += sep;
    out += item.is_string() ? item.get<std::string>() : JsonText::Dump(item);
  }
  return out;
}

const char* KindName(DiagnosticLine::Kind kind) {
  switch (kind) {
    case DiagnosticLine::Kind::kLine: return "line";
    case DiagnosticLine::Kind::kAssert: return "assert";
    case DiagnosticLine::Kind::kHostWarning: return "host";
  }
  return "line";
}

// Lines a first run prints that look alarming and are expected.
const char* Note(const std::string& text) {
  if (text.find("Swatch Presets not registered") != std::string::npos) {
    return "expected while this host's preset browser does not take the swatch preset type: the chooser works, "
           "without swatch presets; the line goes away once the type registers";
  }
  return nullptr;
}

}  // namespace

json InfoReport::Gather(Host& host, const ModuleStartup& startup) {
  Registry& reg = host.Registrations();
  json r;
  r["module"] = host.LoadedModule()->Path().string();
  r["interface_version"] = reg.InterfaceVersion();
  r["application_type"] = reg.ApplicationType();
  r["answers"] = {{"init", startup.init},
                  {"resources", startup.resources},
                  {"start", startup.start},
                  {"register_presets", startup.presets}};
  r["started"] = startup.Started();
  r["resource_record_cleared"] = startup.record_cleared;
  r["custom_guis"] = CustomGuis(reg);
  r["resource_types"] = ResourceTypes(reg);
  r["libraries"] = Libraries(reg);
  r.update(KeyReport::Gather(host.Prefs().Data()));
  return r;
}

void InfoReport::Finish(json& report, Host& host, const ModuleShutdown& shutdown) {
  report["answers"]["free_presets"] = shutdown.free_presets;
  report["answers"]["end"] = shutdown.end;
  report["diagnostics"] = Diagnostics(host.Diag());
}

json InfoReport::CustomGuis(const Registry& registry) {
  json list = json::array();
  for (const auto& p : registry.CustomGuis()) {
    json props = json::array();
    for (const auto& f : p->Properties()) props.push_back({{"kind", f.kind}, {"id", f.id}, {"symbol", f.symbol}});
    list.push_back({{"id", p->Record().id},
                    {"name", p->Record().name},
                    {"info_flags", p->Record().info_flags},
                    {"symbol", p->ResourceSymbol()},
                    {"served_types", p->ServedTypes()},
                    {"properties", props}});
  }
  return list;
}

json InfoReport::ResourceTypes(const Registry& registry) {
  json list = json::array();
  for (const auto& p : registry.ResourceTypes()) {
    json channels = json::array();
    Container sub;
    if (p->SubChannels(sub)) {
      for (const auto& e : sub.Entries()) {
        const Container* ch = e.value.AsContainer();
        if (!ch) continue;
        channels.push_back({{"id", e.id},
                            {"name", ch->GetString(1).value_or("")},
                            {"short_name", ch->GetString(2).value_or("")},
                            {"unit", FourCCText(ch->GetInt32(12))}});
      }
    }
    list.push_back({{"id", p->Record().id},
                    {"name", p->Record().name},
                    {"info_flags", p->Record().info_flags},
                    {"symbol", p->ResourceSymbol()},
                    {"resource_type", p->ResourceTypeId()},
                    {"wrapped_type", p->WrappedTypeId()},
                    {"special", p->IsSpecial()},
                    {"defaults", JsonExport::FromContainer(p->DefaultProperties())["entries"]},
                    {"sub_channels", channels}});
  }
  return list;
}

json InfoReport::Libraries(const Registry& registry) {
  json list = json::array();
  for (const auto& [id, header] : registry.Libraries()) {
    size_t slots = (header->size - sizeof(GxaLibraryHeader)) / sizeof(void*);
    auto* entries = reinterpret_cast<void* const*>(reinterpret_cast<const uint8_t*>(header) + sizeof(GxaLibraryHeader));
    size_t filled = 0;
    for (size_t i = 0; i < slots; ++i) filled += entries[i] != nullptr;
    const LibraryName* name = KeyCatalog::FindLibrary(id);
    list.push_back({{"id", id},
                    {"name", name ? name->name : ""},
                    {"meaning", name ? name->meaning : ""},
                    {"version", header->version},
                    {"size", header->size},
                    {"slots", slots},
                    {"filled", filled}});
  }
  return list;
}

json InfoReport::Diagnostics(const host::Diagnostics& diagnostics) {
  json list = json::array();
  for (const auto& l : diagnostics.Lines()) {
    json line = {{"kind", KindName(l.kind)}, {"file", l.file}, {"line", l.line}, {"text", l.text}};
    if (const char* note = Note(l.text)) line["note"] = note;
    list.push_back(line);
  }
  return list;
}

void InfoReport::PrintText(const json& r, std::FILE* out) {
  const json& a = r["answers"];
  std::fprintf(out, "module %s\n", r["module"].get<std::string>().c_str());
  std::fprintf(out, "  interface version %d, application type %d\n", r["interface_version"].get<int>(),
               r["application_type"].get<int>());
  std::fprintf(out,
               "  answers: action 1 -> %d, message 1 -> %d, action 2 -> %d, message 1000 -> %d, "
               "message 1001 -> %d, action 3 -> %d\n",
               a["init"].get<int>(), a["resources"].get<int>(), a["start"].get<int>(), a["register_presets"].get<int>(),
               a["free_presets"].get<int>(), a["end"].get<int>());
  std::fprintf(out, "  %s\n", r["started"].get<bool>() ? "started" : "START FAILED");
  PrintRegistrations(r, out);
  PrintLibrariesAndLines(r, out);
}

void InfoReport::PrintRegistrations(const json& r, std::FILE* out) {
  std::fprintf(out, "\ncustom GUI plug-ins:\n");
  for (const auto& g : r["custom_guis"]) {
    std::fprintf(out, "  %d \"%s\"  flags %s  symbol %s  serves types %s\n", g["id"].get<int>(),
                 g["name"].get<std::string>().c_str(), Hex(g["info_flags"].get<int>()).c_str(),
                 g["symbol"].get<std::string>().c_str(), Join(g["served_types"], ", ").c_str());
    std::fprintf(out, "    %zu description flags:\n", g["properties"].size());
    for (const auto& p : g["properties"]) {
      std::fprintf(out, "      %-18s %s\n", p["symbol"].get<std::string>().c_str(), Hex(p["id"].get<int>()).c_str());
    }
  }
  std::fprintf(out, "\nresource data types:\n");
  for (const auto& t : r["resource_types"]) {
    std::fprintf(out, "  %d \"%s\"  flags %s  symbol %s  wraps type %d\n", t["id"].get<int>(),
                 t["name"].get<std::string>().c_str(), Hex(t["info_flags"].get<int>()).c_str(),
                 t["symbol"].get<std::string>().c_str(), t["wrapped_type"].get<int>());
    std::fprintf(out, "    default properties:\n");
    for (const auto& e : t["defaults"]) {
      std::string shown = JsonText::Dump(e["value"]);
      if (e["type"] == "int32") {
        std::string code = FourCCText(e["value"].get<int32_t>());
        if (code[0] == '\'') shown += " (" + code + ")";
      }
      std::fprintf(out, "      %-4d %-8s %s\n", e["id"].get<int>(), e["type"].get<std::string>().c_str(),
                   shown.c_str());
    }
    std::fprintf(out, "    sub-channels:\n");
    for (const auto& c : t["sub_channels"]) {
      std::fprintf(out, "      %d  %s / %s  unit %s\n", c["id"].get<int>(), c["name"].get<std::string>().c_str(),
                   c["short_name"].get<std::string>().c_str(), c["unit"].get<std::string>().c_str());
    }
  }
}

void InfoReport::PrintLibrariesAndLines(const json& r, std::FILE* out) {
  std::fprintf(out, "\npublished libraries:\n");
  for (const auto& l : r["libraries"]) {
    std::fprintf(out, "  %-8d %-11s version %d  size %d  entries %d of %d filled\n", l["id"].get<int>(),
                 l["name"].get<std::string>().c_str(), l["version"].get<int>(), l["size"].get<int>(),
                 l["filled"].get<int>(), l["slots"].get<int>());
    if (!l["meaning"].get<std::string>().empty())
      std::fprintf(out, "  %-8s %s\n", "", l["meaning"].get<std::string>().c_str());
  }
  KeyReport::PrintText(r, out);
  std::fprintf(out, "\ndiagnostic lines:%s\n", r["diagnostics"].empty() ? " none" : "");
  for (const auto& d : r["diagnostics"]) {
    DiagnosticLine line;
    std::string kind = d["kind"];
    line.kind = kind == "host" ? DiagnosticLine::Kind::kHostWarning
                               : (kind == "assert" ? DiagnosticLine::Kind::kAssert : DiagnosticLine::Kind::kLine);
    line.file = d["file"];
    line.line = d["line"];
    line.text = d["text"];
    std::fprintf(out, "  %s\n", host::Diagnostics::Format(line).c_str());
    if (d.contains("note")) std::fprintf(out, "    note: %s\n", d["note"].get<std::string>().c_str());
  }
}

}  // namespace host::cli
