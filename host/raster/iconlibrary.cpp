#include "raster/iconlibrary.h"

namespace host {

namespace {

constexpr int kModeSide = 22;
constexpr int kToolSide = 20;

// A toggle's icon triple: shown when on, off on dark, off on light.
struct ToggleIcons {
  IconSymbol symbol;
  int on, offDark, offLight, side;
};

constexpr ToggleIcons kToggles[] = {
    {IconSymbol::Compact, 1035588, 1035590, 1035589, kModeSide},
    {IconSymbol::Wheel, 1033878, 1033992, 1033489, kModeSide},
    {IconSymbol::Spectrum, 1033879, 1033993, 1033490, kModeSide},
    {IconSymbol::Picture, 1033880, 1033994, 1033491, kModeSide},
    {IconSymbol::Rgb, 1033881, 1033995, 1033492, kModeSide},
    {IconSymbol::Hsv, 1033882, 1033996, 1033493, kModeSide},
    {IconSymbol::Mixer, 1033883, 1033998, 1033495, kModeSide},
    {IconSymbol::Kelvin, 1033884, 1033997, 1033494, kModeSide},
    {IconSymbol::Swatches, 1033885, 1033999, 1033496, kModeSide},
    {IconSymbol::Picker, 1033886, 1034000, 1033497, kModeSide},
    {IconSymbol::Alpha, 1040584, 1040586, 1040585, kModeSide},
    {IconSymbol::Hex, 1040587, 1040589, 1040588, kModeSide},
    {IconSymbol::Linear, 1040830, 1040831, 1040832, kModeSide},
    {IconSymbol::Oklch, 1040840, 1040842, 1040841, kModeSide},
    {IconSymbol::Mosaic, 1033887, 1034001, 1033507, kToolSide},
};

// Harmony buttons: the icon and the second icon, shown when off.
constexpr std::pair<IconSymbol, std::pair<int, int>> kHarmonies[] = {
    {IconSymbol::HarmonyFree, {1033498, 1033621}},          {IconSymbol::HarmonyMono, {1033499, 1033622}},
    {IconSymbol::HarmonyComplementary, {1033500, 1033623}}, {IconSymbol::HarmonyAnalog, {1033501, 1033624}},
    {IconSymbol::HarmonySplit, {1033502, 1033625}},         {IconSymbol::HarmonyTetrad, {1033503, 1033626}},
    {IconSymbol::HarmonyEqui, {1033504, 1033627}},          {IconSymbol::HarmonyLock, {1033619, 1033620}},
};

// Plain action buttons.
constexpr std::pair<int, IconSymbol> kActions[] = {
    {1033505, IconSymbol::AddSample}, {1033506, IconSymbol::DeleteSamples},   {1034124, IconSymbol::ReduceSamples},
    {1033760, IconSymbol::NewGroup},  {1033759, IconSymbol::DeleteSelection},
};

}  // namespace

IconLibrary& IconLibrary::Shared() {
  static IconLibrary library;
  return library;
}

const std::map<int, IconLibrary::Entry>& IconLibrary::Table() {
  static const std::map<int, Entry> table = [] {
    std::map<int, Entry> t;
    for (const ToggleIcons& icons : kToggles) {
      t[icons.on] = {icons.symbol, Look::On, icons.side, true};
      t[icons.offDark] = {icons.symbol, Look::OffDark, icons.side, false};
      t[icons.offLight] = {icons.symbol, Look::OffLight, icons.side, false};
    }
    for (const auto& [symbol, ids] : kHarmonies) {
      t[ids.first] = {symbol, Look::On, kToolSide, true};
      t[ids.second] = {symbol, Look::Off, kToolSide, false};
    }
    for (const auto& [id, symbol] : kActions) t[id] = {symbol, Look::On, kToolSide, false};
    return t;
  }();
  return table;
}

int IconLibrary::LogicalSize(int id) const {
  const auto it = Table().find(id);
  return it == Table().end() ? 0 : it->second.side;
}

std::vector<int> IconLibrary::Ids() const {
  std::vector<int> ids;
  for (const auto& entry : Table()) ids.push_back(entry.first);
  return ids;
}

bool IconLibrary::Describe(int id, IconSymbol& symbol, Look& look) const {
  const auto it = Table().find(id);
  if (it == Table().end()) return false;
  symbol = it->second.symbol;
  look = it->second.look;
  return true;
}

std::shared_ptr<const Bitmap> IconLibrary::Get(int id, int scale) {
  if (scale != 1 && scale != 2) return nullptr;
  const auto it = Table().find(id);
  if (it == Table().end()) return nullptr;
  auto& cached = cache_[{id, scale}];
  if (!cached) cached = Render(it->second, scale);
  return cached;
}

std::shared_ptr<Bitmap> IconLibrary::Render(const Entry& entry, int scale) {
  auto bitmap = std::make_shared<Bitmap>(entry.side * scale, entry.side * scale, 32);
  bitmap->Clear({0, 0, 0, 0});
  VectorPainter painter(*bitmap, scale);
  if (entry.plate) IconArtwork::DrawPlate(entry.side, painter);
  IconArtwork::Draw(entry.symbol, entry.side, painter);
  if (entry.look != Look::On) Dim(*bitmap, entry.look);
  return bitmap;
}

void IconLibrary::Dim(Bitmap& bitmap, Look look) {
  // Grey ramps that keep the drawing's light and dark parts apart while
  // staying quieter than the coloured icon on the given background.
  const double base = look == Look::OffLight ? 30.0 : 40.0;
  const double gain = look == Look::OffDark ? 0.65 : look == Look::OffLight ? 0.5 : 0.55;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const Rgba c = bitmap.GetPixel(x, y);
      const auto grey = uint8_t(base + c.Luma() * gain + 0.5);
      bitmap.SetPixel(x, y, {grey, grey, grey, uint8_t(c.a * 0.9 + 0.5)});
    }
  }
}

}  // namespace host
