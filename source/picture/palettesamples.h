#pragma once
// The picture's representative colours (k-means in OKLab, the same for the
// same picture) as samples of the strip: colours without a place on the
// picture, the most common first and selected.
#include <vector>

#include "basebitmap.h"
#include "result.h"
#include "utils/colorlistentry.h"

class PaletteSamples
{
public:
  static constexpr int kDefaultCount = 8;

  // At most count samples; fewer when the picture has fewer colours.
  static Result<std::vector<ColorListEntry>> Extract(const BaseBitmap& picture, int count);
};
