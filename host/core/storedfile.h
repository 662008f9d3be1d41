#pragma once
// A container kept in a file of the host's stream format. Saving is atomic:
// the new content goes to a temporary file that is flushed to disk and then
// renamed over the old one, whose previous copy stays as <file>.bak. A file
// that cannot be read is never overwritten: it is moved aside to
// <file>.damaged-<timestamp> and the caller is told where. Loading also
// removes the temporaries of saves whose process died (<file>.tmp-<pid>).
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "core/container.h"
#include "core/outcome.h"

namespace host {

class StoredFile {
 public:
  explicit StoredFile(std::filesystem::path path) : path_(std::move(path)) {}

  struct Loaded {
    std::optional<Container> content;  // empty when there was no file or it was damaged
    std::string problem;               // set when the file was damaged (names both files)
    std::filesystem::path moved_to;    // where a damaged file went
    bool unreadable = false;           // it exists but could not be read: do not save over it
  };
  Loaded Load() const;

  // WriteTemp + Commit.
  Outcome<Done> Save(const Container& c) const;
  // The same for files that are not containers (preset items).
  Outcome<Done> SaveBytes(std::span<const uint8_t> bytes) const;
  // The first half of a save: the new content flushed to a temporary file
  // beside the target. Until Commit the target is untouched.
  Outcome<std::filesystem::path> WriteTemp(const Container& c) const;
  Outcome<std::filesystem::path> WriteTempBytes(std::span<const uint8_t> bytes) const;
  // Keeps the current file as .bak and renames temp over it.
  Outcome<Done> Commit(const std::filesystem::path& temp) const;
  // Gives temp the name only while nothing has it, in one step, so that of
  // two savers of one new name exactly one wins; false (temp removed) for
  // the loser.
  Outcome<bool> CommitNew(const std::filesystem::path& temp) const;

  const std::filesystem::path& Path() const { return path_; }
  // Where the process pid writes a save before committing it.
  std::filesystem::path TempPath(int pid) const;
  std::filesystem::path BackupPath() const;
  // Renames a damaged file to <file>.damaged-<timestamp> without replacing
  // anything; answers where it went.
  Outcome<std::filesystem::path> MoveAside() const;
  // Removes file when it is a save's temporary (<name>.tmp-<pid>) whose
  // process is gone, for stores of many files that sweep their folders.
  static bool RemoveIfStaleTemporary(const std::filesystem::path& file);
  // Makes a rename inside dir durable.
  static void SyncDirectory(const std::filesystem::path& dir);

 private:
  static constexpr const char* kTempMark = ".tmp-";

  void RemoveStaleTemporaries() const;

  std::filesystem::path path_;
};

}  // namespace host
