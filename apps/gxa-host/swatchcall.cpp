#include "swatchcall.h"

#include <array>
#include <filesystem>

#include "core/documentstore.h"
#include "core/host.h"
#include "core/jsontext.h"
#include "numberarg.h"

namespace host::cli {

namespace {

using json = nlohmann::json;

std::optional<double> Number(const std::string& text) { return NumberArg::Real(text); }

std::optional<int32_t> Integer(const std::string& text) { return NumberArg::Int32(text); }

std::optional<bool> Boolean(const std::string& text) {
  if (text == "1" || text == "true") return true;
  if (text == "0" || text == "false") return false;
  return std::nullopt;
}

// Reads the checked arguments in signature order.
class ArgReader {
 public:
  explicit ArgReader(const std::vector<std::string>& args) : args_(args) {}
  int32_t Int() { return *Integer(args_[at_++]); }
  bool Bool() { return *Boolean(args_[at_++]); }
  const std::string& Text() { return args_[at_++]; }
  std::array<double, 4> Colour() {
    std::array<double, 4> rgba{};
    for (double& c : rgba) c = *Number(args_[at_++]);
    return rgba;
  }
  std::vector<double> Colours() {
    std::vector<double> rgba;
    while (at_ < args_.size()) rgba.push_back(*Number(args_[at_++]));
    return rgba;
  }

 private:
  const std::vector<std::string>& args_;
  size_t at_ = 0;
};

// What is wrong with args for signature, empty when they fit.
std::string CheckArgs(const char* signature, const std::vector<std::string>& args) {
  size_t at = 0;
  for (const char* s = signature; *s; ++s) {
    const char kind = *s;
    if (kind == 'c') {
      if ((args.size() - at) % 4 != 0) return "colours come as four numbers each (R G B A)";
      for (; at < args.size(); ++at)
        if (!Number(args[at])) return "'" + args[at] + "' is not a number";
      return {};
    }
    const size_t need = kind == 'r' ? 4 : 1;
    if (args.size() - at < need) return "too few arguments";
    for (size_t k = 0; k < need; ++k, ++at) {
      const std::string& a = args[at];
      if (kind == 'i' && !Integer(a)) return "'" + a + "' is not a whole number";
      if (kind == 'b' && !Boolean(a)) return "'" + a + "' is not 0, 1, true or false";
      if (kind == 'r' && !Number(a)) return "'" + a + "' is not a number";
    }
  }
  return at == args.size() ? std::string() : "too many arguments";
}

json GroupJson(const GxaSwatchGroupTable& g, const GxaSwatchGroup* group) {
  if (!group) return nullptr;
  std::string name(size_t(std::max<int64_t>(g.get_name(group, nullptr, 0), 0)) + 1, '\0');
  g.get_name(group, name.data(), name.size());
  name.resize(name.size() - 1);
  json colours = json::array();
  for (int32_t i = 0; i < g.color_count(group); ++i) {
    double rgba[4];
    bool selected = false;
    g.get_color(group, i, rgba, &selected);
    colours.push_back({{"rgba", {rgba[0], rgba[1], rgba[2], rgba[3]}}, {"selected", selected}});
  }
  return {{"name", name}, {"selected", g.is_group_selected(group)}, {"colors", colours}};
}

json DataJson(const GxaSwatchDataTable& d, const GxaSwatchGroupTable& g, GxaSwatchData* data) {
  json out;
  const char* names[] = {"global", "document"};
  for (int32_t c = 0; c < 2; ++c) {
    json groups = json::array();
    for (int32_t i = 0; i < d.group_count(data, c); ++i) groups.push_back(GroupJson(g, d.group_at(data, i, c)));
    out[names[c]] = groups;
  }
  return out;
}

GxaDocument* Handle(Document& doc) { return reinterpret_cast<GxaDocument*>(&doc); }

// A document named on the command line, for the entries that take another
// one. One that cannot be read must not pass for a document without swatches:
// CopyFrom would then empty the swatches of the document called on.
Outcome<Document> LoadOther(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return Outcome<Document>::Fail("there is no document at " + path);
  auto loaded = DocumentStore::Load(path);
  if (!loaded) return Outcome<Document>::Fail(loaded.Error());
  if (!loaded->problem.empty()) return Outcome<Document>::Fail(loaded->problem);
  return std::move(loaded->document);
}

// Owns a loaded swatch data object for the length of one call.
class LoadedData {
 public:
  LoadedData(const GxaSwatchDataTable& d, GxaDocument* doc) : d_(d), data_(d.load(doc, true)) {}
  ~LoadedData() { d_.free(&data_); }
  LoadedData(const LoadedData&) = delete;
  LoadedData& operator=(const LoadedData&) = delete;
  GxaSwatchData* Get() const { return data_; }

