#include "color/colorprofileref.h"

#include <lcms2.h>

namespace host
{

ColorProfileRef::ColorProfileRef(void* profile, std::string text) : handle(profile), description(std::move(text))
{
  // Two bodies with the same contents convert alike, so the content hash
  // decides sameness and keys the transform cache.
  cmsMD5computeID(handle);
  cmsGetHeaderProfileID(handle, id.data());
}

ColorProfileRef::~ColorProfileRef()
{
  cmsCloseProfile(handle);
}

}  // namespace host
