#include "core/modulecall.h"

#include "core/host.h"

namespace host {

ModuleCall::ModuleCall() {
  if (Host* h = Host::Current()) guard_.emplace(h->Events());
}

}  // namespace host
