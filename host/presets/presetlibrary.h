#pragma once
// The host's preset library on disk. Below the data folder (DIR/data/gxa-host
// with --home DIR, else $XDG_DATA_HOME/gxa-host) each library is a folder
// NAME.libvx: "source.libvx" holds what ships with the host and cannot be
// changed from the browser, "user.libvx" what the user saves. Folders inside
// a library are folders on disk; each item is one file (see PresetItemCodec)
// named after the item, written atomically (StoredFile), so a crash leaves
// either the old or the new item, never half of one. An item a write
// replaces is read whole first; one damaged in any way is not written over.
//
// Listing reads only each item's small header, and an index at the top of
// each library (see PresetIndex) spares even that for items that did not
// change, so a library of thousands of presets lists in milliseconds. An item that cannot be read is reported in
// the listing's problems, skipped, and left on disk as it is; a write over
// it first moves it aside to <file>.damaged-<time>.
//
//   PresetLibrary lib(paths.DataDir());
//   auto url = PresetUrl::Parse("preset:/user.libvx/Color Swatches/Sunset").Value();
//   lib.Write(url, item, /*overwrite=*/false);      // fails when it exists
//   for (const PresetEntry& e : lib.List(url.Parent()).items) ...  // headers only
//   auto full = lib.Read(url);                      // data and thumbnail
//   lib.Rename(url, "Dusk");  lib.Remove(url.WithName("Dusk"));
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/outcome.h"
#include "presets/presetindex.h"
#include "presets/presetitem.h"
#include "presets/preseturl.h"

namespace host {

class StoredFile;

struct PresetEntry {
  PresetUrl url;
  PresetItemHeader header;
  std::filesystem::path file;
};

struct PresetListing {
  std::vector<PresetEntry> items;     // folders first by path, then names, ignoring case
  std::vector<PresetUrl> folders;     // every folder below the one listed
  std::vector<std::string> problems;  // one line per item skipped, naming its file
};

class PresetLibrary {
 public:
  static constexpr const char* kUserLibrary = "user.libvx";
  static constexpr const char* kShippedLibrary = "source.libvx";

  // shipped_writable lets tools fill the shipped library; the host never sets it.
  explicit PresetLibrary(std::filesystem::path root, bool shipped_writable = false)
      : root_(std::move(root)), shipped_writable_(shipped_writable) {}

  const std::filesystem::path& Root() const { return root_; }
  // The shipped and the user's library, then any other NAME.libvx folder.
  std::vector<std::string> Libraries() const;
  bool IsReadOnly(const PresetUrl& url) const { return !shipped_writable_ && url.Library() == kShippedLibrary; }

  // Items in the folder (a library or a folder in one) and, when recursive,
  // below it. A folder that does not exist lists empty.
  PresetListing List(const PresetUrl& folder, bool recursive = true) const;
  // Every library's items.
  PresetListing ListAll() const;

  // Whether a file is there for the item, readable or not.
  bool Exists(const PresetUrl& item) const;
  bool IsFolder(const PresetUrl& url) const;
  // The header alone; fails when there is no item or it is damaged.
  Outcome<PresetEntry> Find(const PresetUrl& item) const;
  // Header, data and (unless asked not to) the thumbnail's pixels.
  Outcome<PresetItem> Read(const PresetUrl& item, bool with_thumbnail = true) const;

  // Stores the item; without overwrite an existing item (even a damaged
  // one) makes it fail. The replaced version stays as <file>.bak, or, when
  // it is damaged, is set aside (ReadOrSetAside): the answer is then what to
  // tell the user about it, else empty.
  Outcome<std::string> Write(const PresetUrl& item, const PresetItem& content, bool overwrite);

  struct Outgoing {
    std::optional<PresetItem> item;  // as it was, when there was one and it is sound
    std::string notice;              // when it was damaged: where it went, for the user
  };
  // An item about to be replaced, read whole (header, data, thumbnail and
  // colour names). A damaged one is moved to <file>.damaged-<time>, in case
  // it can be rescued, never written over; fails only when it cannot be
  // moved, and then nothing may be written in its place.
  Outcome<Outgoing> ReadOrSetAside(const PresetUrl& item);
  Outcome<Done> SetText(const PresetUrl& item, const std::string& text);
  // Names for the item's colours, kept beside its data.
  Outcome<Done> SetColorNames(const PresetUrl& item, const ColorNames& names);
  // Within the item's folder; fails when an item of that name exists.
  Outcome<Done> Rename(const PresetUrl& item, const std::string& new_name);
  Outcome<Done> Remove(const PresetUrl& item);
  Outcome<Done> MakeFolder(const PresetUrl& folder);

 private:
  using Change = std::function<Outcome<std::vector<uint8_t>>(std::span<const uint8_t>)>;

  Outcome<Done> CheckWritable(const PresetUrl& url) const;
  // The overwriting half of Write, with the new item in temp.
  Outcome<std::string> Replace(const StoredFile& file, const PresetUrl& item, const std::filesystem::path& temp);
  // The item's file replaced by change's answer to its bytes.
  Outcome<Done> Rewrite(const PresetUrl& item, const Change& change);
  // seen gathers what the index should say about the items found.
  void ListFolder(const PresetUrl& folder, bool recursive, const PresetIndex::Entries& cached,
                  PresetIndex::Entries& seen, PresetListing& out) const;
  PresetItemHeader ItemHeader(const std::filesystem::path& file, const std::string& key,
                              const PresetIndex::Entries& cached, PresetIndex::Entries& seen,
                              std::string& problem) const;

  std::filesystem::path root_;
  bool shipped_writable_;
};

}  // namespace host
