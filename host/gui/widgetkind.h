#pragma once
// A gadget's kind as a person reads it: the name of its class without
// namespaces ("UserAreaWidget", "NumberField", "Group").
#include <string>

namespace host {

class Widget;

class WidgetKind {
 public:
  static std::string Of(const Widget& w);
};

}  // namespace host
