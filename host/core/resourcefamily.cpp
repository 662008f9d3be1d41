#include "core/families.h"
#include "core/handles.h"
#include "core/host.h"
#include "core/textout.h"
#include "raster/iconlibrary.h"
#include "raster/interfacecolors.h"

namespace host {

namespace {

const StringResources* ResOf(const GxaResource* r) { return reinterpret_cast<const StringResources*>(r); }

GxaResource* OpenStrings(const GxaFilename* folder) {
  Host* h = Host::Current();
  if (!h || !folder) return nullptr;
  return reinterpret_cast<GxaResource*>(h->OpenStrings(FromHandle(folder)->Path()));
}

void CloseStrings(GxaResource* res) {
  Host* h = Host::Current();
  if (!h || !res) return;
  if (!h->CloseStrings(ResOf(res))) h->Diag().Warn("the module closed string resources that were not open");
}

int64_t LoadString(const GxaResource* res, int32_t id, char* buf, size_t cap) {
  if (!res) return -1;
  auto text = ResOf(res)->Get(id);
  if (!text) {
    if (cap > 0 && buf) buf[0] = '\0';
    return -1;
  }
  return WriteText(*text, buf, cap);
}

bool GetIcon(int32_t icon_id, GxaIcon* out) {
  Host* h = Host::Current();
  if (!h || !out) return false;
  auto bitmap = IconLibrary::Shared().Get(icon_id, h->InterfaceScale());
  if (!bitmap) return false;
  // The library keeps every icon it drew, so the bitmap lives as the host.
  out->bitmap = reinterpret_cast<GxaBitmap*>(const_cast<Bitmap*>(bitmap.get()));
  out->x = 0;
  out->y = 0;
  out->w = bitmap->Width();
  out->h = bitmap->Height();
  return true;
}

double InterfaceScale() {
  Host* h = Host::Current();
  return h ? h->InterfaceScale() : 1.0;
}

bool InterfaceColor(int32_t color_id, double rgb[3]) {
  Host* h = Host::Current();
  if (!h || !rgb) return false;
  int theme = h->Prefs().Data().GetInt32(WorldPreferences::kTheme, 0);
  Rgba c;
  if (!InterfaceColors(InterfaceColors::ThemeFromPreference(theme)).Get(color_id, c)) return false;
  rgb[0] = c.r / 255.0;
  rgb[1] = c.g / 255.0;
  rgb[2] = c.b / 255.0;
  return true;
}

const GxaResourceFns kResources = {
    sizeof(GxaResourceFns), OpenStrings, CloseStrings, LoadString, GetIcon, InterfaceScale, InterfaceColor,
};

}  // namespace

const GxaResourceFns* ResourceFamily() { return &kResources; }

}  // namespace host
