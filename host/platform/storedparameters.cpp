#include "platform/storedparameters.h"

#include <string>

#include "page/colorparameter.h"

namespace host {

std::optional<ColorValue> StoredParameters::ValueOf(const DocumentObject& object, ColorForm form) {
  // The page keys the value by its gadget, which may differ between
  // sessions: the first entry of the right form counts.
  for (const auto& entry : object.data.Entries()) {
    if (auto v = ColorValue::FromHost(entry.value, form)) return v;
  }
  return std::nullopt;
}

void StoredParameters::Restore(Document& document, std::vector<ParameterSpec>& specs) {
  for (ParameterSpec& spec : specs) {
    const ColorForm form = ColorParameter::FormFor(spec.settings);
    std::vector<EditedObject> restored;
    std::vector<int64_t> claimed;
    for (size_t n = 1;; ++n) {
      const DocumentObject* o = document.FindObject(spec.key + "." + std::to_string(n));
      if (!o) break;
      auto value = ValueOf(*o, form);
      if (!value) break;
      restored.push_back({*value, o->type == DocumentObject::kLinearColorType});
      claimed.push_back(o->id);
    }
    if (restored.empty()) continue;
    spec.objects = std::move(restored);
    for (int64_t id : claimed) document.RemoveObject(id);
  }
}

}  // namespace host
