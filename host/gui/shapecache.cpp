#include "gui/shapecache.h"

namespace host {

ShapeCache& ShapeCache::Shared() {
  static ShapeCache cache;
  return cache;
}

const Bitmap& ShapeCache::Get(std::string_view look, int w, int h, int scale,
                              const std::function<void(VectorPainter&)>& draw) {
  std::string key(look);
  for (const int v : {w, h, scale}) key.append(reinterpret_cast<const char*>(&v), sizeof v);
  if (auto it = shapes_.find(key); it != shapes_.end()) return it->second;
  // Sizes come and go with window widths; starting over keeps it small.
  if (shapes_.size() >= kLimit) shapes_.clear();
  Bitmap& bitmap = shapes_[key];
  bitmap.Init(w * scale, h * scale, 32);
  bitmap.Clear({0, 0, 0, 0});
  VectorPainter painter(bitmap, scale);
  draw(painter);
  return bitmap;
}

}  // namespace host
