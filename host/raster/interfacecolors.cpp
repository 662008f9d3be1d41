#include "raster/interfacecolors.h"

namespace host {

namespace {

// The checkerboard greys agree with the module's own rule for the theme
// number (0 light: 1.0 and 0.8, 1 dark: 0.6 and 0.4), so host and module
// draw alike.
const std::map<int, Rgba> kDark = {
    {InterfaceColors::kFrameDark, {16, 16, 16}},
    {InterfaceColors::kFrameLight, {235, 235, 235}},
    {InterfaceColors::kBackground, {51, 51, 51}},
    {InterfaceColors::kEditBackground, {34, 34, 34}},
    {InterfaceColors::kButton, {72, 72, 72}},
    {InterfaceColors::kText, {214, 214, 214}},
    {InterfaceColors::kGroupFill, {62, 62, 62}},
    {InterfaceColors::kBorderLight, {82, 82, 82}},
    {InterfaceColors::kBorderDark, {26, 26, 26}},
    {InterfaceColors::kOutline, {112, 112, 112}},
    {InterfaceColors::kHighlight, {72, 118, 186}},
    {InterfaceColors::kHighlightText, {255, 255, 255}},
    {InterfaceColors::kButtonPressed, {40, 40, 40}},
    {InterfaceColors::kMenuBackground, {44, 44, 44}},
    {InterfaceColors::kTooltipBackground, {28, 28, 28}},
    {InterfaceColors::kTooltipText, {222, 222, 222}},
    {InterfaceColors::kSelectionFrame, {242, 160, 48}},
    {InterfaceColors::kTextDisabled, {120, 120, 120}},
    {InterfaceColors::kCheckerLight, {153, 153, 153}},
    {InterfaceColors::kCheckerDark, {102, 102, 102}},
};

const std::map<int, Rgba> kLight = {
    {InterfaceColors::kFrameDark, {16, 16, 16}},
    {InterfaceColors::kFrameLight, {250, 250, 250}},
    {InterfaceColors::kBackground, {210, 210, 210}},
    {InterfaceColors::kEditBackground, {238, 238, 238}},
    {InterfaceColors::kButton, {192, 192, 192}},
    {InterfaceColors::kText, {28, 28, 28}},
    {InterfaceColors::kGroupFill, {196, 196, 196}},
    {InterfaceColors::kBorderLight, {236, 236, 236}},
    {InterfaceColors::kBorderDark, {140, 140, 140}},
    {InterfaceColors::kOutline, {120, 120, 120}},
    {InterfaceColors::kHighlight, {84, 132, 204}},
    {InterfaceColors::kHighlightText, {255, 255, 255}},
    {InterfaceColors::kButtonPressed, {172, 172, 172}},
    {InterfaceColors::kMenuBackground, {226, 226, 226}},
    {InterfaceColors::kTooltipBackground, {250, 248, 228}},
    {InterfaceColors::kTooltipText, {28, 28, 28}},
    {InterfaceColors::kSelectionFrame, {214, 112, 0}},
    {InterfaceColors::kTextDisabled, {138, 138, 138}},
    {InterfaceColors::kCheckerLight, {255, 255, 255}},
    {InterfaceColors::kCheckerDark, {204, 204, 204}},
};

}  // namespace

const std::map<int, Rgba>& InterfaceColors::Table(Theme theme) { return theme == Theme::Light ? kLight : kDark; }

bool InterfaceColors::Get(int id, Rgba& out) const {
  const auto& table = Table(theme_);
  const auto it = table.find(id);
  if (it == table.end()) return false;
  out = it->second;
  return true;
}

Rgba InterfaceColors::GetOr(int id, Rgba fallback) const {
  Get(id, fallback);
  return fallback;
}

std::vector<int> InterfaceColors::Ids() const {
  std::vector<int> ids;
  for (const auto& entry : Table(theme_)) ids.push_back(entry.first);
  return ids;
}

}  // namespace host
