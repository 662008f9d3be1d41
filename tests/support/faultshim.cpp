// Preloaded into gxa-host by the save fault tests: the n-th step of writing
// files (a write to a regular file, an fsync, a creating open, a rename, a
// link, an unlink) fails as a full disk would, or the host is killed right
// there, so a test can walk a save through every one of its steps.
//   GXA_FAULT_AT=n       the step that goes wrong (counted from 1)
//   GXA_FAULT_KILL=1     SIGKILL there instead of failing
//   GXA_FAULT_SEEN=FILE  created when the step is reached
// Other programs the test's shell starts are left alone.
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

template <class F>
F Real(const char* name)
{
  return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

bool InHost()
{
  static const int in_host = strcmp(program_invocation_short_name, "gxa-host") == 0 ? 1 : 0;
  return in_host == 1;
}

long Target()
{
  static const long at = [] {
    const char* v = ::getenv("GXA_FAULT_AT");
    return v ? ::atol(v) : 0L;
  }();
  return at;
}

// true when this step is to go wrong (then errno is set to err).
bool Faulty(int err)
{
  if (!InHost() || Target() <= 0)
    return false;
  static long steps = 0;
  if (++steps != Target())
    return false;
  if (const char* seen = ::getenv("GXA_FAULT_SEEN"))
  {
    static auto real_open = Real<int (*)(const char*, int, ...)>("open");
    const int fd = real_open(seen, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0)
      ::close(fd);
  }
  if (::getenv("GXA_FAULT_KILL"))
    ::raise(SIGKILL);
  errno = err;
  return true;
}

bool IsRegularFile(int fd)
{
  struct stat st
  {};
  return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

// A creating open is a step; one that only reads is not.
int OpenThrough(const char* name, const char* path, int flags, mode_t mode)
{
  const auto real = Real<int (*)(const char*, int, ...)>(name);
  if ((flags & O_CREAT) && Faulty(ENOSPC))
    return -1;
  return real(path, flags, mode);
}

}  // namespace

extern "C"
{
  ssize_t write(int fd, const void* buf, size_t n)
  {
    static auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
    if (IsRegularFile(fd) && Faulty(ENOSPC))
      return -1;
    return real(fd, buf, n);
  }

  int fsync(int fd)
  {
    static auto real = Real<int (*)(int)>("fsync");
    if (IsRegularFile(fd) && Faulty(EIO))
      return -1;
    return real(fd);
  }

  int fdatasync(int fd)
  {
    static auto real = Real<int (*)(int)>("fdatasync");
    if (IsRegularFile(fd) && Faulty(EIO))
      return -1;
    return real(fd);
  }

  int open(const char* path, int flags, ...)
  {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & O_CREAT) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    return OpenThrough("open", path, flags, mode);
  }

  int open64(const char* path, int flags, ...)
  {
    va_list ap;
    va_start(ap, flags);
    const mode_t mode = (flags & O_CREAT) ? va_arg(ap, mode_t) : 0;
    va_end(ap);
    return OpenThrough("open64", path, flags, mode);
  }

  int rename(const char* from, const char* to)
  {
    static auto real = Real<int (*)(const char*, const char*)>("rename");
    if (Faulty(EIO))
      return -1;
    return real(from, to);
  }

  int renameat2(int from_dir, const char* from, int to_dir, const char* to, unsigned int flags)
  {
    static auto real = Real<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2");
    if (Faulty(EIO))
      return -1;
    return real(from_dir, from, to_dir, to, flags);
  }

  int link(const char* from, const char* to)
  {
    static auto real = Real<int (*)(const char*, const char*)>("link");
    if (Faulty(EIO))
      return -1;
    return real(from, to);
  }

  int unlink(const char* path)
  {
    static auto real = Real<int (*)(const char*)>("unlink");
    if (Faulty(EIO))
      return -1;
    return real(path);
  }

}  // extern "C"
