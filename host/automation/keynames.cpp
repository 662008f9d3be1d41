#include "automation/keynames.h"

#include <array>
#include <utility>

#include "gxa_api.h"

namespace host {

namespace {

constexpr std::array<std::pair<std::string_view, int32_t>, 15> kNames = {{
    {"Up", GXA_KEY_UP},
    {"Down", GXA_KEY_DOWN},
    {"Left", GXA_KEY_LEFT},
    {"Right", GXA_KEY_RIGHT},
    {"PageDown", GXA_KEY_PGDOWN},
    {"PageUp", GXA_KEY_PGUP},
    {"Home", GXA_KEY_HOME},
    {"End", GXA_KEY_END},
    {"Backspace", GXA_KEY_BACKSPACE},
    {"Delete", GXA_KEY_DELETE},
    {"Escape", GXA_KEY_ESC},
    {"Enter", GXA_KEY_ENTER},
    {"Tab", GXA_KEY_TAB},
    {"Space", ' '},
    {"Esc", GXA_KEY_ESC},
}};

}  // namespace

std::optional<int32_t> KeyNames::Parse(std::string_view name) {
  for (const auto& [text, code] : kNames) {
    if (text == name) return code;
  }
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if (c > ' ' && c < 127) return c;
  }
  return std::nullopt;
}

}  // namespace host
