#include "presets/presetfamily.h"

#include <cstring>
#include <utility>
#include <vector>

#include "core/host.h"
#include "gui/gui.h"
#include "presets/colornamecarry.h"
#include "presets/deferreddelete.h"
#include "presets/presetbrowserwindow.h"
#include "presets/presetlibrary.h"
#include "presets/stageditem.h"

namespace host {

namespace {

// Family calls come from module code: nothing may throw across them.
template <class R, class F>
R Guard(R on_failure, F&& f) noexcept {
  try {
    return f();
  } catch (...) {
    return on_failure;
  }
}

std::optional<PresetLibrary> LibraryAsItIs() {
  Host* h = Host::Current();
  if (!h || !h->Paths()) return std::nullopt;
  return PresetLibrary(h->Paths()->DataDir());
}

// Every call but a store sees a module's delete carried out.
std::optional<PresetLibrary> Library() {
  DeferredDelete::Flush();
  return LibraryAsItIs();
}

std::optional<PresetUrl> Url(const char* text) {
  if (!text) return std::nullopt;
  auto url = PresetUrl::Parse(text);
  return url ? std::optional<PresetUrl>(url.Value()) : std::nullopt;
}

int64_t WriteText(const std::string& text, char* buf, size_t cap) {
  if (buf && cap) {
    const size_t n = std::min(cap - 1, text.size());
    std::memcpy(buf, text.data(), n);
    buf[n] = '\0';
  }
  return int64_t(text.size());
}

PresetTypes* Types() {
  Host* h = Host::Current();
  return h ? &h->Registrations().Presets() : nullptr;
}

GxaPresetType* RegisterType(int32_t id, const char* name, const GxaPresetTypeCallbacks* cb, void* user) {
  PresetTypes* types = Types();
  if (!types || !cb || cb->size < offsetof(GxaPresetTypeCallbacks, open)) return nullptr;
  return Guard<GxaPresetType*>(
      nullptr, [&] { return reinterpret_cast<GxaPresetType*>(types->Register(id, name ? name : "", *cb, user)); });
}

bool CompleteRegistration(GxaPresetType* type, int32_t flags) {
  PresetTypes* types = Types();
  return types && flags == 0 && types->Complete(reinterpret_cast<const PresetType*>(type));
}

void UnregisterType(GxaPresetType* type) {
  if (PresetTypes* types = Types()) types->Unregister(reinterpret_cast<const PresetType*>(type));
}

bool ItemInfo(const char* text, GxaPresetItemInfo* out) {
  auto lib = Library();
  auto url = Url(text);
  if (!lib || !url || !out) return false;
  return Guard(false, [&] {
    if (lib->IsFolder(*url)) {
      *out = {GXA_PRESET_KIND_FOLDER, 0, 0, 0, 0};
      return true;
    }
    auto found = lib->Find(*url);
    if (!found) return false;
    const PresetItem* staged = StagedItem::At(*url);
    const PresetItemHeader& h = staged ? staged->header : found->header;
    const uint64_t size = staged ? staged->data.size() : h.data_size;
    *out = {h.kind, h.type, h.data_kind, int64_t(size), int64_t(h.uncompressed_size)};
    return true;
  });
}

int64_t ItemName(const char* text, char* buf, size_t cap) {
  auto lib = Library();
  auto url = Url(text);
  if (!lib || !url || !lib->Exists(*url)) return -1;
  return Guard<int64_t>(-1, [&] { return WriteText(url->Name(), buf, cap); });
}

int64_t ItemText(const char* text, char* buf, size_t cap) {
  auto lib = Library();
  auto url = Url(text);
  if (!lib || !url) return -1;
  return Guard<int64_t>(-1, [&]() -> int64_t {
    auto found = lib->Find(*url);
    return found ? WriteText(found->header.text, buf, cap) : -1;
  });
}

bool ItemSetText(const char* text, const char* value) {
  auto lib = Library();
  auto url = Url(text);
  return lib && url && Guard(false, [&] { return bool(lib->SetText(*url, value ? value : "")); });
}

int64_t ItemData(const char* text, void* buf, size_t cap) {
  auto lib = Library();
  auto url = Url(text);
  if (!lib || !url) return -1;
  return Guard<int64_t>(-1, [&]() -> int64_t {
    auto item = lib->Read(*url, false);
    if (!item) return -1;
    const PresetItem* staged = StagedItem::At(*url);
    const std::vector<uint8_t>& data = staged ? staged->data : item->data;
    if (buf && cap) std::memcpy(buf, data.data(), std::min(cap, data.size()));
    return int64_t(data.size());
  });
}

bool ItemDelete(const char* text) {
  auto lib = Library();
  auto url = Url(text);
  if (!lib || !url || !lib->Exists(*url) || lib->IsReadOnly(*url)) return false;
  return Guard(false, [&] {
    DeferredDelete::Hold(*lib, *url);
    return true;
  });
}

// Through the host's own bitmap family: the module's bitmap is one of its handles.
PresetThumbnail ThumbnailOf(const GxaBitmap* bmp) {
  PresetThumbnail t;
  Host* h = Host::Current();
  const GxaBitmapFns* bitmaps = h ? h->Table().Table()->bitmaps : nullptr;
  if (!bmp || !GXA_HAS(bitmaps, get_row)) return t;
  t.width = bitmaps->width(bmp);
  t.height = bitmaps->height(bmp);
  if (t.width <= 0 || t.height <= 0) return {};
  // Appended row by row: a resize would first zero the whole picture.
  const size_t row_bytes = size_t(t.width) * 3;
  std::vector<uint8_t> row(row_bytes);
  t.rgb.reserve(row_bytes * size_t(t.height));
  for (int32_t y = 0; y < t.height; ++y) {
    if (!bitmaps->get_row(bmp, y, row.data(), t.width, GXA_PIXEL_RGB8)) return {};
    t.rgb.insert(t.rgb.end(), row.begin(), row.end());
  }
  return t;
}

bool StorePreset(const char* text, int32_t type, const void* data, size_t count, int32_t compression, int64_t raw_size,
                 const GxaBitmap* thumbnail) {
  auto lib = LibraryAsItIs();
  auto url = Url(text);
  if (!lib || !url || (!data && count) || raw_size < 0) return false;
  // Over an item the module has just deleted: replaced in one step.
  const bool replacing = DeferredDelete::Take(*lib, *url);
  if (!replacing) DeferredDelete::Flush();
  return Guard(false, [&] {
    PresetItem item;
    item.header.kind = kPresetItemKind;
    item.header.type = type;
    item.header.data_kind = compression;
    item.header.uncompressed_size = uint64_t(raw_size);
    const auto* bytes = static_cast<const uint8_t*>(data);
    item.data.assign(bytes, bytes + count);
    item.thumbnail = ThumbnailOf(thumbnail);
    std::string notice;
    if (replacing) {
      ColorNameCarry::Kept kept = ColorNameCarry::Replacing(*Host::Current(), *lib, *url, item);
      item.color_names = std::move(kept.names);
      notice = std::move(kept.notice);
    }
    auto written = lib->Write(*url, item, replacing);
    if (!written) PresetFamily::NoteRefusal(written.Error());
    if (written && !written->empty()) notice = *written + ", and the preset saved in its place has no colour names";
    if (!notice.empty()) PresetFamily::Tell(notice);
    return bool(written);
  });
}

int64_t ListFolder(const char* text, char* buf, size_t cap) {
  auto lib = Library();
  auto url = Url(text);
  if (!lib || !url) return -1;
  return Guard<int64_t>(-1, [&] {
    std::string lines;
    for (const PresetEntry& e : lib->List(*url, false).items) lines += e.url.Text() + "\n";
    return WriteText(lines, buf, cap);
  });
}

bool OpenBrowser(const char* text) {
  Host* h = Host::Current();
  auto url = Url(text);
  if (!h || !url) return false;
  return Guard(false, [&] { return PresetBrowserWindow::Run(*h, Gui::Get().GetScreen(), *url); });
}

const GxaPresetFns kPresets = {
    sizeof(GxaPresetFns), RegisterType, CompleteRegistration, UnregisterType, ItemInfo,   ItemName,    ItemText,
    ItemSetText,          ItemData,     ItemDelete,           StorePreset,    ListFolder, OpenBrowser,
};

const GxaPresetBrowserLibrary kBrowserLibrary = {{1000, sizeof(GxaPresetBrowserLibrary)}, &kPresets};

}  // namespace

void PresetFamily::Install(Host& host) {
  host.Table().Install(&kPresets);
  host.Registrations().PublishHostLibrary(GXA_LIB_PRESETBROWSER, &kBrowserLibrary);
}

std::string& PresetFamily::Refusal() {
  static std::string refusal;
  return refusal;
}

std::string PresetFamily::TakeRefusal() { return std::exchange(Refusal(), {}); }

void PresetFamily::Tell(const std::string& text) {
  if (Host* h = Host::Current()) h->Diag().Warn(text);
  if (Gui::Exists()) Gui::Get().Notice(text);
}

Outcome<Done> PresetFamily::Apply(Host& host, const std::string& text) {
  auto url = PresetUrl::Parse(text);
  if (!url) return Outcome<Done>::Fail(url.Error());
  if (!host.Paths()) return Outcome<Done>::Fail("the host has no data folder");
  DeferredDelete::Flush();
  // The whole item, so that damaged data is named as such rather than as a missing preset.
  auto found = PresetLibrary(host.Paths()->DataDir()).Read(*url, false);
  if (!found) return Outcome<Done>::Fail(found.Error());
  PresetType* type = host.Registrations().Presets().Find(found->header.type);
  if (!type) return Outcome<Done>::Fail("no module handles presets of type " + std::to_string(found->header.type));
  return type->Load(text, nullptr);
}

}  // namespace host
