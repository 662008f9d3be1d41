#include "presetreport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "presets/unicodetext.h"

namespace host::cli {

namespace {

std::string KindName(int32_t kind) { return kind == kPresetItemKind ? "preset" : "kind " + std::to_string(kind); }

std::string FolderText(const PresetUrl& url) {
  std::string folder;
  for (size_t i = 0; i + 1 < url.Path().size(); ++i) folder += (i ? "/" : "") + url.Path()[i];
  return folder;
}

std::string CompressionName(int32_t kind) {
  return kind == 0 ? "stored" : "compressed (kind " + std::to_string(kind) + ")";
}

}  // namespace

nlohmann::json PresetReport::Json(const PresetEntry& e) {
  const PresetItemHeader& h = e.header;
  nlohmann::json j = {{"url", e.url.Text()},
                      {"library", e.url.Library()},
                      {"folder", FolderText(e.url)},
                      {"name", e.url.Name()},
                      {"kind", KindName(h.kind)},
                      {"kind_code", h.kind},
                      {"type", h.type},
                      {"text", h.text},
                      {"data_size", h.data_size},
                      {"data_kind", h.data_kind},
                      {"uncompressed_size", h.uncompressed_size}};
  j["thumbnail"] = h.thumbnail_width > 0 ? nlohmann::json{h.thumbnail_width, h.thumbnail_height} : nlohmann::json();
  return j;
}

nlohmann::json PresetReport::Json(const PresetListing& listing) {
  nlohmann::json items = nlohmann::json::array();
  for (const auto& e : listing.items) items.push_back(Json(e));
  return {{"items", items}, {"problems", listing.problems}};
}

std::string PresetReport::Line(const PresetEntry& e) {
  std::string line =
      UnicodeText::Printable(e.url.Text()) + "\t" + KindName(e.header.kind) + " " + std::to_string(e.header.type);
  if (!e.header.text.empty()) line += "\t\"" + UnicodeText::Printable(e.header.text) + "\"";
  return line;
}

std::string PresetReport::Hex(const PaletteColor& c) {
  auto level = [](double v) { return int(std::clamp(std::floor(v * 255.0 + 0.5), 0.0, 255.0)); };
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%02X%02X%02X", level(c.red), level(c.green), level(c.blue));
  return hex;
}

std::string PresetReport::Details(const PresetEntry& e) {
  const PresetItemHeader& h = e.header;
  std::string s;
  s += "url:        " + UnicodeText::Printable(e.url.Text()) + "\n";
  s += "name:       " + UnicodeText::Printable(e.url.Name()) + "\n";
  s += "kind:       " + KindName(h.kind) + "\n";
  s += "type:       " + std::to_string(h.type) + "\n";
  s += "text:       " + UnicodeText::Printable(h.text) + "\n";
  s += "data:       " + std::to_string(h.data_size) + " bytes, " + CompressionName(h.data_kind) + ", " +
       std::to_string(h.uncompressed_size) + " bytes unpacked\n";
  s += "thumbnail:  " +
       (h.thumbnail_width > 0 ? std::to_string(h.thumbnail_width) + " x " + std::to_string(h.thumbnail_height)
                              : "none") +
       "\n";
  s += "file:       " + e.file.string() + "\n";
  return s;
}

}  // namespace host::cli
