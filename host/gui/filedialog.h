#pragma once
// The host's own file dialog, for when no desktop portal answers: the
// folder shown with its folders and the files its filter lets through, a
// field to type a name or a path into (relative to the folder shown, or
// absolute, or from ~), the folders files were chosen in lately, and Up.
// A typed folder is opened rather than chosen; an open request takes only a
// file that is there, a save request asks before replacing one and adds the
// filter's extension to a name without one.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "gui/dialogdelegate.h"
#include "gui/filerequest.h"

namespace host {

class HostDialogs;

class FileDialog : public DialogDelegate {
 public:
  enum : int32_t {
    kOk = 1,
    kCancel = 2,
    kList = 1000,
    kActivate = 1001,
    kName = 1002,
    kFilter = 1003,
    kUp = 1004,
    kFolder = 1005,
    kRecent = 1006,
    kStatus = 1007,
    kScroll = 1008,
  };

  // recent: the folders to offer, newest first.
  FileDialog(FileRequest request, std::vector<std::string> recent, HostDialogs& dialogs);

  bool CreateLayout(Dialog& dialog) override;
  bool InitValues(Dialog& dialog) override;
  bool Command(Dialog& dialog, int32_t id, const Container& msg) override;

  // The file chosen, once the dialog closed on it.
  const std::optional<std::string>& Chosen() const { return chosen_; }
  const std::filesystem::path& Folder() const { return folder_; }
  const std::string& Status() const { return status_; }

 private:
  void AddTop(Dialog& d);
  void AddBottom(Dialog& d);
  const FileFilter& Filter(Dialog& d) const;
  void Enter(Dialog& d, const std::filesystem::path& folder);
  void Refresh(Dialog& d);
  void Selected(Dialog& d);
  void Activated(Dialog& d);
  void Confirm(Dialog& d);
  // The typed text as a path: ~ is home, a relative one is below the folder shown.
  std::filesystem::path Resolve(const std::string& typed) const;
  // Whether path may be the answer; otherwise the status says why.
  bool Acceptable(Dialog& d, std::filesystem::path& path);
  void SetStatus(Dialog& d, std::string text);

  FileRequest request_;
  std::vector<FileFilter> filters_;
  std::vector<std::string> recent_;
  HostDialogs& dialogs_;
  std::filesystem::path folder_;
  std::optional<std::string> chosen_;
  std::string status_;
};

}  // namespace host
