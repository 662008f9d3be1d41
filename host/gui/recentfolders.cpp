#include "gui/recentfolders.h"

#include <algorithm>

#include "core/host.h"
#include "core/worldpreferences.h"

namespace host {

std::vector<std::string> RecentFolders::Read(const Container& prefs) {
  std::vector<std::string> folders;
  const std::string text = prefs.GetString(WorldPreferences::kRecentFolders).value_or("");
  for (size_t at = 0; at < text.size() && folders.size() < kMax;) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    // Only absolute folders: a relative one would move with the working folder.
    if (end > at && text[at] == '/') folders.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return folders;
}

bool RecentFolders::Remember(Container& prefs, const std::string& folder) {
  if (folder.empty() || folder[0] != '/' || folder.find('\n') != std::string::npos) return false;
  std::vector<std::string> folders = Read(prefs);
  if (!folders.empty() && folders.front() == folder) return false;
  folders.erase(std::remove(folders.begin(), folders.end(), folder), folders.end());
  folders.insert(folders.begin(), folder);
  if (folders.size() > kMax) folders.resize(kMax);
  std::string text;
  for (const auto& f : folders) text += (text.empty() ? "" : "\n") + f;
  prefs.SetString(WorldPreferences::kRecentFolders, text);
  return true;
}

std::vector<std::string> RecentFolders::InHost() {
  Host* host = Host::Current();
  return host ? Read(host->Prefs().Data()) : std::vector<std::string>{};
}

std::string RecentFolders::RememberInHost(const std::string& folder) {
  Host* host = Host::Current();
  if (!host || !Remember(host->Prefs().Data(), folder)) return "";
  auto saved = host->Prefs().Save();
  return saved ? "" : saved.Error();
}

}  // namespace host
