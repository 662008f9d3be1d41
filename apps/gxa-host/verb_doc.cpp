// gxa-host doc: what a saved document holds.
#include <cstdio>

#include "argparser.h"
#include "core/containercodec.h"
#include "core/document.h"
#include "core/filebytes.h"
#include "core/jsonexport.h"
#include "core/jsontext.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage = "doc FILE";

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host doc: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

nlohmann::json ObjectJson(const DocumentObject& o) {
  return {{"id", o.id}, {"type", o.type}, {"name", o.name}, {"data", JsonExport::FromContainer(o.data)}};
}

int RunDoc(std::span<const std::string> raw) {
  ArgParser args(raw);
  const std::vector<std::string> files = args.TakePositionals();
  if (!args.Finish()) return Fail(args.Error(), 2);
  if (files.size() != 1) return Fail("name one document file", 2);
  // Read only: unlike opening it in the host, a damaged file stays where it is.
  const FileBytes::Read file = FileBytes::From(files.front(), FileBytes::kStoredFileLimit);
  if (!file.error.empty()) return Fail(file.error, 1);
  auto content = ContainerCodec::Read(file.bytes);
  if (!content) return Fail(files.front() + ": " + content.Error(), 1);
  auto read = Document::FromContainer(content.Value());
  if (!read) return Fail(files.front() + " is not a document: " + read.Error(), 1);
  const Document& doc = read.Value();
  // One object a line, so that a shell script can pick one out with grep.
  std::printf("{\"data\": %s,\n\"settings\": %s,\n\"objects\": [",
              JsonText::Dump(JsonExport::FromContainer(doc.Data())).c_str(),
              JsonText::Dump(JsonExport::FromContainer(doc.Settings())).c_str());
  const char* separator = "\n";
  for (const auto& o : doc.Objects()) {
    std::printf("%s%s", separator, JsonText::Dump(ObjectJson(*o)).c_str());
    separator = ",\n";
  }
  std::printf("\n]}\n");
  return 0;
}

VerbHelp Help() {
  return {
      "Prints a saved document (a .gxd file, such as the demo document that 'view' saves) as one JSON object: "
      "its data container, its document-wide settings, and its objects, one object a line. The file is only "
      "read; a damaged file gives one line naming it and status 1.",
      {{"FILE", "the document file"}}};
}

const bool kRegistered =
    VerbRegistry::Add({"doc", kUsage, "print a saved document as JSON (its objects one a line)", &RunDoc, &Help});

}  // namespace

}  // namespace host::cli
