#include "color/transformcache.h"

#include <lcms2.h>

#include "color/matrixshaperpath.h"

namespace host
{

TransformCache& TransformCache::Shared()
{
  static TransformCache cache;
  return cache;
}

std::shared_ptr<void> TransformCache::Find(const ColorProfile& source, const ColorProfile& target, uint32_t inFormat,
                                           uint32_t outFormat, uint32_t flags,
                                           const std::function<std::shared_ptr<void>()>& build)
{
  if (!source.IsValid() || !target.IsValid())
    return nullptr;
  const Key key{source.Body()->id, target.Body()->id, inFormat, outFormat, flags};
  const std::lock_guard lock(mutex_);
  if (auto found = entries_.find(key); found != entries_.end())
    return found->second;
  if (entries_.size() >= kMaxEntries)
    entries_.clear();
  return entries_.emplace(key, build()).first->second;
}

std::shared_ptr<void> TransformCache::Get(const ColorProfile& source, const ColorProfile& target, uint32_t inFormat,
                                          uint32_t outFormat, uint32_t flags)
{
  return Find(source, target, inFormat, outFormat, flags, [&]() -> std::shared_ptr<void> {
    cmsHTRANSFORM transform =
        cmsCreateTransform(source.Handle(), inFormat, target.Handle(), outFormat, INTENT_RELATIVE_COLORIMETRIC, flags);
    if (!transform)
      return nullptr;
    return std::shared_ptr<void>(transform, [](void* t) { cmsDeleteTransform(t); });
  });
}

std::shared_ptr<const MatrixShaperPath> TransformCache::GetMatrixShaper(const ColorProfile& source,
                                                                        const ColorProfile& target)
{
  auto entry = Find(source, target, 0, 0, 0, [&]() -> std::shared_ptr<void> {
    return std::const_pointer_cast<MatrixShaperPath>(MatrixShaperPath::Build(source, target));
  });
  return std::static_pointer_cast<const MatrixShaperPath>(entry);
}

}  // namespace host
