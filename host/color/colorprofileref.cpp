#include "color/colorprofileref.h"

#include <lcms2.h>

#include <cstring>
#include <vector>

namespace host
{

namespace
{

// Where the ICC header keeps the creation date and the stored profile ID.
constexpr size_t kDateAt = 24, kDateSize = 12;
constexpr size_t kIdAt = 84, kIdSize = 16;

// Two bodies with the same contents convert alike, so the content hash
// decides sameness and keys the transform cache. The creation date is left
// out: profiles built alike in different seconds are the same profile.
std::array<uint8_t, 16> ContentId(cmsHPROFILE handle)
{
  std::array<uint8_t, 16> id{};
  cmsUInt32Number size = 0;
  std::vector<uint8_t> bytes;
  if (cmsSaveProfileToMem(handle, nullptr, &size) && size >= kIdAt + kIdSize)
  {
    bytes.resize(size);
    if (!cmsSaveProfileToMem(handle, bytes.data(), &size))
      bytes.clear();
  }
  if (bytes.empty())
  {
    cmsMD5computeID(handle);
    cmsGetHeaderProfileID(handle, id.data());
    return id;
  }
  std::memset(bytes.data() + kDateAt, 0, kDateSize);
  std::memset(bytes.data() + kIdAt, 0, kIdSize);
  // Two FNV-1a hashes of different offsets: 128 bits for a cache of a few dozen.
  uint64_t a = 14695981039346656037ull, b = 0x84222325cbf29ce4ull;
  for (uint8_t byte : bytes)
  {
    a = (a ^ byte) * 1099511628211ull;
    b = (b ^ byte) * 0x100000001b3ull;
    b ^= b >> 29;
  }
  std::memcpy(id.data(), &a, 8);
  std::memcpy(id.data() + 8, &b, 8);
  return id;
}

}  // namespace

ColorProfileRef::ColorProfileRef(void* profile, std::string text)
    : handle(profile), description(std::move(text)), id(ContentId(profile))
{}

ColorProfileRef::~ColorProfileRef()
{
  cmsCloseProfile(handle);
}

}  // namespace host
