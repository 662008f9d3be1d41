#include "core/documentstore.h"

#include "core/storedfile.h"

namespace host {

Outcome<DocumentStore::Opened> DocumentStore::Load(const std::filesystem::path& path) {
  using R = Outcome<Opened>;
  StoredFile file(path);
  auto loaded = file.Load();
  if (loaded.unreadable) return R::Fail(loaded.problem);
  if (!loaded.content) return Opened{Document(), loaded.problem};
  auto doc = Document::FromContainer(*loaded.content);
  if (doc) return Opened{std::move(doc.Value()), {}};
  // A sound file of another kind is left alone; the caller must not save over it.
  return R::Fail(path.string() + " is not a document: " + doc.Error());
}

Outcome<Done> DocumentStore::Save(const Document& doc, const std::filesystem::path& path) {
  return StoredFile(path).Save(doc.ToContainer());
}

}  // namespace host
