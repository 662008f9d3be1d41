#include "basebrowserpreset.h"

#include <span>

#include "hoststream.h"
#include "presetbrowser.h"

namespace
{
// Binary data beyond this is not a preset this module wrote: what it holds
// comes from the preferences or a document, which are never larger.
// Refusing it keeps a damaged size field from asking for gigabytes.
constexpr std::int64_t kMaxRawSize = std::int64_t(256) << 20;
// Deflate packs at most about 1032 bytes into one: a recorded size beyond
// that is damage, found before anything is allocated for it.
constexpr std::int64_t kMaxInflation = 1032;
constexpr std::int64_t kInflationSlack = 64;
}  // namespace

void BaseBrowserPreset::SetBinaryData(BaseArray<std::uint8_t> data, std::int32_t kind, std::int64_t rawSize)
{
  _data = std::move(data);
  _kind = kind;
  _rawSize = rawSize;
}

Result<void> BaseBrowserPreset::Store(std::int32_t typeId)
{
  if (!GenerateBinaryData())
    return UnexpectedError("the preset's data could not be made");
  if (!presetbrowser::StorePreset(_url, typeId, {_data.GetData(), _data.GetCount()}, _kind, _rawSize,
                                  _thumbnail.IsValid() ? _thumbnail.Get() : nullptr))
    return UnexpectedError("the preset browser did not store " + _url.GetStd());
  return Ok();
}

Result<void> BaseBrowserPreset::ReadStoredData()
{
  const auto info = presetbrowser::ItemInfo(_url);
  if (!info || info->kind != GXA_PRESET_KIND_PRESET)
    return IllegalArgumentError("no preset at " + _url.GetStd());
  ASSIGN_OR_RETURN(auto data, presetbrowser::ItemData(_url));
  SetBinaryData(std::move(data), info->compression, info->raw_size);
  return Ok();
}

Result<BaseArray<std::uint8_t>> BaseBrowserPreset::UncompressedData() const
{
  const std::span<const std::uint8_t> bytes(_data.GetData(), _data.GetCount());
  if (_rawSize < 0 || _rawSize > kMaxRawSize)
    return IllegalArgumentError("implausible preset size");
  const auto raw = static_cast<std::size_t>(_rawSize);
  if (_kind == GXA_COMPRESSION_STORED)
  {
    if (bytes.size() != raw)
      return IllegalArgumentError("the stored size differs from the recorded one");
    BaseArray<std::uint8_t> copy;
    RETURN_IF_ERROR(copy.AppendAll(bytes));
    return copy;
  }
  if (_kind != GXA_COMPRESSION_ZLIB && _kind != GXA_COMPRESSION_ZLIB_SIZED)
    return IllegalArgumentError("unknown compression kind " + std::to_string(_kind));
  if (_rawSize > static_cast<std::int64_t>(bytes.size()) * kMaxInflation + kInflationSlack)
    return IllegalArgumentError("the recorded size is more than the data can hold");
  ASSIGN_OR_RETURN(auto unpacked, DecompressBytes(bytes, raw));
  if (_kind == GXA_COMPRESSION_ZLIB_SIZED && unpacked.GetCount() != raw)
    return IllegalArgumentError("the data does not decompress to its recorded size");
  return unpacked;
}
