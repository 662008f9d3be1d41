#include "core/families.h"
#include "core/host.h"

namespace host {

namespace {

void Line(int32_t kind, const char* file, int32_t line, const char* text) {
  Host* h = Host::Current();
  if (!h) return;
  auto k = kind == GXA_DIAG_ASSERT ? DiagnosticLine::Kind::kAssert : DiagnosticLine::Kind::kLine;
  h->Diag().Add({k, file ? file : "", line, text ? text : ""});
}

const GxaDiagnosticFns kDiagnostics = {sizeof(GxaDiagnosticFns), Line};

}  // namespace

const GxaDiagnosticFns* DiagnosticFamily() { return &kDiagnostics; }

}  // namespace host
