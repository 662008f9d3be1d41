#pragma once
// A host file name (GxaFilename), owned. Paths are UTF-8.
#include <string_view>

#include "gxa_api.h"
#include "gxastring.h"

class Filename
{
public:
  Filename();
  explicit Filename(std::string_view path);
  ~Filename();
  Filename(const Filename& other);
  Filename& operator=(const Filename& other);
  Filename(Filename&& other) noexcept;
  Filename& operator=(Filename&& other) noexcept;

  // An owned copy of f; empty when f is null.
  static Filename CopyOf(const GxaFilename* f);
  // The host's installation folder.
  static Filename HostFolder();

  bool IsValid() const { return _f != nullptr; }
  GxaFilename* Get() const { return _f; }

  void SetString(std::string_view path);
  String GetString() const;
  bool IsEmpty() const { return GetString().IsEmpty(); }

  // Appends one path component.
  Filename& Append(std::string_view component);
  // Drops the last component; false when nothing is left to drop.
  bool ToDirectory();
  Filename GetDirectory() const;
  // The last component.
  String GetFileString() const;

  bool Exists() const;
  bool IsInHostFolder() const;

private:
  void Release();

  GxaFilename* _f = nullptr;
};
