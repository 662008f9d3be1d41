#include "core/families.h"
#include "core/host.h"

namespace host {

namespace {

void Post(int32_t id, int64_t arg1, int64_t arg2) {
  if (Host* h = Host::Current()) h->Events().Post({id, arg1, arg2});
}

const GxaEventFns kEvents = {sizeof(GxaEventFns), Post};

}  // namespace

const GxaEventFns* EventFamily() { return &kEvents; }

}  // namespace host
