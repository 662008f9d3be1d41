#include "presets/presetlibrary.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "core/storedfile.h"
#include "presets/presetitemcodec.h"
#include "presets/presetitemfile.h"

namespace host {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLibraryExtension = ".libvx";

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() > tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Folded(const std::string& s) {
  std::string f = s;
  std::transform(f.begin(), f.end(), f.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return f;
}

// Folder path, then name, each ignoring case first, items of a folder before
// those of its subfolders: one string that sorts that way, built once per
// entry rather than in every comparison.
std::string SortKey(const PresetUrl& u) {
  std::string folded = Folded(u.Library()), exact = u.Library();
  for (size_t i = 0; i < u.Path().size(); ++i) {
    const char separator = i + 1 == u.Path().size() ? '\x01' : '\x02';
    folded += separator + Folded(u.Path()[i]);
    exact += separator + u.Path()[i];
  }
  return folded + '\x00' + exact;
}

template <class T, class UrlOf>
void SortByUrl(std::vector<T>& v, UrlOf url_of) {
  std::vector<std::pair<std::string, size_t>> keys;
  keys.reserve(v.size());
  for (size_t i = 0; i < v.size(); ++i) keys.emplace_back(SortKey(url_of(v[i])), i);
  std::sort(keys.begin(), keys.end());
  std::vector<T> sorted;
  sorted.reserve(v.size());
  for (const auto& k : keys) sorted.push_back(std::move(v[k.second]));
  v = std::move(sorted);
}

// An item file's (or with an empty file, a folder's) path inside its library
// as the index keys it: file names joined by '/', a folder ending in '/'.
std::string RelativeKey(const PresetUrl& folder, const std::string& file) {
  std::string key;
  for (const auto& part : folder.Path()) key += PresetUrl::FileName(part) + "/";
  return key + file;
}

Outcome<Done> Fail(const std::string& text) { return Outcome<Done>::Fail(text); }

}  // namespace

std::vector<std::string> PresetLibrary::Libraries() const {
  std::vector<std::string> others;
  std::error_code ec;
  for (fs::directory_iterator it(root_, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (EndsWith(name, kLibraryExtension) && name != kShippedLibrary && name != kUserLibrary && it->is_directory(ec)) {
      others.push_back(name);
    }
  }
  std::sort(others.begin(), others.end());
  others.insert(others.begin(), {kShippedLibrary, kUserLibrary});
  return others;
}

PresetListing PresetLibrary::List(const PresetUrl& folder, bool recursive) const {
  PresetListing out;
  const fs::path library = PresetUrl::Of(folder.Library(), {}).FolderPath(root_);
  const PresetIndex::Entries cached = PresetIndex::Load(library);
  PresetIndex::Entries seen;
  ListFolder(folder, recursive, cached, seen, out);
  if (recursive) {
    // Entries outside the folder listed stay as they were.
    const std::string prefix = RelativeKey(folder, "");
    PresetIndex::Entries next = seen;
    for (const auto& [key, entry] : cached) {
      if (!key.starts_with(prefix)) next.emplace(key, entry);
    }
    if (next != cached) PresetIndex::Save(library, next);
  }
  SortByUrl(out.items, [](const PresetEntry& e) -> const PresetUrl& { return e.url; });
  SortByUrl(out.folders, [](const PresetUrl& u) -> const PresetUrl& { return u; });
  std::sort(out.problems.begin(), out.problems.end());
  return out;
}

PresetListing PresetLibrary::ListAll() const {
  PresetListing all;
  for (const auto& name : Libraries()) {
    PresetListing one = List(PresetUrl::Of(name, {}));
    all.folders.push_back(PresetUrl::Of(name, {}));
    std::move(one.items.begin(), one.items.end(), std::back_inserter(all.items));
    std::move(one.folders.begin(), one.folders.end(), std::back_inserter(all.folders));
    std::move(one.problems.begin(), one.problems.end(), std::back_inserter(all.problems));
  }
  return all;
}

void PresetLibrary::ListFolder(const PresetUrl& folder, bool recursive, const PresetIndex::Entries& cached,
                               PresetIndex::Entries& seen, PresetListing& out) const {
  const fs::path dir = folder.FolderPath(root_);
  const std::string extension = PresetUrl::kItemExtension;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string file = it->path().filename().string();
    std::error_code type_ec;
    if (it->is_directory(type_ec)) {
      auto component = PresetUrl::ComponentOf(file);
      if (!component) continue;  // not a folder the library made
      out.folders.push_back(folder.Child(*component));
      if (recursive) ListFolder(folder.Child(*component), true, cached, seen, out);
      continue;
    }
    if (!EndsWith(file, extension)) {
      // Backups, damaged copies and the index stay; a dead save's temporary goes.
      if (!IsReadOnly(folder)) StoredFile::RemoveIfStaleTemporary(it->path());
      continue;
    }
    auto name = PresetUrl::ComponentOf(file.substr(0, file.size() - extension.size()));
    if (!name) {
      out.problems.push_back(it->path().string() + ": " + name.Error() + "; skipped");
      continue;
    }
    std::string problem;
    PresetItemHeader header = ItemHeader(it->path(), RelativeKey(folder, file), cached, seen, problem);
    if (!problem.empty()) {
      out.problems.push_back(problem + "; skipped, the file is kept as it is");
      continue;
    }
    out.items.push_back({folder.Child(*name), std::move(header), it->path()});
  }
}

PresetItemHeader PresetLibrary::ItemHeader(const fs::path& file, const std::string& key,
                                           const PresetIndex::Entries& cached, PresetIndex::Entries& seen,
                                           std::string& problem) const {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) {
    problem = file.string() + ": " + std::strerror(errno);
    return {};
  }
  PresetIndexEntry entry{
      uint64_t(st.st_size), int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec, uint64_t(st.st_ino), {}};
  auto known = cached.find(key);
  if (known != cached.end() && known->second.size == entry.size && known->second.mtime_ns == entry.mtime_ns &&
      known->second.inode == entry.inode) {
    entry.header = known->second.header;
  } else {
    auto header = PresetItemFile::ReadHeader(file);
    if (!header) {
      problem = header.Error();
      return {};
    }
    entry.header = std::move(header.Value());
  }
  seen[key] = entry;
  return entry.header;
}

