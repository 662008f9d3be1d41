#include "core/document.h"

#include <unordered_set>

#include "core/fourcc.h"

namespace host {

namespace {

constexpr int32_t kFileId = FourCC("GXAD");
enum : int32_t { kDataEntry = 1, kSettingsEntry = 2, kObjectsEntry = 3, kNextIdEntry = 4 };
// IDs count up from 1; far below the end of int64, so that counting on never overflows.
constexpr int64_t kLargestObjectId = int64_t{1} << 62;
enum : int32_t { kObjectId = 1, kObjectType = 2, kObjectName = 3, kObjectData = 4 };

Container ObjectToContainer(const DocumentObject& o) {
  Container c;
  c.SetInt64(kObjectId, o.id);
  c.SetInt32(kObjectType, o.type);
  c.SetString(kObjectName, o.name);
  c.SetContainer(kObjectData, o.data);
  return c;
}

}  // namespace

Document::Document() {
  settings_.SetInt32(kColorSpace, 0);
  settings_.SetBool(kLinearWorkflow, true);
}

DocumentObject* Document::AddObject(int32_t type, std::string name) {
  auto obj = std::make_unique<DocumentObject>();
  obj->id = next_object_id_++;
  obj->type = type;
  obj->name = std::move(name);
  objects_.push_back(std::move(obj));
  return objects_.back().get();
}

DocumentObject* Document::FindObject(int64_t id) const {
  for (const auto& o : objects_) {
    if (o->id == id) return o.get();
  }
  return nullptr;
}

DocumentObject* Document::FindObject(const std::string& name) const {
  for (const auto& o : objects_) {
    if (o->name == name) return o.get();
  }
  return nullptr;
}

DocumentObject* Document::Resolve(const Value& link) const {
  auto l = link.AsLink();
  return l ? FindObject(l->object) : nullptr;
}

bool Document::RemoveObject(int64_t id) {
  return std::erase_if(objects_, [id](const auto& o) { return o->id == id; }) > 0;
}

Container Document::ToContainer() const {
  Container c(kFileId);
  c.SetContainer(kDataEntry, data_);
  c.SetContainer(kSettingsEntry, settings_);
  Container objects;
  for (const auto& o : objects_) objects.Insert(0, Value::Of(ObjectToContainer(*o)));
  c.SetContainer(kObjectsEntry, objects);
  c.SetInt64(kNextIdEntry, next_object_id_);
  return c;
}

Outcome<Document> Document::FromContainer(const Container& c) {
  using R = Outcome<Document>;
  if (c.Id() != kFileId) return R::Fail("not a document");
  const Container* data = c.GetContainer(kDataEntry);
  const Container* settings = c.GetContainer(kSettingsEntry);
  const Container* objects = c.GetContainer(kObjectsEntry);
  if (!data || !settings || !objects) return R::Fail("the document lacks its data, settings or objects");

  Document doc;
  doc.data_ = *data;
  doc.settings_.Merge(*settings);
  std::unordered_set<int64_t> ids;
  ids.reserve(objects->Entries().size());
  for (const auto& e : objects->Entries()) {
    const Container* oc = e.value.AsContainer();
    if (!oc || !oc->Has(kObjectId)) return R::Fail("a document object is malformed");
    auto obj = std::make_unique<DocumentObject>();
    obj->id = oc->GetInt64(kObjectId);
    if (obj->id > kLargestObjectId) {
      return R::Fail("a document object's ID " + std::to_string(obj->id) + " is too large");
    }
    if (!ids.insert(obj->id).second) return R::Fail("two document objects share ID " + std::to_string(obj->id));
    obj->type = oc->GetInt32(kObjectType);
    obj->name = oc->GetString(kObjectName).value_or("");
    if (const Container* od = oc->GetContainer(kObjectData)) obj->data = *od;
    doc.next_object_id_ = std::max(doc.next_object_id_, obj->id + 1);
    doc.objects_.push_back(std::move(obj));
  }
  const int64_t next = c.GetInt64(kNextIdEntry, 1);
  if (next > kLargestObjectId) return R::Fail("the document's next object ID is too large");
  doc.next_object_id_ = std::max(doc.next_object_id_, next);
  return doc;
}

}  // namespace host