 private:
  const GxaSwatchDataTable& d_;
  GxaSwatchData* data_;
};

std::string HostText(int64_t (*fetch)(char*, size_t)) {
  std::string text(size_t(std::max<int64_t>(fetch(nullptr, 0), 0)) + 1, '\0');
  fetch(text.data(), text.size());
  text.resize(text.size() - 1);
  return text;
}

}  // namespace

const std::vector<SwatchCall::Entry>& SwatchCall::Entries(Library library) {
  static const std::vector<Entry> kData = {
      {"SDKLoad", "", "", false},
      {"Free", "", "", false},
      {"Reload", "APPEND WITH_GLOBAL", "bb", false},
      {"SDKSave", "", "", true},
      {"LoadPresetByName", "NAME MERGE", "sb", true},
      {"LoadPresetByURL", "URL MERGE", "sb", true},
      {"SavePresetByName", "NAME TEXT OVERWRITE", "ssb", false},
      {"SavePresetByURL", "URL TEXT OVERWRITE", "ssb", false},
      {"ListPresets", "", "", false},
      {"IsSwatchPreset", "URL", "s", false},
      {"DefaultPresetFolder", "", "", false},
      {"Merge", "DOCUMENT INCLUDE_GLOBAL", "pb", true},
      {"CopyFrom", "DOCUMENT", "p", true},
      {"GroupCount", "COLLECTION", "i", false},
      {"GroupAt", "INDEX COLLECTION", "ii", false},
      {"SDKSetGroupAtIndex", "INDEX COLLECTION NAME SELECTED [R G B A]...", "iisbc", true},
      {"CreateGroup", "COLLECTION NAME SELECTED INDEX [R G B A]...", "isbic", true},
      {"SDKInsertGroup", "INDEX COLLECTION NAME SELECTED [R G B A]...", "iisbc", true},
      {"SDKRemoveGroup", "INDEX COLLECTION", "ii", true},
      {"RemoveSelected", "", "", true},
      {"Flush", "", "", true},
  };
  static const std::vector<Entry> kGroup = {
      {"AllocGroup", "NAME SELECTED [R G B A]...", "sbc", false},
      {"FreeGroup", "", "", false},
      {"AppendGroup", "COLLECTION GROUP OTHER_COLLECTION OTHER_GROUP", "iiii", true},
      {"CopyGroup", "COLLECTION GROUP OTHER_COLLECTION OTHER_GROUP", "iiii", true},
      {"GetName", "COLLECTION GROUP", "ii", false},
      {"SetName", "COLLECTION GROUP NAME", "iis", true},
      {"GetColorCount", "COLLECTION GROUP", "ii", false},
      {"GetColor", "COLLECTION GROUP INDEX", "iii", false},
      {"GetColorEdit", "COLLECTION GROUP INDEX", "iii", false},
      {"GetColors", "COLLECTION GROUP SELECTED_ONLY", "iib", false},
      {"SetColor", "COLLECTION GROUP INDEX R G B A SELECTION", "iiiri", true},
      {"AddColor", "COLLECTION GROUP R G B A SELECTED INDEX", "iirbi", true},
      {"AddColors", "COLLECTION GROUP SELECTED INSERT INDEX [R G B A]...", "iibbic", true},
      {"ResetGroup", "COLLECTION GROUP", "ii", true},
      {"RemoveColors", "COLLECTION GROUP START COUNT", "iiii", true},
      {"RemoveSelectedColors", "COLLECTION GROUP", "ii", true},
      {"HasDuplicates", "COLLECTION GROUP", "ii", false},
      {"RemoveDuplicates", "COLLECTION GROUP", "ii", true},
      {"InvertSelection", "COLLECTION GROUP", "ii", true},
      {"SetColorSelected", "COLLECTION GROUP INDEX VALUE", "iiib", true},
      {"IsColorSelected", "COLLECTION GROUP INDEX", "iii", false},
      {"SelectGroup", "COLLECTION GROUP VALUE", "iib", true},
      {"IsGroupSelected", "COLLECTION GROUP", "ii", false},
      {"SortColors", "COLLECTION GROUP", "ii", true},
  };
  return library == Library::Data ? kData : kGroup;
}

Outcome<SwatchCall> SwatchCall::Parse(Library library, const std::string& entry, const std::vector<std::string>& args) {
  const auto& entries = Entries(library);
  const char* lib = library == Library::Data ? "swatchdata" : "swatchgroup";
  int index = -1;
  if (auto n = Integer(entry)) index = *n >= 0 && *n < int(entries.size()) ? *n : -1;
  for (size_t i = 0; i < entries.size() && index < 0; ++i)
    if (entry == entries[i].name) index = int(i);
  if (index < 0)
    return Outcome<SwatchCall>::Fail("unknown " + std::string(lib) + " entry '" + entry + "'\n" + Help(library));
  const Entry& e = entries[size_t(index)];
  const std::string problem = CheckArgs(e.signature, args);
  if (!problem.empty())
    return Outcome<SwatchCall>::Fail(problem + "\nusage: gxa-host call " + lib + " " + e.name + " " + e.usage);
  SwatchCall call;
  call.library_ = library;
  call.index_ = index;
  call.args_ = args;
  return call;
}

Outcome<json> SwatchCall::Run(Document& doc) const {
  Host* host = Host::Current();
  const void* d =
      host ? host->Registrations().FindLibrary(GXA_LIB_SWATCHDATA, 1000, sizeof(GxaSwatchDataTable)) : nullptr;
  const void* g =
      host ? host->Registrations().FindLibrary(GXA_LIB_SWATCHGROUP, 1000, sizeof(GxaSwatchGroupTable)) : nullptr;
  if (!d || !g) return Outcome<json>::Fail("the swatch libraries are not published");
  const auto& data = *static_cast<const GxaSwatchDataTable*>(d);
  const auto& groups = *static_cast<const GxaSwatchGroupTable*>(g);
  const void* const* slots = library_ == Library::Data ? reinterpret_cast<const void* const*>(&data.load)
                                                       : reinterpret_cast<const void* const*>(&groups.alloc);
  if (!slots[index_]) return Outcome<json>::Fail("entry " + std::to_string(index_) + " is not filled");
  if (!data.load || !data.free || !data.save || !groups.get_name || !groups.color_count)
    return Outcome<json>::Fail("the swatch libraries lack the entries a call needs");
  json result = library_ == Library::Data ? CallData(data, groups, doc) : CallGroup(data, groups, doc);
  if (result.contains("error")) return Outcome<json>::Fail(result["error"].get<std::string>());
  result["entry"] = Entries(library_)[size_t(index_)].name;
  return result;
}

json SwatchCall::CallData(const GxaSwatchDataTable& d, const GxaSwatchGroupTable& g, Document& doc) const {
  ArgReader a(args_);
  LoadedData loaded(d, Handle(doc));
  GxaSwatchData* data = loaded.Get();
  if (!data) return {{"error", "the swatch data could not be loaded"}};
  json r;
  switch (index_) {
    case 0: break;
    case 1: {
      GxaSwatchData* other = d.load(Handle(doc), true);
      d.free(&other);
      r["result"] = other == nullptr;
      return r;
    }
    case 2: {
      const bool append = a.Bool();
      r["result"] = d.reload(data, Handle(doc), append, a.Bool());
      break;
    }
    case 3: r["result"] = true; break;
    case 4:
    case 5: {
      const std::string& name = a.Text();
      r["result"] = (index_ == 4 ? d.load_preset_by_name : d.load_preset_by_url)(data, name.c_str(), a.Bool());
      break;
    }
    case 6:
    case 7: {
      const std::string& name = a.Text();
      const std::string& text = a.Text();
      r["result"] =
          (index_ == 6 ? d.save_preset_by_name : d.save_preset_by_url)(data, name.c_str(), text.c_str(), a.Bool());
      break;
    }
    case 8: {
      json urls = json::array();
      const std::string list = HostText(d.list_presets);
      for (size_t at = 0; at < list.size();) {
        size_t end = list.find('\n', at);
        if (end == std::string::npos) end = list.size();
        if (end > at) urls.push_back(list.substr(at, end - at));
        at = end + 1;
      }
      return {{"result", urls}};
    }
    case 9: return {{"result", d.is_swatch_preset(a.Text().c_str())}};
    case 10: return {{"result", HostText(d.default_folder)}};
    case 11:
    case 12: {
      auto other = LoadOther(a.Text());
      if (!other) return {{"error", other.Error()}};
      LoadedData from(d, Handle(*other));
      r["result"] = index_ == 11 ? d.merge(data, from.Get(), a.Bool()) : d.copy_from(data, from.Get());
      break;
    }
    case 13: return {{"result", d.group_count(data, a.Int())}};
    case 14: {
      const int32_t index = a.Int();
      return {{"result", GroupJson(g, d.group_at(data, index, a.Int()))}};
    }
    case 15:
    case 17: {
      const int32_t index = a.Int();
      const int32_t collection = a.Int();
      const std::string& name = a.Text();
      const bool selected = a.Bool();
      const std::vector<double> rgba = a.Colours();
      GxaSwatchGroup* group = g.alloc(name.c_str(), selected, rgba.data(), int32_t(rgba.size() / 4));
      r["result"] = index_ == 15 ? d.set_group_at(data, index, group, collection)
                                 : d.insert_group(data, group, index, collection);
      g.free(&group);
      break;
    }
    case 16: {
      const int32_t collection = a.Int();
      const std::string& name = a.Text();
      const bool selected = a.Bool();
      const int32_t index = a.Int();
      const std::vector<double> rgba = a.Colours();
      r["result"] = d.create_group(data, collection, name.c_str(), selected, index, rgba.data(),
                                   int32_t(rgba.size() / 4)) != nullptr;
      break;
    }
    case 18: {
      const int32_t index = a.Int();
      r["result"] = d.remove_group(data, index, a.Int());
      break;
    }
    case 19: r["result"] = d.remove_selected(data); break;
    default:
      d.flush(data);
      r["result"] = true;
      break;
  }
  const bool succeeded = !r.contains("result") || r["result"] != false;
  if (Entries(Library::Data)[size_t(index_)].changes && succeeded) r["saved"] = d.save(data, Handle(doc), true);
  r["data"] = DataJson(d, g, data);
  return r;
}

json SwatchCall::CallGroup(const GxaSwatchDataTable& d, const GxaSwatchGroupTable& g, Document& doc) const {
  ArgReader a(args_);
  if (index_ == 0 || index_ == 1) {
    const std::string name = index_ == 0 ? a.Text() : std::string();
    const bool selected = index_ == 0 && a.Bool();
    const std::vector<double> rgba = a.Colours();
    GxaSwatchGroup* group = g.alloc(name.c_str(), selected, rgba.data(), int32_t(rgba.size() / 4));
    json r = {{"group", GroupJson(g, group)}};
    g.free(&group);
    if (index_ == 1) r["result"] = group == nullptr;
    return r;
  }
  LoadedData loaded(d, Handle(doc));
  GxaSwatchData* data = loaded.Get();
  const int32_t collection = a.Int();
  const int32_t index = a.Int();
  GxaSwatchGroup* group = data ? d.group_at(data, index, collection) : nullptr;
  if (!group)
    return {{"error", "there is no group " + std::to_string(index) + " in collection " + std::to_string(collection)}};
  json r;
  auto colour = [](const double c[4]) { return json{c[0], c[1], c[2], c[3]}; };
  switch (index_) {
    case 2:
    case 3: {
      const int32_t oc = a.Int();
      const GxaSwatchGroup* other = d.group_at(data, a.Int(), oc);
      r["result"] = (index_ == 2 ? g.append : g.copy)(group, other);
      break;
    }
    case 4: r["result"] = GroupJson(g, group)["name"]; break;
    case 5: r["result"] = g.set_name(group, a.Text().c_str()); break;
    case 6: r["result"] = g.color_count(group); break;
    case 7: {
      double rgba[4];
      bool selected = false;
      const bool ok = g.get_color(group, a.Int(), rgba, &selected);
      r["result"] = ok ? json{{"rgba", colour(rgba)}, {"selected", selected}} : json(false);
      break;
    }
    case 8: {
      bool selected = false;
      const GxaSwatchRecord* rec = g.get_color_edit(group, a.Int(), &selected);
      const double rgba[4] = {rec ? rec->red : 0, rec ? rec->green : 0, rec ? rec->blue : 0, rec ? rec->alpha : 0};
      r["result"] = rec ? json{{"rgba", colour(rgba)}, {"selected", selected}} : json(nullptr);
      break;
    }
    case 9: {
      const bool selectedOnly = a.Bool();
      std::vector<double> rgba(size_t(g.color_count(group)) * 4);
      const int32_t n = g.get_colors(group, rgba.data(), g.color_count(group), selectedOnly);
      json list = json::array();
      for (int32_t i = 0; i < n; ++i) list.push_back(colour(&rgba[size_t(i) * 4]));
      r["result"] = list;
      break;
    }
    case 10: {
      const int32_t at = a.Int();
      const std::array<double, 4> rgba = a.Colour();
      r["result"] = g.set_color(group, at, rgba.data(), a.Int());
      break;
    }
    case 11: {
      const std::array<double, 4> rgba = a.Colour();
      const bool selected = a.Bool();
      r["result"] = g.add_color(group, rgba.data(), selected, a.Int());
      break;
    }
    case 12: {
      const bool selected = a.Bool();
      const bool insert = a.Bool();
      const int32_t at = a.Int();
      const std::vector<double> rgba = a.Colours();
      r["result"] = g.add_colors(group, rgba.data(), int32_t(rgba.size() / 4), selected, insert, at);
      break;
    }
    case 13:
      g.reset(group);
      r["result"] = true;
      break;
    case 14: {
      const int32_t start = a.Int();
      r["result"] = g.remove_colors(group, start, a.Int());
      break;
    }
    case 15: r["result"] = g.remove_selected_colors(group); break;
    case 16: r["result"] = g.has_duplicates(group); break;
    case 17: r["result"] = g.remove_duplicates(group); break;
    case 18:
      g.invert_selection(group);
      r["result"] = true;
      break;
    case 19: {
      const int32_t at = a.Int();
      r["result"] = g.set_color_selected(group, at, a.Bool());
      break;
    }
    case 20: r["result"] = g.is_color_selected(group, a.Int()); break;
    case 21:
      g.select_group(group, a.Bool());
      r["result"] = true;
      break;
    case 22: r["result"] = g.is_group_selected(group); break;
    default:
      g.sort_colors(group);
      r["result"] = true;
      break;
  }
  r["group"] = GroupJson(g, group);
  if (Entries(Library::Group)[size_t(index_)].changes) r["saved"] = d.save(data, Handle(doc), true);
  return r;
}

std::string SwatchCall::Help(Library library) {
  std::string help = library == Library::Data ? "swatchdata entries:\n" : "swatchgroup entries:\n";
  const auto& entries = Entries(library);
  for (size_t i = 0; i < entries.size(); ++i)
    help += "  " + std::to_string(i) + " " + entries[i].name + " " + entries[i].usage + "\n";
  return help;
}

std::string SwatchCall::AsText(const json& result) {
  std::string text = result.contains("result") ? JsonText::Dump(result["result"]) : std::string();
  auto groups = [&](const json& list, const std::string& indent) {
    for (const json& group : list) {
      if (group.is_null()) continue;
      text += "\n" + indent + group["name"].get<std::string>() + (group["selected"].get<bool>() ? " (selected)" : "");
      for (const json& c : group["colors"]) {
        text += "\n" + indent + "  ";
        for (const json& v : c["rgba"]) text += JsonText::Dump(v) + " ";
        if (c["selected"].get<bool>()) text += "selected";
      }
    }
  };
  // What the swatches look like afterwards, when the call changed them.
  if (!result.contains("saved")) return text;
  if (result.contains("group")) groups(json::array({result["group"]}), "");
  if (result.contains("data"))
    for (const char* c : {"global", "document"}) {
      text += std::string("\n") + c + ":";
      groups(result["data"][c], "  ");
    }
  return text;
}

}  // namespace host::cli
