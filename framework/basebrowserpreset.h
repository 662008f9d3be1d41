#pragma once
// The base of a preset object: what a preset type hands the browser. A
// subclass turns its container into binary data (GenerateBinaryData) and
// back (LoadPreset); the base keeps the data with its compression kind and
// size, the thumbnail, and stores or reads the item at its URL.
#include <cstdint>

#include "basearray.h"
#include "basebitmap.h"
#include "basecontainer.h"
#include "gxastring.h"
#include "result.h"

class BaseBrowserPreset
{
public:
  explicit BaseBrowserPreset(String url) : _url(std::move(url)) {}
  virtual ~BaseBrowserPreset() = default;
  BaseBrowserPreset(const BaseBrowserPreset&) = delete;
  BaseBrowserPreset& operator=(const BaseBrowserPreset&) = delete;

  virtual bool GenerateBinaryData() = 0;
  virtual bool LoadPreset() = 0;

  const String& GetUrl() const { return _url; }
  void SetCompression(bool on) { _compress = on; }
  bool GetCompression() const { return _compress; }
  // Not owned; GenerateBinaryData writes this one.
  void SetContainerToSave(const BaseContainer* c) { _toSave = c; }
  // Not owned; LoadPreset reads into this one when set.
  void SetContainerToLoad(BaseContainer* c) { _toLoad = c; }
  void SetStrings(const String& first, const String& second)
  {
    _first = first;
    _second = second;
  }

  // Data as stored: kind 0 plain, 1 or 2 zlib; rawSize its uncompressed size.
  void SetBinaryData(BaseArray<std::uint8_t> data, std::int32_t kind, std::int64_t rawSize);
  const BaseArray<std::uint8_t>& GetBinaryData() const { return _data; }
  std::int32_t GetCompressionKind() const { return _kind; }
  std::int64_t GetUncompressedSize() const { return _rawSize; }
  const BaseBitmap* GetThumbnail() const { return _thumbnail.IsValid() ? &_thumbnail : nullptr; }

  // Runs GenerateBinaryData and stores the result as an item of typeId.
  Result<void> Store(std::int32_t typeId);
  // Takes the stored item's binary data, kind and size.
  Result<void> ReadStoredData();
  // The data as it was before compression; checks the recorded size.
  Result<BaseArray<std::uint8_t>> UncompressedData() const;

protected:
  BaseBitmap& Thumbnail() { return _thumbnail; }
  const BaseContainer* ContainerToSave() const { return _toSave; }
  BaseContainer* ContainerToLoad() const { return _toLoad; }

private:
  bool _compress = true;
  String _url;
  BaseArray<std::uint8_t> _data;
  std::int32_t _kind = 0;
  std::int64_t _rawSize = 0;
  BaseBitmap _thumbnail;
  String _first;
  String _second;
  const BaseContainer* _toSave = nullptr;
  BaseContainer* _toLoad = nullptr;
};
