#include "core/families.h"
#include "core/handles.h"
#include "core/host.h"
#include "core/textout.h"

namespace host {

namespace {

Filename* F(GxaFilename* f) { return FromHandle(f); }
const Filename* F(const GxaFilename* f) { return FromHandle(f); }

GxaFilename* Create() { return ToHandle(new Filename()); }
void Destroy(GxaFilename* f) { delete F(f); }
void Copy(GxaFilename* dst, const GxaFilename* src) {
  if (dst && src && dst != src) *F(dst) = *F(src);
}
void Set(GxaFilename* f, const char* path) {
  if (f) F(f)->Set(path ? path : "");
}
int64_t Get(const GxaFilename* f, char* buf, size_t cap) { return WriteText(f ? F(f)->Path() : "", buf, cap); }
void Append(GxaFilename* f, const char* component) {
  if (f && component) F(f)->Append(component);
}
bool ToDirectory(GxaFilename* f) { return f && F(f)->ToDirectory(); }
int64_t LastComponent(const GxaFilename* f, char* buf, size_t cap) {
  return WriteText(f ? F(f)->LastComponent() : "", buf, cap);
}
bool Exists(const GxaFilename* f) { return f && F(f)->Exists(); }

bool IsInHostFolder(const GxaFilename* f) {
  Host* h = Host::Current();
  return h && f && h->IsInHostFolder(*F(f));
}

void HostFolder(GxaFilename* out) {
  Host* h = Host::Current();
  if (h && out) *F(out) = h->HostFolder();
}

const GxaFilenameFns kFilenames = {
    sizeof(GxaFilenameFns), Create, Destroy,        Copy,       Set, Get, Append, ToDirectory,
    LastComponent,          Exists, IsInHostFolder, HostFolder,
};

}  // namespace

const GxaFilenameFns* FilenameFamily() { return &kFilenames; }

}  // namespace host
