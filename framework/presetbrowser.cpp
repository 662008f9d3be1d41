#include "presetbrowser.h"

#include "hosttext.h"
#include "registry.h"

namespace presetbrowser
{
const GxaPresetFns* Find()
{
  const void* table = FindLibrary(GXA_LIB_PRESETBROWSER, 1000, sizeof(GxaPresetBrowserLibrary));
  return table ? static_cast<const GxaPresetBrowserLibrary*>(table)->fns : nullptr;
}

std::optional<GxaPresetItemInfo> ItemInfo(const String& url)
{
  const GxaPresetFns* fns = Find();
  GxaPresetItemInfo info{};
  if (!GXA_HAS(fns, item_info) || !fns->item_info(url.GetCString(), &info))
    return std::nullopt;
  return info;
}

bool Exists(const String& url)
{
  return ItemInfo(url).has_value();
}

std::optional<String> ItemName(const String& url)
{
  const GxaPresetFns* fns = Find();
  if (!GXA_HAS(fns, item_name))
    return std::nullopt;
  return ReadHostText([&](char* buf, std::size_t cap) { return fns->item_name(url.GetCString(), buf, cap); });
}

bool SetItemText(const String& url, const String& text)
{
  const GxaPresetFns* fns = Find();
  return GXA_HAS(fns, item_set_text) && fns->item_set_text(url.GetCString(), text.GetCString());
}

Result<BaseArray<std::uint8_t>> ItemData(const String& url)
{
  const GxaPresetFns* fns = Find();
  if (!GXA_HAS(fns, item_data))
    return UnexpectedError("no preset browser");
  const std::int64_t size = fns->item_data(url.GetCString(), nullptr, 0);
  if (size < 0)
    return IllegalArgumentError("no preset at " + url.GetStd());
  BaseArray<std::uint8_t> bytes;
  RETURN_IF_ERROR(bytes.Resize(static_cast<std::size_t>(size)));
  if (fns->item_data(url.GetCString(), bytes.GetData(), bytes.GetCount()) != size)
    return UnexpectedError("the preset changed while it was read");
  return bytes;
}

bool DeleteItem(const String& url)
{
  const GxaPresetFns* fns = Find();
  return GXA_HAS(fns, item_delete) && fns->item_delete(url.GetCString());
}

bool StorePreset(const String& url, std::int32_t typeId, std::span<const std::uint8_t> data, std::int32_t compression,
                 std::int64_t rawSize, const GxaBitmap* thumbnail)
{
  const GxaPresetFns* fns = Find();
  return GXA_HAS(fns, store_preset) &&
         fns->store_preset(url.GetCString(), typeId, data.data(), data.size(), compression, rawSize, thumbnail);
}

Result<BaseArray<String>> ListFolder(const String& folderUrl)
{
  const GxaPresetFns* fns = Find();
  if (!GXA_HAS(fns, list_folder))
    return UnexpectedError("no preset browser");
  std::optional<String> text =
      ReadHostText([&](char* buf, std::size_t cap) { return fns->list_folder(folderUrl.GetCString(), buf, cap); });
  BaseArray<String> urls;
  if (!text)
    return urls;
  const std::string& all = text->GetStd();
  for (std::size_t at = 0; at < all.size();)
  {
    std::size_t end = all.find('\n', at);
    if (end == std::string::npos)
      end = all.size();
    if (end > at)
      RETURN_IF_ERROR(urls.Append(String(all.substr(at, end - at))));
    at = end + 1;
  }
  return urls;
}

bool OpenBrowser(const String& folderUrl)
{
  const GxaPresetFns* fns = Find();
  return GXA_HAS(fns, open_browser) && fns->open_browser(folderUrl.GetCString());
}
}  // namespace presetbrowser
