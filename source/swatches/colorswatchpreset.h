#pragma once
// A swatch preset: one collection container (group count, then the groups)
// in the host's typed stream, zlib-compressed when that is possible, with a
// thumbnail of its colours.
#include "basebrowserpreset.h"
#include "swatches/colorswatchcollection.h"

class ColorSwatchPreset : public BaseBrowserPreset
{
public:
  static constexpr std::int32_t kTypeId = 1032074;

  using BaseBrowserPreset::BaseBrowserPreset;

  bool GenerateBinaryData() override;
  // Without a container to load into, the groups are applied to the active
  // document's swatches.
  bool LoadPreset() override;

  // The preset's container, its groups renamed after the item.
  Result<BaseContainer> ReadContainer() const;

private:
  Result<void> Generate();
  Result<void> CompressData();
  void RenameGroups(BaseContainer& collection) const;
};

// Every colour of a collection container's groups, in order.
Result<BaseArray<SwatchColor>> CollectionColors(const BaseContainer& collection);
