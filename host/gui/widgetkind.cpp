#include "gui/widgetkind.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "gui/widget.h"

namespace host {

std::string WidgetKind::Of(const Widget& w) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(w).name(), nullptr, nullptr, &status),
                                              std::free);
  std::string kind = status == 0 && name ? name.get() : typeid(w).name();
  const size_t colon = kind.rfind("::");
  return colon == std::string::npos ? kind : kind.substr(colon + 2);
}

}  // namespace host
