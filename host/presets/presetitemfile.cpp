#include "presets/presetitemfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "core/filebytes.h"
#include "core/uniquefd.h"
#include "presets/presetitemcodec.h"

namespace host {

namespace {

std::string Problem(const std::filesystem::path& file, const std::string& what) { return file.string() + ": " + what; }

// Fills out from offset 0; false with errno set on a read error.
bool ReadAt(int fd, std::vector<uint8_t>& out, size_t from) {
  while (from < out.size()) {
    ssize_t n = ::pread(fd, out.data() + from, out.size() - from, static_cast<off_t>(from));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    from += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

Outcome<PresetItemHeader> PresetItemFile::ReadHeader(const std::filesystem::path& file) {
  using R = Outcome<PresetItemHeader>;
  // Non-blocking, so a FIFO named like an item cannot stall a listing
  // before fstat refuses it.
  const UniqueFd fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat st {};
  if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0) return R::Fail(Problem(file, std::strerror(errno)));
  if (!S_ISREG(st.st_mode)) return R::Fail(Problem(file, "not a regular file"));
  const auto size = static_cast<uint64_t>(st.st_size);
  std::vector<uint8_t> head(std::min<uint64_t>(size, PresetItemCodec::kListingRead));
  if (!ReadAt(fd.Get(), head, 0)) return R::Fail(Problem(file, std::strerror(errno)));
  auto extent = PresetItemCodec::HeaderExtent(head);
  if (!extent) return R::Fail(Problem(file, extent.Error()));
  if (*extent > head.size() && *extent <= size) {
    size_t had = head.size();
    head.resize(*extent);
    if (!ReadAt(fd.Get(), head, had)) return R::Fail(Problem(file, std::strerror(errno)));
  }
  auto layout = PresetItemCodec::ReadHeader(head, size);
  if (!layout) return R::Fail(Problem(file, layout.Error()));
  return layout->header;
}

Outcome<std::vector<uint8_t>> PresetItemFile::Bytes(const std::filesystem::path& file) {
  using R = Outcome<std::vector<uint8_t>>;
  auto read = FileBytes::From(file, FileBytes::kStoredFileLimit);
  if (!read.error.empty()) return R::Fail(read.error);
  return std::move(read.bytes);
}

Outcome<PresetItem> PresetItemFile::Read(const std::filesystem::path& file, bool with_thumbnail) {
  using R = Outcome<PresetItem>;
  auto bytes = Bytes(file);
  if (!bytes) return R::Fail(bytes.Error());
  auto item = PresetItemCodec::Read(bytes.Value(), with_thumbnail);
  if (!item) return R::Fail(Problem(file, item.Error()));
  return item;
}

}  // namespace host
