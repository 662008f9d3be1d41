#pragma once
// Built conversions, shared by everything that converts between the same two
// profiles in the same pixel formats: building one costs far more than
// converting a bitmap. Pictures load on a worker thread while the window
// draws, so it is shared between threads.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "color/colorprofile.h"

namespace host
{

class MatrixShaperPath;

class TransformCache
{
public:
  static TransformCache& Shared();

  // cmsHTRANSFORM from `source` to `target`; null when LittleCMS cannot
  // build it. `inFormat`/`outFormat` are LittleCMS pixel types.
  std::shared_ptr<void> Get(const ColorProfile& source, const ColorProfile& target, uint32_t inFormat,
                            uint32_t outFormat, uint32_t flags);
  // The table-driven 8-bit path; null when either profile is not a plain
  // matrix-shaper.
  std::shared_ptr<const MatrixShaperPath> GetMatrixShaper(const ColorProfile& source, const ColorProfile& target);

  size_t Size() const
  {
    const std::lock_guard lock(mutex_);
    return entries_.size();
  }
  void Clear()
  {
    const std::lock_guard lock(mutex_);
    entries_.clear();
  }

private:
  // Profiles come and go with documents; past this many entries the cache
  // starts over rather than grow without bound.
  static constexpr size_t kMaxEntries = 64;

  using ProfileId = std::array<uint8_t, 16>;
  // Source, target, input format, output format, flags; the matrix-shaper
  // path uses format 0, which no LittleCMS transform has.
  using Key = std::tuple<ProfileId, ProfileId, uint32_t, uint32_t, uint32_t>;

  // Failures are kept too: the same profiles fail the same way again.
  std::shared_ptr<void> Find(const ColorProfile& source, const ColorProfile& target, uint32_t inFormat,
                             uint32_t outFormat, uint32_t flags, const std::function<std::shared_ptr<void>()>& build);

  mutable std::mutex mutex_;
  std::map<Key, std::shared_ptr<void>> entries_;
};

}  // namespace host
