#include "moduleresource.h"

#include <memory>

#include "hostaccess.h"
#include "hosttext.h"

namespace
{
GxaResource* g_strings = nullptr;
// Held as a pointer so that nothing reaches the host at library unload.
std::unique_ptr<Filename> g_folder;
}  // namespace

Filename ModuleResource::FindFolder(const Filename& modulePath)
{
  Filename moduleFolder = modulePath.GetDirectory();
  if (!modulePath.IsInHostFolder())
  {
    moduleFolder.Append("res");
    return moduleFolder;
  }
  Filename folder = Filename::HostFolder();
  folder.Append("resource").Append("modules").Append(moduleFolder.GetFileString());
  return folder;
}

bool ModuleResource::Open(const Filename& folder)
{
  if (g_strings)
    return true;
  const GxaResourceFns* res = HostResources();
  if (!folder.IsValid() || !GXA_HAS(res, open_strings))
    return false;
  g_strings = res->open_strings(folder.Get());
  if (!g_strings)
    return false;
  g_folder = std::make_unique<Filename>(folder);
  return true;
}

bool ModuleResource::IsOpen()
{
  return g_strings != nullptr;
}

void ModuleResource::Release()
{
  const GxaResourceFns* res = HostResources();
  if (g_strings && GXA_HAS(res, close_strings))
    res->close_strings(g_strings);
  g_strings = nullptr;
  g_folder.reset();
}

String ModuleResource::LoadString(std::int32_t id)
{
  const GxaResourceFns* res = HostResources();
  if (!g_strings || !GXA_HAS(res, load_string))
    return {};
  auto text = ReadHostText([&](char* buf, std::size_t cap) { return res->load_string(g_strings, id, buf, cap); });
  return text ? *text : String();
}

String ModuleResource::LoadString(std::int32_t id, const String& text)
{
  const String pattern = LoadString(id);
  const std::size_t at = pattern.Find("@");
  if (at == std::string::npos)
    return pattern;
  return pattern.SubStr(0, at) + text.GetStd() + pattern.SubStr(at + 1).GetStd();
}
