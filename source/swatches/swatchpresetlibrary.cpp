#include "swatches/swatchpresetlibrary.h"

#include "diagnostics.h"
#include "entryguard.h"
#include "hosttext.h"
#include "presetbrowser.h"
#include "swatches/swatchdatalibrary.h"
#include "swatches/swatchpresetstore.h"
#include "swatches/swatchpreseturl.h"

namespace
{
bool Reported(const char* operation, const Result<void>& done)
{
  if (done.IsError())
    ReportError(operation, done.GetError());
  return done.IsOk();
}

bool LoadByUrl(GxaSwatchData* data, const char* url, bool merge)
{
  if (!data || !url)
    return false;
  return GuardEntry("iColorSwatchData::LoadPresetByURL()", false, [&] {
    return Reported("iColorSwatchData::LoadPresetByURL()",
                    swatchpresetstore::Load(*FromHandle(data), String(url), merge));
  });
}

bool LoadByName(GxaSwatchData* data, const char* name, bool merge)
{
  if (!data || !name)
    return false;
  return GuardEntry("iColorSwatchData::LoadPresetByURL()", false, [&] {
    return Reported("iColorSwatchData::LoadPresetByURL()",
                    swatchpresetstore::Load(*FromHandle(data), swatchpreseturl::ForName(String(name)), merge));
  });
}

bool SaveByUrl(GxaSwatchData* data, const char* url, const char* text, bool overwrite)
{
  if (!data || !url || !*url)
    return false;
  return GuardEntry("iColorSwatchData::SavePreset()", false, [&] {
    return Reported("iColorSwatchData::SavePreset()",
                    swatchpresetstore::Save(*FromHandle(data), String(url), String(text), overwrite));
  });
}

bool SaveByName(GxaSwatchData* data, const char* name, const char* text, bool overwrite)
{
  if (!data || !name || !*name)
    return false;
  return GuardEntry("iColorSwatchData::SavePreset()", false, [&] {
    return Reported(
        "iColorSwatchData::SavePreset()",
        swatchpresetstore::Save(*FromHandle(data), swatchpreseturl::ForName(String(name)), String(text), overwrite));
  });
}

std::int64_t ListPresets(char* buf, std::size_t cap)
{
  return GuardEntry("iColorSwatchData::ListPresets()", std::int64_t(-1), [&] {
    Result<BaseArray<String>> urls = presetbrowser::ListFolder(swatchpreseturl::DefaultFolder());
    std::string lines;
    if (urls.IsOk())
      for (const String& url : urls.GetValue())
        if (swatchpresetstore::IsSwatchPreset(url))
          lines += url.GetStd() + "\n";
    return WriteHostText(String(std::move(lines)), buf, cap);
  });
}

bool IsSwatchPreset(const char* url)
{
  return url && GuardEntry("iColorSwatchData::IsSwatchPreset()", false,
                           [&] { return swatchpresetstore::IsSwatchPreset(String(url)); });
}

std::int64_t DefaultFolder(char* buf, std::size_t cap)
{
  return GuardEntry("iColorSwatchData::DefaultFolder()", std::int64_t(-1),
                    [&] { return WriteHostText(swatchpreseturl::DefaultFolder(), buf, cap); });
}
}  // namespace

void FillSwatchPresetEntries(GxaSwatchDataTable& t)
{
  t.load_preset_by_name = LoadByName;
  t.load_preset_by_url = LoadByUrl;
  t.save_preset_by_name = SaveByName;
  t.save_preset_by_url = SaveByUrl;
  t.list_presets = ListPresets;
  t.is_swatch_preset = IsSwatchPreset;
  t.default_folder = DefaultFolder;
}