bool PresetLibrary::Exists(const PresetUrl& item) const {
  std::error_code ec;
  return !item.IsLibrary() && fs::is_regular_file(item.ItemPath(root_), ec);
}

bool PresetLibrary::IsFolder(const PresetUrl& url) const {
  std::error_code ec;
  return fs::is_directory(url.FolderPath(root_), ec);
}

Outcome<PresetEntry> PresetLibrary::Find(const PresetUrl& item) const {
  if (!Exists(item)) return Outcome<PresetEntry>::Fail("there is no preset at " + item.Text());
  const fs::path file = item.ItemPath(root_);
  auto header = PresetItemFile::ReadHeader(file);
  if (!header) return Outcome<PresetEntry>::Fail(item.Text() + " is damaged: " + header.Error());
  return PresetEntry{item, std::move(header.Value()), file};
}

Outcome<PresetItem> PresetLibrary::Read(const PresetUrl& item, bool with_thumbnail) const {
  if (!Exists(item)) return Outcome<PresetItem>::Fail("there is no preset at " + item.Text());
  auto read = PresetItemFile::Read(item.ItemPath(root_), with_thumbnail);
  if (!read) return Outcome<PresetItem>::Fail(item.Text() + " is damaged: " + read.Error());
  return read;
}

Outcome<Done> PresetLibrary::CheckWritable(const PresetUrl& url) const {
  if (url.IsLibrary()) return Fail(url.Text() + " is a library, not an item");
  if (IsReadOnly(url)) return Fail(url.Text() + " is in the shipped library, which cannot be changed");
  return Done{};
}

Outcome<std::string> PresetLibrary::Write(const PresetUrl& item, const PresetItem& content, bool overwrite) {
  using R = Outcome<std::string>;
  if (auto ok = CheckWritable(item); !ok) return R::Fail(ok.Error());
  const std::string taken = "a preset named '" + item.Name() + "' already exists at " + item.Text();
  if (!overwrite && Exists(item)) return R::Fail(taken);
  StoredFile file(item.ItemPath(root_));
  std::error_code ec;
  if (fs::is_directory(file.Path(), ec)) return R::Fail(item.Text() + " is a folder");
  // With room for the temporary's mark and a process ID behind it.
  if (file.TempPath(INT32_MAX).filename().string().size() > NAME_MAX) {
    return R::Fail("the name '" + item.Name().substr(0, 40) + "...' is too long for a file name");
  }
  auto temp = file.WriteTempBytes(PresetItemCodec::Write(content));
  if (!temp) return R::Fail("cannot save " + item.Text() + ": " + temp.Error());
  if (overwrite) return Replace(file, item, temp.Value());
  // Another saver may have taken the name since it was looked at.
  auto made = file.CommitNew(temp.Value());
  if (!made) return R::Fail("cannot save " + item.Text() + ": " + made.Error());
  if (!*made) return R::Fail(taken);
  return std::string();
}

