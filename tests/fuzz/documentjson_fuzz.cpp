// A document read from any stream, then printed as `gxa-host doc` prints it:
// either refused with a message or printed without throwing, whatever bytes
// its names and texts hold.
#include "core/document.h"
#include "core/jsonexport.h"
#include "core/jsontext.h"
#include "framedstream.h"

namespace gxa_fuzz {
namespace {

void Check(std::span<const uint8_t> bytes) {
  auto content = host::ContainerCodec::Read(bytes);
  if (!content) return;
  auto doc = host::Document::FromContainer(content.Value());
  if (!doc) {
    Expect(!doc.Error().empty(), "a refused document has a message");
    return;
  }
  std::string out = host::JsonText::Dump(host::JsonExport::FromContainer(doc->Data()));
  out += host::JsonText::Dump(host::JsonExport::FromContainer(doc->Settings()));
  for (const auto& o : doc->Objects()) {
    out += host::JsonText::Dump(
        nlohmann::json{{"id", o->id}, {"name", o->name}, {"data", host::JsonExport::FromContainer(o->data)}});
  }
  Expect(!out.empty(), "a document prints");
  // Objects added after loading get IDs of their own.
  const int64_t added = doc->AddObject(1, "added")->id;
  Expect(doc->FindObject(added)->name == "added", "a new object's ID is unique");
}

void Run(std::span<const uint8_t> data) {
  Check(data);
  Check(Framed(data));
}

std::vector<Bytes> Seeds() {
  host::Document doc;
  host::DocumentObject* o = doc.AddObject(host::DocumentObject::kLinearColorType, "Light \xC3\xA9");
  o->data.SetVector(1, {1.0, 0.5, 0.25});
  o->data.SetString(2, "text");
  doc.AddObject(5100, "Material")->data.Set(3, host::Value::LinkTo(host::Link{o->id}));
  doc.Data().SetString(9, "data");
  const host::Container c = doc.ToContainer();
  return {host::ContainerCodec::Write(c).Value(), PayloadOf(c)};
}

const bool kRegistered = Register({"documentjson", &Run, &Seeds, 8000});

}  // namespace
}  // namespace gxa_fuzz
