#pragma once
// One colour parameter of the page: its settings, the value form those
// settings call for, and the document objects it edits. Each object keeps
// the parameter's value in its own data, so several objects can disagree
// (a mixed value) until the user sets one colour for all of them.
#include <cstdint>
#include <string>
#include <vector>

#include "core/document.h"
#include "page/parameterspec.h"

namespace host {

class Dialog;

class ColorParameter {
 public:
  // Objects of any type but the linear one count as ordinary objects.
  static constexpr int32_t kPlainObjectType = 5100;

  // The form the chooser exchanges for these settings: the context kind
  // 'retT' 2 a colour-and-brightness container, 'acol' 1 (kind 0) a colour
  // with alpha, anything else a plain vector.
  static ColorForm FormFor(const Container& settings);

  ColorParameter(ParameterSpec spec, int32_t gadgetId, Document& document);
  ~ColorParameter();
  ColorParameter(const ColorParameter&) = delete;
  ColorParameter& operator=(const ColorParameter&) = delete;

  const std::string& Key() const { return key_; }
  const std::string& Label() const { return label_; }
  int32_t GadgetId() const { return gadgetId_; }
  ColorForm Form() const { return form_; }
  const Container& Settings() const { return settings_; }

  // Replaces the edited objects (new document objects when the count changes).
  void Assign(const std::vector<EditedObject>& objects);
  // The user chose one value: every object takes it.
  void Store(const ColorValue& value);
  std::vector<ColorValue> Values() const;
  const std::vector<int64_t>& ObjectIds() const { return objects_; }
  // Per object: whether it keeps its colours in linear space.
  std::vector<bool> LinearMarks() const;
  bool IsMixed() const;
  // What the chooser shows: the first object's value.
  ColorValue Shown() const;

  // The chooser's dialog once the page has made it, else null.
  Dialog* Chooser() const { return chooser_; }
  void SetChooser(Dialog* chooser) { chooser_ = chooser; }

 private:
  DocumentObject* Object(size_t index) const;
  void Resize(size_t count);

  std::string key_;
  std::string label_;
  int32_t gadgetId_;
  ColorForm form_;
  Container settings_;
  Document& document_;
  std::vector<int64_t> objects_;
  Dialog* chooser_ = nullptr;
};

}  // namespace host
