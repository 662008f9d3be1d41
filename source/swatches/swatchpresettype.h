#pragma once
// The swatch preset type (1032074) as the preset browser knows it: its
// operations, its registration by module message 1000 and its end by 1001.
#include <cstdint>

#include "basecontainer.h"
#include "gxa_api.h"
#include "gxastring.h"

class SwatchPresetType
{
public:
  // Answers true when registered, and when the host's application type has
  // no preset browser (nothing is registered then).
  static bool Register();
  static void Free();
  // Null unless registered.
  static SwatchPresetType* Get();

  // What the browser's save stores next (not owned); cleared after the save.
  void SetPendingContainer(const BaseContainer* c) { _pending = c; }

private:
  static const GxaPresetTypeCallbacks kCallbacks;

  static std::int32_t TypeId(void* user);
  static std::int64_t TypeName(void* user, char* buf, std::size_t cap);
  static void* Open(void* user, const char* url, std::int32_t flags[3]);
  static void Close(void* user, void* preset);
  static bool Thumbnail(void* user, void* preset, GxaBitmap* bitmap);
  static bool Load(void* user, void* preset, GxaContainer* target);
  static std::int32_t Save(void* user, const char* url, std::int32_t flags);
  static void Destroyed(void* user);

  GxaPresetType* _handle = nullptr;
  const BaseContainer* _pending = nullptr;
  String _first;
  String _second;
};
