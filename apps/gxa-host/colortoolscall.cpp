#include "colortoolscall.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "core/host.h"
#include "numberarg.h"

namespace host::cli {

const std::vector<ColorToolsCall::Entry>& ColorToolsCall::Entries() {
  using T = ArgType;
  static const std::vector<Entry> kEntries = {
      {"ColorToRgbText", "R G B", 3, T::Double},
      {"ColorToHsvText", "R G B", 3, T::Double},
      {"To8Bit", "C", 1, T::Double},
      {"From8Bit", "N", 1, T::Int64},
      {"ColorTo8Bit", "R G B", 3, T::Double},
      {"ColorFrom8Bit", "R G B", 3, T::Int64},
      {"To16Bit", "C", 1, T::Double},
      {"From16Bit", "N", 1, T::Int32},
      {"ColorTo16Bit", "R G B", 3, T::Double},
      {"ColorFrom16Bit", "R G B", 3, T::Int32},
      {"KelvinToColor", "KELVIN TINT", 2, T::Double},
      {"HarmonyComplementary", "R G B RYB", 4, T::Double},
      {"HarmonySplit", "R G B RYB", 4, T::Double},
      {"HarmonyTetrad", "R G B RYB", 4, T::Double},
      {"HarmonyAnalog", "R G B COUNT RYB", 5, T::Double, 3},
      {"HarmonyEqui", "R G B COUNT RYB", 5, T::Double, 3},
      {"HarmonySteps", "R G B COUNT STEP RYB", 6, T::Double, 3},
      {"HarmonyGradient", "R G B R2 G2 B2 COUNT RYB", 8, T::Double, 6},
  };
  return kEntries;
}

int ColorToolsCall::Find(const std::string& entry) {
  const auto& entries = Entries();
  char* end = nullptr;
  long index = std::strtol(entry.c_str(), &end, 10);
  if (!entry.empty() && *end == '\0') return index >= 0 && index < long(entries.size()) ? int(index) : -1;
  for (size_t i = 0; i < entries.size(); ++i)
    if (entry == entries[i].name) return int(i);
  return -1;
}

Outcome<ColorToolsCall> ColorToolsCall::Parse(const std::string& entry, const std::vector<std::string>& args) {
  int index = Find(entry);
  if (index < 0) return Outcome<ColorToolsCall>::Fail("unknown colortools entry '" + entry + "'\n" + Help());
  const Entry& e = Entries()[size_t(index)];
  std::string usage = std::string("usage: gxa-host call colortools ") + e.name + " " + e.args;
  if (int(args.size()) != e.count)
    return Outcome<ColorToolsCall>::Fail(std::string(e.name) + " takes " + std::to_string(e.count) + " argument(s)\n" +
                                         usage);
  ColorToolsCall call;
  call.index_ = index;
  for (const std::string& a : args) {
    const bool isCount = int(call.args_.size()) == e.countArg;
    auto v = Number(a, isCount ? ArgType::Int32 : e.type);
    if (!v) return Outcome<ColorToolsCall>::Fail(v.Error() + "\n" + usage);
    call.args_.push_back(*v);
  }
  return call;
}

Outcome<double> ColorToolsCall::Number(const std::string& text, ArgType type) {
  const std::optional<double> read = NumberArg::Real(text);
  if (!read) return Outcome<double>::Fail("'" + text + "' is not a number");
  const double v = *read;
  // The entry takes a C integer: a value it cannot hold would wrap.
  const double r = std::round(v);  // as the call rounds it
  if (type == ArgType::Int32 && (r < -2147483648.0 || r > 2147483647.0)) {
    return Outcome<double>::Fail("'" + text + "' does not fit the entry's 32-bit whole number");
  }
  if (type == ArgType::Int64 && (r < -9223372036854775808.0 || r >= 9223372036854775808.0)) {
    return Outcome<double>::Fail("'" + text + "' does not fit the entry's 64-bit whole number");
  }
  return v;
}

Outcome<nlohmann::json> ColorToolsCall::Run() const {
  Host* host = Host::Current();
  const void* found =
      host ? host->Registrations().FindLibrary(GXA_LIB_COLORTOOLS, 1000, sizeof(GxaColorToolsTable)) : nullptr;
  if (!found) return Outcome<nlohmann::json>::Fail("the colour tools library is not published");
  const auto& table = *static_cast<const GxaColorToolsTable*>(found);
  void* const* slots = reinterpret_cast<void* const*>(&table.color_to_rgb_text);
  if (!slots[index_]) return Outcome<nlohmann::json>::Fail("entry " + std::to_string(index_) + " is not filled");
  nlohmann::json result = Call(table);
  result["entry"] = Entries()[size_t(index_)].name;
  if (result.contains("ok") && !result["ok"].get<bool>())
    return Outcome<nlohmann::json>::Fail(std::string(Entries()[size_t(index_)].name) + " answered false" +
                                         (index_ == 17 ? " (COUNT must be at least 1)" : ""));
  return result;
}

nlohmann::json ColorToolsCall::Call(const GxaColorToolsTable& t) const {
  const double rgb[3] = {args_.size() > 0 ? args_[0] : 0.0, args_.size() > 1 ? args_[1] : 0.0,
                         args_.size() > 2 ? args_[2] : 0.0};
  const auto n = [&](size_t i) { return std::llround(args_[i]); };
  nlohmann::json r;
  double out[3] = {0, 0, 0};
  if (index_ >= 11) return CallHarmony(t);
  switch (index_) {
    case 0:
    case 1: {
      auto fn = index_ == 0 ? t.color_to_rgb_text : t.color_to_hsv_text;
      std::string text(size_t(fn(rgb, nullptr, 0)) + 1, '\0');
      fn(rgb, text.data(), text.size());
      text.resize(text.size() - 1);
      r["text"] = text;
      return r;
    }
    case 2: r["value"] = t.to_8bit(args_[0]); return r;
    case 3: r["value"] = t.from_8bit(n(0)); return r;
    case 4: {
      int64_t c[3];
      t.color_to_8bit(rgb, &c[0], &c[1], &c[2]);
      r["value"] = {c[0], c[1], c[2]};
      return r;
    }
    case 5: t.color_from_8bit(n(0), n(1), n(2), out); break;
    case 6: r["value"] = t.to_16bit(args_[0]); return r;
    case 7: r["value"] = t.from_16bit(int32_t(n(0))); return r;
    case 8: {
      int32_t c[3];
      t.color_to_16bit(rgb, &c[0], &c[1], &c[2]);
      r["value"] = {c[0], c[1], c[2]};
      return r;
    }
    case 9: t.color_from_16bit(int32_t(n(0)), int32_t(n(1)), int32_t(n(2)), out); break;
    default: t.kelvin_to_color(args_[0], args_[1], out); break;
  }
  r["value"] = {out[0], out[1], out[2]};
  return r;
}

nlohmann::json ColorToolsCall::CallHarmony(const GxaColorToolsTable& t) const {
  const double rgb[3] = {args_[0], args_[1], args_[2]};
  const auto count = [&](size_t i) { return int32_t(std::llround(args_[i])); };
  const bool ryb = args_.back() != 0.0;
  std::vector<std::vector<double>> colors;
  GxaColorSink sink{&colors, [](void* user, const double c[3]) {
                      static_cast<std::vector<std::vector<double>>*>(user)->push_back({c[0], c[1], c[2]});
                      return true;
                    }};
  bool ok = false;
  switch (index_) {
    case 11: ok = t.harmony_complementary(rgb, ryb, &sink); break;
    case 12: ok = t.harmony_split(rgb, ryb, &sink); break;
    case 13: ok = t.harmony_tetrad(rgb, ryb, &sink); break;
    case 14: ok = t.harmony_analog(rgb, count(3), ryb, &sink); break;
    case 15: ok = t.harmony_equi(rgb, count(3), ryb, &sink); break;
    case 16: ok = t.harmony_steps(rgb, count(3), args_[4], ryb, &sink); break;
    default: {
      const double second[3] = {args_[3], args_[4], args_[5]};
      ok = t.harmony_gradient(rgb, second, count(6), ryb, &sink);
      break;
    }
  }
  nlohmann::json r;
  r["ok"] = ok;
  r["colors"] = colors;
  return r;
}

std::string ColorToolsCall::Help() {
  std::string help = "colortools entries:\n";
  for (size_t i = 0; i < Entries().size(); ++i)
    help += "  " + std::to_string(i) + " " + Entries()[i].name + " " + Entries()[i].args + "\n";
  return help;
}

std::string ColorToolsCall::AsText(const nlohmann::json& result) {
  if (result.contains("text")) return result["text"].get<std::string>();
  if (result.contains("colors")) {
    std::string text;
    for (const auto& color : result["colors"])
      text += color[0].dump() + " " + color[1].dump() + " " + color[2].dump() + "\n";
    if (!text.empty()) text.pop_back();
    return text;
  }
  const nlohmann::json& v = result["value"];
  if (!v.is_array()) return v.dump();
  std::string text;
  for (const auto& c : v) text += (text.empty() ? "" : " ") + c.dump();
  return text;
}

}  // namespace host::cli
