#include "core/storedfile.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <system_error>

#include "core/containercodec.h"
#include "core/filebytes.h"
#include "core/uniquefd.h"

namespace host {

namespace fs = std::filesystem;

namespace {

std::string SystemError(const std::string& what, const fs::path& p, int err) {
  return what + " " + p.string() + ": " + std::strerror(err);
}

std::optional<std::string> WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::string(std::strerror(errno));
    done += static_cast<size_t>(n);
  }
  return std::nullopt;
}

std::string Timestamp() {
  std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm tm{};
  localtime_r(&now, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &tm);
  return buf;
}

}  // namespace

fs::path StoredFile::BackupPath() const { return fs::path(path_.string() + ".bak"); }

StoredFile::Loaded StoredFile::Load() const {
  Loaded result;
  RemoveStaleTemporaries();
  FileBytes::Read file = FileBytes::From(path_, FileBytes::kStoredFileLimit);
  if (file.missing) return result;
  if (!file.error.empty()) {
    result.problem = file.error;
    result.unreadable = true;
    return result;
  }
  auto read = ContainerCodec::Read(file.bytes);
  if (read) {
    result.content = std::move(read.Value());
    return result;
  }
  auto moved = MoveAside();
  result.problem = path_.string() + " is damaged: " + read.Error();
  if (moved) {
    result.moved_to = moved.Value();
    result.problem += "; kept as " + moved->string();
  } else {
    result.problem += "; " + moved.Error();
  }
  return result;
}

fs::path StoredFile::TempPath(int pid) const { return path_.string() + kTempMark + std::to_string(pid); }

void StoredFile::RemoveStaleTemporaries() const {
  const std::string prefix = path_.filename().string() + kTempMark;
  const fs::path dir = path_.parent_path().empty() ? fs::path(".") : path_.parent_path();
  std::error_code ec;
  fs::directory_iterator it(dir, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0) RemoveIfStaleTemporary(it->path());
  }
}

bool StoredFile::RemoveIfStaleTemporary(const fs::path& file) {
  const std::string name = file.filename().string();
  const size_t mark = name.rfind(kTempMark);
  if (mark == std::string::npos || mark == 0) return false;
  const std::string digits = name.substr(mark + std::strlen(kTempMark));
  int pid = 0;
  auto [end, err] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
  if (err != std::errc() || end != digits.data() + digits.size() || pid <= 0) return false;
  // Another host sharing this home may be writing it right now.
  if (pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH) return false;
  std::error_code ignored;
  return fs::is_regular_file(fs::symlink_status(file, ignored)) && fs::remove(file, ignored);
}

Outcome<fs::path> StoredFile::MoveAside() const {
  std::string base = path_.string() + ".damaged-" + Timestamp();
  fs::path target = base;
  std::error_code ec;
  for (int n = 2; fs::exists(target, ec); ++n) target = base + "-" + std::to_string(n);
  // link + unlink never replaces an existing file, unlike rename.
  if (::link(path_.c_str(), target.c_str()) != 0) {
    return Outcome<fs::path>::Fail(SystemError("could not move it aside to", target, errno));
  }
  ::unlink(path_.c_str());
  SyncDirectory(path_.parent_path());
  return target;
}

Outcome<fs::path> StoredFile::WriteTemp(const Container& c) const {
  auto bytes = ContainerCodec::Write(c);
  if (!bytes) return Outcome<fs::path>::Fail("cannot save " + path_.string() + ": " + bytes.Error());
  return WriteTempBytes(bytes.Value());
}

Outcome<fs::path> StoredFile::WriteTempBytes(std::span<const uint8_t> bytes) const {
  using R = Outcome<fs::path>;
  std::error_code ec;
  if (!path_.parent_path().empty()) fs::create_directories(path_.parent_path(), ec);
  if (ec) return R::Fail("cannot create " + path_.parent_path().string() + ": " + ec.message());

  const fs::path temp = TempPath(::getpid());
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return R::Fail(SystemError("cannot create", temp, errno));
  auto err = WriteAll(fd, bytes);
  if (!err && ::fsync(fd) != 0) err = std::strerror(errno);
  ::close(fd);
  if (err) {
    ::unlink(temp.c_str());
    return R::Fail("cannot write " + temp.string() + ": " + *err);
  }
  return temp;
}

Outcome<Done> StoredFile::Commit(const fs::path& temp) const {
  using R = Outcome<Done>;
  std::error_code ec;
  if (fs::exists(path_, ec)) {
    fs::path bak = BackupPath();
    fs::remove(bak, ec);
    // A hard link keeps the current file in place until the rename replaces it.
    if (::link(path_.c_str(), bak.c_str()) != 0) {
      fs::copy_file(path_, bak, fs::copy_options::overwrite_existing, ec);
      if (ec) {
        ::unlink(temp.c_str());
        return R::Fail("cannot keep a copy of " + path_.string() + " as " + bak.string() + ": " + ec.message());
      }
    }
  }
  if (::rename(temp.c_str(), path_.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    return R::Fail(SystemError("cannot replace", path_, err));
  }
  SyncDirectory(path_.parent_path());
  return Done{};
}

Outcome<bool> StoredFile::CommitNew(const fs::path& temp) const {
  int err = 0;
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path_.c_str(), RENAME_NOREPLACE) != 0) {
    err = errno;
    // Where the filesystem cannot, a hard link refuses an existing name as well.
    if (err == EINVAL || err == ENOSYS) err = ::link(temp.c_str(), path_.c_str()) == 0 ? 0 : errno;
    ::unlink(temp.c_str());
  }
  if (err == EEXIST) return false;
  if (err != 0) return Outcome<bool>::Fail(SystemError("cannot create", path_, err));
  SyncDirectory(path_.parent_path());
  return true;
}

Outcome<Done> StoredFile::Save(const Container& c) const {
  auto temp = WriteTemp(c);
  if (!temp) return Outcome<Done>::Fail(temp.Error());
  return Commit(temp.Value());
}

Outcome<Done> StoredFile::SaveBytes(std::span<const uint8_t> bytes) const {
  auto temp = WriteTempBytes(bytes);
  if (!temp) return Outcome<Done>::Fail(temp.Error());
  return Commit(temp.Value());
}

void StoredFile::SyncDirectory(const fs::path& dir) {
  const UniqueFd fd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.IsOpen()) ::fsync(fd.Get());
}

}  // namespace host
