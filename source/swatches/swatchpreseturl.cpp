#include "swatches/swatchpreseturl.h"

#include "moduleresource.h"

namespace swatchpreseturl
{
namespace
{
constexpr std::int32_t kFolderString = 20088;
constexpr std::string_view kForbidden = "/\\:*?\"<>|";
}  // namespace

String Join(const String& url, const String& component)
{
  std::string joined = url.GetStd();
  if (!joined.empty() && !joined.ends_with('/'))
    joined += '/';
  return String(joined + component.GetStd());
}

String DefaultFolder()
{
  return Join(Join(String(kScheme), String(kUserLibrary)), ModuleResource::LoadString(kFolderString));
}

String SafeName(const String& name)
{
  std::string safe = name.GetStd();
  for (char& c : safe)
    if (kForbidden.find(c) != std::string_view::npos)
      c = '_';
  return String(std::move(safe));
}

String ForName(const String& name)
{
  return Join(DefaultFolder(), SafeName(name));
}
}  // namespace swatchpreseturl
