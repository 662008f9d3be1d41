#include "core/filebytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace host {

namespace {

std::string Kind(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a pipe";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

std::string Megabytes(uint64_t bytes) { return std::to_string(bytes >> 20) + " MB"; }

}  // namespace

FileBytes::Read FileBytes::From(const std::filesystem::path& path, uint64_t limit) {
  Read r;
  // Non-blocking, so that a FIFO without a writer cannot stall the open.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    r.missing = errno == ENOENT;
    r.error = "cannot read " + path.string() + ": " + std::strerror(errno);
    return r;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    r.error = "cannot read " + path.string() + ": " + std::strerror(errno);
  } else if (!S_ISREG(st.st_mode)) {
    r.error = path.string() + " is " + Kind(st.st_mode) + ", not a file";
  } else if (static_cast<uint64_t>(st.st_size) > limit) {
    r.error = path.string() + " is larger than " + Megabytes(limit);
  }
  if (!r.error.empty()) {
    ::close(fd);
    return r;
  }
  r.bytes.resize(static_cast<size_t>(st.st_size));
  size_t done = 0;
  // A file that grows while it is read is cut at its size when opened.
  while (done < r.bytes.size()) {
    const ssize_t n = ::read(fd, r.bytes.data() + done, r.bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      r.error = "cannot read " + path.string() + ": " + std::strerror(errno);
      break;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  r.bytes.resize(done);
  if (!r.error.empty()) r.bytes.clear();
  return r;
}

Outcome<std::string> FileBytes::Text(const std::filesystem::path& path, uint64_t limit) {
  Read r = From(path, limit);
  if (!r.error.empty()) return Outcome<std::string>::Fail(r.error);
  return std::string(r.bytes.begin(), r.bytes.end());
}

}  // namespace host
