#pragma once
// The host's preset browser: items of the preset library by URL, and the
// registration of preset types. Every call answers false or empty when the
// host has no browser.
#include <cstdint>
#include <optional>
#include <span>

#include "basearray.h"
#include "gxa_api.h"
#include "gxastring.h"
#include "result.h"

namespace presetbrowser
{
// The browser as published in library 1017645, null when the host has none.
const GxaPresetFns* Find();

std::optional<GxaPresetItemInfo> ItemInfo(const String& url);
bool Exists(const String& url);
std::optional<String> ItemName(const String& url);
bool SetItemText(const String& url, const String& text);
Result<BaseArray<std::uint8_t>> ItemData(const String& url);
bool DeleteItem(const String& url);
bool StorePreset(const String& url, std::int32_t typeId, std::span<const std::uint8_t> data, std::int32_t compression,
                 std::int64_t rawSize, const GxaBitmap* thumbnail);
// The URLs of a folder's items, in the browser's order.
Result<BaseArray<String>> ListFolder(const String& folderUrl);
// Shows the host's browser at a folder; false when the host cannot.
bool OpenBrowser(const String& folderUrl);
}  // namespace presetbrowser
