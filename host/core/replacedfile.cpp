#include "core/replacedfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace host {

namespace {

std::string Failure(const std::string& what, const std::filesystem::path& p, int err) {
  return what + " " + p.string() + ": " + std::strerror(err);
}

}  // namespace

Outcome<Done> ReplacedFile::Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  using R = Outcome<Done>;
  struct stat st {};
  // A link, like a pipe, may be what the user meant to keep: neither is
  // written through nor replaced.
  if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    return R::Fail("not replacing " + path.string() + ", which is " +
                   (S_ISLNK(st.st_mode)   ? "a symbolic link"
                    : S_ISDIR(st.st_mode) ? "a directory"
                                          : "not a regular file"));
  }
  const std::filesystem::path temp = path.string() + ".tmp-" + std::to_string(::getpid());
  // O_EXCL: whatever already has that name is not written through.
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return R::Fail(Failure("cannot create", temp, errno));
  size_t done = 0;
  int err = 0;
  while (done < bytes.size() && err == 0) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno != EINTR) err = errno;
    if (n > 0) done += static_cast<size_t>(n);
  }
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    return R::Fail(Failure("cannot write", path, err));
  }
  return Done{};
}

}  // namespace host
