#include "colorscience/confusablecolors.h"

namespace colorscience
{

std::vector<bool> ConfusableColors::Find(const std::vector<SrgbColor>& colors, const ColorVision& vision)
{
  std::vector<OkLabColor> seen;
  seen.reserve(colors.size());
  for (const SrgbColor& c : colors)
    seen.push_back(OkLab::FromSrgb(vision.See(c)));
  std::vector<bool> close(colors.size(), false);
  for (std::size_t i = 0; i < seen.size(); ++i)
    for (std::size_t j = i + 1; j < seen.size(); ++j)
    {
      if (OkLab::DeltaE(seen[i], seen[j]) >= kLimit)
        continue;
      close[i] = true;
      close[j] = true;
    }
  return close;
}

}  // namespace colorscience
