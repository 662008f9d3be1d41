#include "filename.h"

#include <string>

#include "hostaccess.h"
#include "hosttext.h"

namespace
{
const GxaFilenameFns* Fns()
{
  return HostFilenames();
}
}  // namespace

Filename::Filename()
{
  const GxaFilenameFns* fns = Fns();
  _f = GXA_HAS(fns, create) ? fns->create() : nullptr;
}

Filename::Filename(std::string_view path) : Filename()
{
  SetString(path);
}

Filename::~Filename()
{
  Release();
}

void Filename::Release()
{
  const GxaFilenameFns* fns = Fns();
  if (_f && GXA_HAS(fns, destroy))
    fns->destroy(_f);
  _f = nullptr;
}

Filename::Filename(const Filename& other) : Filename()
{
  *this = other;
}

Filename& Filename::operator=(const Filename& other)
{
  const GxaFilenameFns* fns = Fns();
  if (&other != this && _f && other._f && GXA_HAS(fns, copy))
    fns->copy(_f, other._f);
  return *this;
}

Filename::Filename(Filename&& other) noexcept : _f(other._f)
{
  other._f = nullptr;
}

Filename& Filename::operator=(Filename&& other) noexcept
{
  if (&other != this)
  {
    Release();
    _f = other._f;
    other._f = nullptr;
  }
  return *this;
}

Filename Filename::CopyOf(const GxaFilename* f)
{
  Filename copy;
  const GxaFilenameFns* fns = Fns();
  if (f && copy._f && GXA_HAS(fns, copy))
    fns->copy(copy._f, f);
  return copy;
}

Filename Filename::HostFolder()
{
  Filename folder;
  const GxaFilenameFns* fns = Fns();
  if (folder._f && GXA_HAS(fns, host_folder))
    fns->host_folder(folder._f);
  return folder;
}

void Filename::SetString(std::string_view path)
{
  const GxaFilenameFns* fns = Fns();
  if (_f && GXA_HAS(fns, set))
    fns->set(_f, std::string(path).c_str());
}

String Filename::GetString() const
{
  const GxaFilenameFns* fns = Fns();
  if (!_f || !GXA_HAS(fns, get))
    return {};
  auto text = ReadHostText([&](char* buf, std::size_t cap) { return fns->get(_f, buf, cap); });
  return text ? *text : String();
}

Filename& Filename::Append(std::string_view component)
{
  const GxaFilenameFns* fns = Fns();
  if (_f && GXA_HAS(fns, append))
    fns->append(_f, std::string(component).c_str());
  return *this;
}

bool Filename::ToDirectory()
{
  const GxaFilenameFns* fns = Fns();
  return _f && GXA_HAS(fns, to_directory) && fns->to_directory(_f);
}

Filename Filename::GetDirectory() const
{
  Filename dir(*this);
  dir.ToDirectory();
  return dir;
}

String Filename::GetFileString() const
{
  const GxaFilenameFns* fns = Fns();
  if (!_f || !GXA_HAS(fns, last_component))
    return {};
  auto text = ReadHostText([&](char* buf, std::size_t cap) { return fns->last_component(_f, buf, cap); });
  return text ? *text : String();
}

bool Filename::Exists() const
{
  const GxaFilenameFns* fns = Fns();
  return _f && GXA_HAS(fns, exists) && fns->exists(_f);
}

bool Filename::IsInHostFolder() const
{
  const GxaFilenameFns* fns = Fns();
  return _f && GXA_HAS(fns, is_in_host_folder) && fns->is_in_host_folder(_f);
}
