#pragma once
// A host document: its data container (where modules keep per-document data),
// its settings (colour management) and its objects. GxaDocument handles point
// at one of these, GxaObject handles at its objects.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/container.h"
#include "core/documentobject.h"
#include "core/outcome.h"
#include "core/value.h"

namespace host {

class Document {
 public:
  // Settings entries.
  static constexpr int32_t kColorSpace = 2101;      // 1 linear, 2 linear with the workflow switch, else sRGB
  static constexpr int32_t kLinearWorkflow = 2102;  // bool

  Document();

  Container& Data() { return data_; }
  const Container& Data() const { return data_; }
  Container& Settings() { return settings_; }
  const Container& Settings() const { return settings_; }

  // Adds an object with a fresh ID; the pointer lives as the document.
  DocumentObject* AddObject(int32_t type, std::string name);
  DocumentObject* FindObject(int64_t id) const;
  DocumentObject* FindObject(const std::string& name) const;
  const std::vector<std::unique_ptr<DocumentObject>>& Objects() const { return objects_; }
  // Null when the value is not a link or its object is gone.
  DocumentObject* Resolve(const Value& link) const;
  bool RemoveObject(int64_t id);

  void MarkChanged() { ++changes_; }
  uint64_t Changes() const { return changes_; }
  void ClearChanged() { changes_ = 0; }

  // The whole document as one container and back (the file form).
  Container ToContainer() const;
  static Outcome<Document> FromContainer(const Container& c);

 private:
  Container data_;
  Container settings_;
  std::vector<std::unique_ptr<DocumentObject>> objects_;
  int64_t next_object_id_ = 1;
  uint64_t changes_ = 0;
};

}  // namespace host
