// The recent-folders preference as a hand-edited or damaged preferences file
// may hold it. Whatever the text, the list is at most eight absolute folders
// without line breaks, and remembering a folder puts it first and keeps the
// list within bounds.
#include "core/container.h"
#include "core/worldpreferences.h"
#include "fuzztarget.h"
#include "gui/recentfolders.h"

namespace gxa_fuzz {
namespace {

void ExpectWellFormed(const std::vector<std::string>& folders) {
  Expect(folders.size() <= host::RecentFolders::kMax, "at most eight folders");
  for (const auto& f : folders) {
    Expect(!f.empty() && f[0] == '/', "only absolute folders");
    Expect(f.find('\n') == std::string::npos, "one folder a line");
  }
}

void Run(std::span<const uint8_t> data) {
  host::Container prefs;
  prefs.SetString(host::WorldPreferences::kRecentFolders, std::string(data.begin(), data.end()));
  ExpectWellFormed(host::RecentFolders::Read(prefs));
  host::RecentFolders::Remember(prefs, "/chosen/folder");
  const auto after = host::RecentFolders::Read(prefs);
  ExpectWellFormed(after);
  Expect(!after.empty() && after.front() == "/chosen/folder", "the folder remembered comes first");
}

std::vector<Bytes> Seeds() {
  return {BytesOf(""), BytesOf("/home/user/pictures\n/tmp"), BytesOf("relative\n\n/abs\n"),
          BytesOf("/a\n/b\n/c\n/d\n/e\n/f\n/g\n/h\n/i\n/j"), BytesOf("/chosen/folder\n/other")};
}

const bool kRegistered = Register({"recentfolders", &Run, &Seeds, 20000});

}  // namespace
}  // namespace gxa_fuzz
