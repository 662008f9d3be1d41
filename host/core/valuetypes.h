#pragma once
// Plain payloads of host values. Kept apart from Value so that code which only
// needs a colour or a link does not pull in the container machinery.
#include <cstdint>

namespace host {

// Defined by the colour layer (color/colorprofile.h); values share it.
class ColorProfile;

struct Vector3 {
  double x = 0.0, y = 0.0, z = 0.0;
  bool operator==(const Vector3&) const = default;
};

struct ColorRGBA {
  double r = 0.0, g = 0.0, b = 0.0, a = 1.0;
  bool operator==(const ColorRGBA&) const = default;
};

// A reference to an object of a document, by the object's document-wide ID.
struct Link {
  int64_t object = 0;
  bool operator==(const Link&) const = default;
};

// A value that has a type but no content (GXA_TYPE_EMPTY carries the type).
struct EmptyOf {
  int32_t type = 0;
  bool operator==(const EmptyOf&) const = default;
};

}  // namespace host