Outcome<std::string> PresetLibrary::Replace(const StoredFile& file, const PresetUrl& item, const fs::path& temp) {
  using R = Outcome<std::string>;
  // Only once the new item is safely on disk, so that a full disk moves nothing.
  auto outgoing = ReadOrSetAside(item);
  if (!outgoing) {
    ::unlink(temp.c_str());
    return R::Fail(outgoing.Error());
  }
  const std::string& notice = outgoing->notice;
  auto saved = file.Commit(temp);
  if (!saved)
    return R::Fail("cannot save " + item.Text() + ": " + saved.Error() + (notice.empty() ? "" : "; " + notice));
  return notice;
}

Outcome<PresetLibrary::Outgoing> PresetLibrary::ReadOrSetAside(const PresetUrl& item) {
  if (!Exists(item)) return Outgoing{};
  auto read = Read(item);
  if (read) return Outgoing{std::move(read.Value()), ""};
  if (auto ok = CheckWritable(item); !ok) return Outcome<Outgoing>::Fail(ok.Error());
  auto aside = StoredFile(item.ItemPath(root_)).MoveAside();
  if (!aside) return Outcome<Outgoing>::Fail("cannot save " + item.Text() + " over a damaged item: " + aside.Error());
  return Outgoing{std::nullopt, read.Error() + "; it is kept as " + aside->filename().string()};
}

Outcome<Done> PresetLibrary::SetText(const PresetUrl& item, const std::string& text) {
  return Rewrite(item, [&](std::span<const uint8_t> bytes) { return PresetItemCodec::WithText(bytes, text); });
}

Outcome<Done> PresetLibrary::SetColorNames(const PresetUrl& item, const ColorNames& names) {
  return Rewrite(item, [&](std::span<const uint8_t> bytes) { return PresetItemCodec::WithColorNames(bytes, names); });
}

Outcome<Done> PresetLibrary::Rewrite(const PresetUrl& item, const Change& change) {
  if (auto ok = CheckWritable(item); !ok) return ok;
  if (!Exists(item)) return Fail("there is no preset at " + item.Text());
  StoredFile file(item.ItemPath(root_));
  auto bytes = PresetItemFile::Bytes(file.Path());
  if (!bytes) return Fail(bytes.Error());
  // Only the header and what follows the thumbnail change: it is neither unpacked nor packed again.
  auto changed = change(bytes.Value());
  if (!changed) return Fail(item.Text() + " is damaged: " + changed.Error());
  auto saved = file.SaveBytes(changed.Value());
  if (!saved) return Fail("cannot save " + item.Text() + ": " + saved.Error());
  return Done{};
}

Outcome<Done> PresetLibrary::Rename(const PresetUrl& item, const std::string& new_name) {
  if (auto ok = CheckWritable(item); !ok) return ok;
  if (new_name.empty() || new_name.find('/') != std::string::npos) {
    return Fail("'" + new_name + "' cannot name a preset: it is empty or holds a '/'");
  }
  if (!Exists(item)) return Fail("there is no preset at " + item.Text());
  const PresetUrl target = item.WithName(new_name);
  if (target == item) return Done{};
  const fs::path from = item.ItemPath(root_), to = target.ItemPath(root_);
  // link refuses to replace an existing item, which rename would not.
  if (::link(from.c_str(), to.c_str()) != 0) {
    if (errno == EEXIST) return Fail("a preset named '" + new_name + "' already exists at " + target.Text());
    return Fail("cannot rename " + item.Text() + ": " + std::strerror(errno));
  }
  ::unlink(from.c_str());
  std::error_code ec;
  fs::remove(StoredFile(from).BackupPath(), ec);
  StoredFile::SyncDirectory(from.parent_path());
  return Done{};
}

Outcome<Done> PresetLibrary::Remove(const PresetUrl& item) {
  if (auto ok = CheckWritable(item); !ok) return ok;
  const fs::path file = item.ItemPath(root_);
  if (!Exists(item)) return Fail("there is no preset at " + item.Text());
  if (::unlink(file.c_str()) != 0) return Fail("cannot delete " + item.Text() + ": " + std::strerror(errno));
  std::error_code ec;
  fs::remove(StoredFile(file).BackupPath(), ec);
  StoredFile::SyncDirectory(file.parent_path());
  return Done{};
}

Outcome<Done> PresetLibrary::MakeFolder(const PresetUrl& folder) {
  if (IsReadOnly(folder)) return Fail(folder.Text() + " is in the shipped library, which cannot be changed");
  std::error_code ec;
  fs::create_directories(folder.FolderPath(root_), ec);
  if (ec) return Fail("cannot create " + folder.Text() + ": " + ec.message());
  return Done{};
}

}  // namespace host
