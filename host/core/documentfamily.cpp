#include "core/families.h"
#include "core/handles.h"
#include "core/host.h"

namespace host {

namespace {

Document* D(GxaDocument* d) { return reinterpret_cast<Document*>(d); }

GxaDocument* Active() {
  Host* h = Host::Current();
  return h ? reinterpret_cast<GxaDocument*>(h->ActiveDocument()) : nullptr;
}

GxaContainer* Data(GxaDocument* doc) { return doc ? ToHandle(&D(doc)->Data()) : nullptr; }

const GxaContainer* Settings(GxaDocument* doc) {
  return doc ? ToHandle(static_cast<const Container*>(&D(doc)->Settings())) : nullptr;
}

GxaObject* ResolveLink(GxaDocument* doc, const GxaData* link) {
  if (!doc || !link) return nullptr;
  return reinterpret_cast<GxaObject*>(D(doc)->Resolve(*FromHandle(link)));
}

int32_t ObjectType(const GxaObject* obj) { return obj ? reinterpret_cast<const DocumentObject*>(obj)->type : 0; }

void MarkChanged(GxaDocument* doc) {
  if (doc) D(doc)->MarkChanged();
}

const GxaDocumentFns kDocuments = {
    sizeof(GxaDocumentFns), Active, Data, Settings, ResolveLink, ObjectType, MarkChanged,
};

}  // namespace

const GxaDocumentFns* DocumentFamily() { return &kDocuments; }

}  // namespace host
