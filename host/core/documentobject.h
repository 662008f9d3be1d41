#pragma once
// An object of a document: a type, a name and its parameter values. Links
// refer to it by its ID, unique within the document.
#include <cstdint>
#include <string>

#include "core/container.h"

namespace host {

struct DocumentObject {
  // Objects of this type keep their colours in linear space.
  static constexpr int32_t kLinearColorType = 300001078;

  int64_t id = 0;
  int32_t type = 0;
  std::string name;
  Container data;
};

}  // namespace host
