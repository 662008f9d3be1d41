#pragma once
// The swatch data that the chooser and other modules work on: the global
// collection (index 0, world preferences) and the document collection
// (index 1, the document). Operations named SDK... are the published ones:
// they write their own diagnostic line and answer true or false.
#include <cstdint>
#include <memory>
#include <span>

#include "basearray.h"
#include "gxa_api.h"
#include "result.h"
#include "swatches/colorswatchcollection.h"

class iColorSwatchData
{
public:
  static constexpr std::int32_t kGlobal = 0;
  static constexpr std::int32_t kDocument = 1;
  static constexpr std::int32_t kCollectionCount = 2;
  // Swatch-data-changed event code of the chooser broadcast.
  static constexpr std::int32_t kChangedEvent = 0x3F10009;

  // Null only when the object cannot be allocated; read errors are reported
  // and the object comes back as far as it was read.
  static std::unique_ptr<iColorSwatchData> SDKLoad(GxaDocument* doc, bool withGlobal);
  // With neither a document nor withGlobal there is nothing to read: false.
  bool Reload(GxaDocument* doc, bool append, bool withGlobal);
  Result<void> Load(GxaDocument* doc, bool append, bool withGlobal);
  // Posts the swatch-data-changed event after a successful save.
  bool SDKSave(GxaDocument* doc, bool withGlobal);
  Result<void> Save(GxaDocument* doc, bool withGlobal);

  bool SDKSetGroupAtIndex(std::int32_t groupIndex, const ColorSwatchGroup* group, std::int32_t collection);
  bool SDKInsertGroup(const ColorSwatchGroup* group, std::int32_t groupIndex, std::int32_t collection);
  bool SDKRemoveGroup(std::int32_t groupIndex, std::int32_t collection);
  bool Merge(const iColorSwatchData* other, bool includeGlobal);
  bool CopyFrom(const iColorSwatchData* other);

  // 0 for a bad collection index.
  std::int32_t GetGroupCount(std::int32_t collection) const;
  // Null for a bad index; owned by the collection.
  ColorSwatchGroup* GetGroup(std::int32_t groupIndex, std::int32_t collection);
  // A new group inserted at groupIndex (0..count), each swatch taking selected.
  ColorSwatchGroup* CreateGroup(std::int32_t collection, const String& name, bool selected, std::int32_t groupIndex,
                                std::span<const SwatchColor> colors);
  // Selected groups whole and selected swatches of the others, in both collections.
  bool RemoveSelected();
  void Flush();

  // Null for a bad index, and while the object does not hold both collections.
  ColorSwatchCollection* GetCollection(std::int32_t collection);
  const ColorSwatchCollection* GetCollection(std::int32_t collection) const;
  // Missing collections are created empty, surplus ones destroyed.
  Result<void> EnsureCollections();

private:
  bool HoldsBothCollections() const { return _collections.GetCount() == kCollectionCount; }
  Result<void> MergeFrom(const iColorSwatchData& other, bool includeGlobal);
  Result<void> CopyCollections(const iColorSwatchData* other);

  BaseArray<std::unique_ptr<ColorSwatchCollection>> _collections;
};
