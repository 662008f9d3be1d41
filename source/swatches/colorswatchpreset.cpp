#include "swatches/colorswatchpreset.h"

#include "diagnostics.h"
#include "hostservices.h"
#include "hoststream.h"
#include "moduleresource.h"
#include "presetbrowser.h"
#include "swatches/swatchpresetapply.h"
#include "swatches/swatchthumbnail.h"

namespace
{
constexpr std::int32_t kGroupWordString = 20100;
constexpr std::int32_t kCompressionLevel = 9;
// Streams from this size on are not handed to the compressor.
constexpr std::size_t kCompressLimit = std::size_t(1) << 31;
}  // namespace

Result<BaseArray<SwatchColor>> CollectionColors(const BaseContainer& collection)
{
  ColorSwatchCollection groups;
  RETURN_IF_ERROR(groups.ReadFrom(collection));
  BaseArray<SwatchColor> colors;
  for (std::int32_t i = 0; i < groups.GetCount(); ++i)
  {
    ASSIGN_OR_RETURN(auto part, groups.GetGroup(i)->GetColors(false));
    RETURN_IF_ERROR(colors.AppendAll(part));
  }
  return colors;
}

bool ColorSwatchPreset::GenerateBinaryData()
{
  if (!ContainerToSave())
    return false;
  Result<void> made = Generate();
  if (made.IsError())
  {
    ReportError("ColorSwatchPreset::GenerateBinaryData()", made.GetError());
    return false;
  }
  return true;
}

Result<void> ColorSwatchPreset::Generate()
{
  MemoryFile file;
  TypedStream stream;
  if (!file.IsValid() || !stream.IsValid())
    return OutOfMemoryError("memory file or stream");
  if (!stream.Open(file, GXA_STREAM_WRITE))
    return UnexpectedError("the stream did not open for writing");
  const bool written = stream.WriteContainer(*ContainerToSave());
  if (!stream.Close() || !written)
    return UnexpectedError("the container could not be written");
  ASSIGN_OR_RETURN(auto bytes, file.GetData());
  const auto size = static_cast<std::int64_t>(bytes.GetCount());
  SetBinaryData(std::move(bytes), GXA_COMPRESSION_STORED, size);
  if (GetCompression())
    RETURN_IF_ERROR(CompressData());
  ASSIGN_OR_RETURN(auto colors, CollectionColors(*ContainerToSave()));
  ASSIGN_OR_RETURN(Thumbnail(), MakeSwatchThumbnail({colors.GetData(), colors.GetCount()}));
  return Ok();
}

Result<void> ColorSwatchPreset::CompressData()
{
  const BaseArray<std::uint8_t>& raw = GetBinaryData();
  if (raw.IsEmpty() || raw.GetCount() >= kCompressLimit)
    return Ok();
  Result<BaseArray<std::uint8_t>> packed = CompressBytes({raw.GetData(), raw.GetCount()}, kCompressionLevel);
  // Without compression the stream is kept as it is.
  if (packed.IsError())
    return Ok();
  const auto size = static_cast<std::int64_t>(raw.GetCount());
  SetBinaryData(std::move(packed).GetValue(), GXA_COMPRESSION_ZLIB_SIZED, size);
  return Ok();
}

Result<BaseContainer> ColorSwatchPreset::ReadContainer() const
{
  ASSIGN_OR_RETURN(auto raw, UncompressedData());
  MemoryFile file;
  TypedStream stream;
  if (!file.IsValid() || !stream.IsValid())
    return OutOfMemoryError("memory file or stream");
  if (!file.SetData({raw.GetData(), raw.GetCount()}) || !stream.Open(file, GXA_STREAM_READ))
    return UnexpectedError("the stream did not open for reading");
  BaseContainer collection;
  const bool read = stream.ReadContainer(collection);
  if (!stream.Close() || !read)
    return IllegalArgumentError("the preset holds no readable container");
  RenameGroups(collection);
  return collection;
}

bool ColorSwatchPreset::LoadPreset()
{
  Result<void> loaded = [&]() -> Result<void> {
    ASSIGN_OR_RETURN(BaseContainer collection, ReadContainer());
    if (BaseContainer* target = ContainerToLoad())
    {
      *target = collection;
      return Ok();
    }
    return ApplySwatchPreset(collection);
  }();
  if (loaded.IsError())
  {
    ReportError("ColorSwatchPreset::LoadPreset()", loaded.GetError());
    return false;
  }
  return true;
}

void ColorSwatchPreset::RenameGroups(BaseContainer& collection) const
{
  const std::optional<String> name = presetbrowser::ItemName(GetUrl());
  if (!name || name->IsEmpty())
    return;
  const std::int32_t count = collection.GetInt32(ColorSwatchCollection::kGroupCount);
  const String word = ModuleResource::LoadString(kGroupWordString);
  for (const std::int32_t id : ColorSwatchCollection::StoredGroupIds(collection))
  {
    BaseContainer group = collection.GetContainerInstance(id);
    if (!group.IsValid())
      continue;
    group.SetString(ColorSwatchGroup::kName,
                    count == 1 ? *name : String::Format("@_@.@", name->GetStd(), word.GetStd(), id));
  }
}
